// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/textsearch.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

TEST(FindInText, FindsTheNextOccurrenceWithTheWindowsOptions)
{
    const QString text = QStringLiteral("Rome fell; rome rose. Romeo, Rome_x and (Rome).");
    const struct
    {
        const char *name;
        QString text;
        QString what;
        qsizetype from;
        bool matchCase;
        bool wholeWord;
        qsizetype expected;
    } cases[] = {
        {"any case, from the start", text, QStringLiteral("rome"), 0, false, false, 0},
        {"case must match", text, QStringLiteral("rome"), 0, true, false, 11},
        {"selection + 1 skips the selected one", text, QStringLiteral("Rome"), 1, false, false, 11},
        {"second search finds the second", text, QStringLiteral("rome"), 12, false, false, 22},
        {"whole word skips Romeo and Rome_x", text, QStringLiteral("Rome"), 12, false, true, 41},
        {"whole word at the start of the text", text, QStringLiteral("ROME"), 0, false, true, 0},
        {"whole word at the end of the text", QStringLiteral("to Rome"), QStringLiteral("Rome"), 0, false, true, 3},
        {"whole word fails inside a word", QStringLiteral("Romeo"), QStringLiteral("Rome"), 0, false, true, -1},
        {"whole word next to a letter outside the BMP", QStringLiteral("Rome\U0001D400 Rome"), QStringLiteral("Rome"),
         0, false, true, 7},
        {"past the last occurrence", text, QStringLiteral("Rome"), 42, false, false, -1},
        {"from beyond the end", text, QStringLiteral("Rome"), text.size() + 1, false, false, -1},
        {"nothing to find", text, QString(), 0, false, false, -1},
        {"not there", text, QStringLiteral("Paris"), 0, false, false, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::findInText(c.text, c.what, c.from, {c.matchCase, c.wholeWord}), c.expected) << c.name;
}

TEST(ReplaceText, ReplacesExactlyAndAlwaysEnds)
{
    const struct
    {
        QString text;
        QString what;
        QString replacement;
        QString first;
        QString all;
    } cases[] = {
        {QStringLiteral("banana"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("bbnana"),
         QStringLiteral("bbnbnb")},
        {QStringLiteral("banana"), QStringLiteral("a"), QStringLiteral("aa"), QStringLiteral("baanana"),
         QStringLiteral("baanaanaa")},
        {QStringLiteral("aaaa"), QStringLiteral("aa"), QStringLiteral("a"), QStringLiteral("aaa"),
         QStringLiteral("aa")},
        // Letter case always counts here.
        {QStringLiteral("Rome rome"), QStringLiteral("rome"), QStringLiteral("X"), QStringLiteral("Rome X"),
         QStringLiteral("Rome X")},
        {QStringLiteral("Rome"), QStringLiteral("Paris"), QStringLiteral("X"), QStringLiteral("Rome"),
         QStringLiteral("Rome")},
        {QStringLiteral("Rome"), QString(), QStringLiteral("X"), QStringLiteral("Rome"), QStringLiteral("Rome")},
        {QStringLiteral("a-b-c"), QStringLiteral("-"), QString(), QStringLiteral("ab-c"), QStringLiteral("abc")},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(qm::replaceFirst(c.text, c.what, c.replacement), c.first) << c.text.toStdString();
        EXPECT_EQ(qm::replaceAll(c.text, c.what, c.replacement), c.all) << c.text.toStdString();
    }
}
