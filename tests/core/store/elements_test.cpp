// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/elements.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(Elements, SplitKeepsEveryPieceTrimmed)
{
    const struct
    {
        const char *list;
        QStringList names;
    } cases[] = {
        {"", {}},
        {" Caesar ,Pompey", {"Caesar", "Pompey"}},
        // Empty pieces stay: the element picker relies on the positions.
        {"a,,b,", {"a", "", "b", ""}},
        {" , ", {"", ""}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::SplitElements(QString::fromUtf8(c.list)), c.names) << c.list;
}

TEST(Elements, FindOrCreateIgnoresLetterCaseWithinAType)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    const qint32 caesar = qm::FindOrCreateElement(db, "A", "Caesar");
    const qint32 emile = qm::FindOrCreateElement(db, "A", "Émile");
    const qint32 quoted = qm::FindOrCreateElement(db, "S", "Livy \"Ab urbe\"");

    const struct
    {
        const char *type;
        const char *name;
        qint32 expected; // 0: a new element
    } cases[] = {
        {"A", "caesar", caesar}, {"A", "CAESAR", caesar},           {"A", "émile", emile},
        {"A", "ÉMILE", emile},   {"S", "LIVY \"AB URBE\"", quoted}, {"P", "Caesar", 0}, // same name, other type
        {"A", "Caesar ", 0}, // blanks are part of a name here; lists trim before they ask
    };
    for (const auto &c : cases) {
        const qint32 id = qm::FindOrCreateElement(db, QString::fromUtf8(c.type), QString::fromUtf8(c.name));
        if (c.expected != 0)
            EXPECT_EQ(id, c.expected) << c.type << " " << c.name;
        else
            EXPECT_FALSE(id == caesar || id == emile || id == quoted) << c.type << " " << c.name;
    }
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Element"), 5);
}
