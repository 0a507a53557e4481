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
    qm::execSql(db, "INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)", {type, name});
}

} // namespace

TEST(FindElementsInText, ListsTheStoredNamesMetAnywhereInTheText)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    addElement(db, "A", "Zeno");
    addElement(db, "A", "Ann");
    addElement(db, "A", "Caesar");
    addElement(db, "A", QString());
    addElement(db, "P", "Paris");
    addElement(db, "P", "Ærø");
    addElement(db, "P", "Straße");
    addElement(db, "K", "war");

    const struct
    {
        QString text;
        QString type;
        QString expected;
    } cases[] = {
        // No word boundaries, and the order is the order of storing.
        {"The Annual report by zeno", "A", "Zeno,Ann"},
        {"ZENO met CAESAR", "A", "Zeno,Caesar"},
        {"a PARISIAN street", "P", "Paris"},
        {"on ærø, in the STRASSE", "P", "Ærø,Straße"},
        {"the Swarm", "K", "war"},
        {"Paris", "A", QString()},
        {QString(), "A", QString()},
        {"Paris", "S", QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::FindElementsInText(db, c.text, c.type), c.expected) << c.text.toStdString();

    t.g.ProjectDb.close();
    EXPECT_EQ(qm::FindElementsInText(t.g.ProjectDb, "Paris", "P"), QString());
}

TEST(FoundDateFields, FillsWhatTheCaptureWindowShows)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    addElement(db, "A", "Caesar");
    addElement(db, "A", "Brutus");
    addElement(db, "P", "Rome");
    addElement(db, "S", "Suetonius");
    addElement(db, "K", "murder");
    const QString text = "Suetonius tells it.\r\nIn Rome on 3/15/44 BC Caesar died. Brutus fled.";
    const qm::FoundDates found = qm::ScanDates(text, t.g.dateEnv());
    ASSERT_EQ(found.size(), 1);

    const qm::FoundDateFields f = qm::foundDateFields(db, text, found[0], false);
    EXPECT_EQ(f.txtDateLabel, "3/15/44 BC");
    EXPECT_EQ(f.txtDate, "3/15/44 BC");
    EXPECT_EQ(f.date.Era, qm::EraBC);
    EXPECT_EQ(f.context.txtShort, "In Rome on 3/15/44 BC Caesar died.");
    EXPECT_EQ(f.context.txtLong, "In Rome on 3/15/44 BC Caesar died. Brutus fled.");
    EXPECT_EQ(f.txtShort, "In Rome Caesar died");
    // The date's sentence names its actors; the paragraph's are for a sentence that names none.
    EXPECT_EQ(f.txtActors, "Caesar");
    EXPECT_EQ(f.txtWhere, "Rome");
    EXPECT_EQ(f.txtSource, QString());
    EXPECT_EQ(f.txtKeyword, QString());
    EXPECT_TRUE(f.acceptEnabled);

    // With an event already on that day, Accept waits unless the date is to be advanced.
    qm::execSql(db, "INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)",
                {f.date.Value, f.date.Era, "Ides"});
    EXPECT_FALSE(qm::foundDateFields(db, text, found[0], false).acceptEnabled);
    EXPECT_TRUE(qm::foundDateFields(db, text, found[0], true).acceptEnabled);
    // One named as this date proposes is this date's event: in the project, never accepted again.
    qm::execSql(db, "INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)",
                {f.date.Value + 1.0, f.date.Era, "In Rome Caesar died"});
    const qm::FoundDateFields again = qm::foundDateFields(db, text, found[0], true);
    EXPECT_TRUE(again.inProject);
    EXPECT_FALSE(again.acceptEnabled);
}
