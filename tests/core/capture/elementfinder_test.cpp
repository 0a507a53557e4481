// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/elementfinder.h"
#include "capture/founddatefields.h"
#include "dates/platformdate.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

void addElement(qm::ProjectDatabase &db, const QString &type, const QString &name)
{
    qm::execSql(db, QStringLiteral("INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)"), {type, name});
}

} // namespace

TEST(FindElementsInText, ListsTheStoredNamesMetAnywhereInTheText)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    addElement(db, QStringLiteral("A"), QStringLiteral("Zeno"));
    addElement(db, QStringLiteral("A"), QStringLiteral("Ann"));
    addElement(db, QStringLiteral("A"), QStringLiteral("Caesar"));
    addElement(db, QStringLiteral("A"), QString());
    addElement(db, QStringLiteral("P"), QStringLiteral("Paris"));
    addElement(db, QStringLiteral("P"), QStringLiteral("Ærø"));
    addElement(db, QStringLiteral("P"), QStringLiteral("Straße"));
    addElement(db, QStringLiteral("K"), QStringLiteral("war"));

    const struct
    {
        QString text;
        QString type;
        QString expected;
    } cases[] = {
        // No word boundaries, and the order is the order of storing.
        {QStringLiteral("The Annual report by zeno"), QStringLiteral("A"), QStringLiteral("Zeno,Ann")},
        {QStringLiteral("ZENO met CAESAR"), QStringLiteral("A"), QStringLiteral("Zeno,Caesar")},
        {QStringLiteral("a PARISIAN street"), QStringLiteral("P"), QStringLiteral("Paris")},
        {QStringLiteral("on ærø, in the STRASSE"), QStringLiteral("P"), QStringLiteral("Ærø,Straße")},
        {QStringLiteral("the Swarm"), QStringLiteral("K"), QStringLiteral("war")},
        {QStringLiteral("Paris"), QStringLiteral("A"), QString()},
        {QStringLiteral("nobody"), QStringLiteral("A"), QString()},
        {QString(), QStringLiteral("A"), QString()},
        {QStringLiteral("Paris"), QStringLiteral("S"), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::FindElementsInText(db, c.text, c.type), c.expected) << c.text.toStdString();

    t.g.ProjectDb.close();
    EXPECT_EQ(qm::FindElementsInText(t.g.ProjectDb, QStringLiteral("Paris"), QStringLiteral("P")), QString());
}

TEST(FoundDateFields, FillsWhatTheCaptureWindowShows)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    addElement(db, QStringLiteral("A"), QStringLiteral("Caesar"));
    addElement(db, QStringLiteral("A"), QStringLiteral("Brutus"));
    addElement(db, QStringLiteral("P"), QStringLiteral("Rome"));
    addElement(db, QStringLiteral("S"), QStringLiteral("Suetonius"));
    addElement(db, QStringLiteral("K"), QStringLiteral("murder"));
    const QString text = QStringLiteral("Suetonius tells it.\r\nIn Rome on 3/15/44 BC Caesar died. Brutus fled.");
    const qsizetype first = text.indexOf(QStringLiteral("3/15/44 BC"));

    const qm::FoundDateFields f = qm::foundDateFields(db, t.g.dateEnv(), text, first, 10, false);
    EXPECT_EQ(f.txtDateLabel, QStringLiteral("3/15/44 BC"));
    EXPECT_EQ(f.txtDate, QStringLiteral("3/15/44 BC"));
    EXPECT_EQ(f.date.Era, qm::EraBC);
    EXPECT_EQ(f.context.txtShort, QStringLiteral("In Rome on 3/15/44 BC Caesar died."));
    EXPECT_EQ(f.context.txtLong, QStringLiteral("In Rome on 3/15/44 BC Caesar died. Brutus fled."));
    EXPECT_EQ(f.txtActors, QStringLiteral("Caesar,Brutus"));
    EXPECT_EQ(f.txtWhere, QStringLiteral("Rome"));
    EXPECT_EQ(f.txtSource, QString());
    EXPECT_EQ(f.txtKeyword, QString());
    EXPECT_TRUE(f.acceptEnabled);

    // With an event already on that day, Accept waits unless the date is to be advanced.
    qm::execSql(db, QStringLiteral("INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)"),
                {f.date.Value, f.date.Era, QStringLiteral("Ides")});
    EXPECT_FALSE(qm::foundDateFields(db, t.g.dateEnv(), text, first, 10, false).acceptEnabled);
    EXPECT_TRUE(qm::foundDateFields(db, t.g.dateEnv(), text, first, 10, true).acceptEnabled);
}
