// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/platformdate.h"
#include "store/datequeries.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pd = qm::platformdate;

namespace {

qint32 addEvent(qm::ProjectDatabase &db, const qm::ExtDate &d, const QString &name = "e")
{
    qm::SqlQuery q(db, "INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)");
    q.bind(d.Value).bind(d.Era).bind(name).exec();
    return q.lastInsertId().toInt();
}

qm::ExtDate make(int y, int m, int d, qint16 era, int h = 0)
{
    return qm::ExtDate(*pd::makeValue(y, m, d, h, 0, 0), era);
}

qm::ExtDate assigned(qmtest::TempProject &t, const QString &text)
{
    qm::ExtDate d;
    d.Assign(text, t.g.dateEnv());
    return d;
}

} // namespace

TEST(DateQueries, YearsAreCompletedFromTheStoredEvents)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    addEvent(db, make(9399, 3, 1, qm::EraBC));
    addEvent(db, make(9399, 8, 24, qm::EraBC));
    addEvent(db, make(9399, 12, 31, qm::EraBC, 12)); // after midnight of 31 December: outside the bounds
    addEvent(db, make(9399, 10, 1, qm::EraEarlyAD)); // same stored year, other era
    addEvent(db, make(1865, 4, 9, qm::EraPlain));

    EXPECT_EQ(assigned(t, "500 BC").Render(), "8/24/500 BC");
    // The latest stored year is the largest stored date, whatever its era.
    qm::ProjectYearLookup lookup(db);
    EXPECT_EQ(lookup.LatestEventYear(), "9399");
}

TEST(DateQueries, SameDateExistsIgnoresTheEventItself)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    const qm::ExtDate ides = make(9855, 3, 15, qm::EraBC);
    const qint32 id = addEvent(db, ides, "Caesar \"the dictator\" dies");

    EXPECT_FALSE(qm::SameDateExists(db, ides, id));
    EXPECT_TRUE(qm::SameDateExists(db, ides, 0));
    EXPECT_FALSE(qm::SameDateExists(db, make(9855, 3, 15, qm::EraEarlyAD), 0));
    EXPECT_FALSE(qm::SameDateExists(db, make(9855, 3, 15, qm::EraBC, 1), 0));
}

TEST(DateQueries, FirstFreeDateSkipsTakenDaysAndAlwaysEnds)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;

    qm::ExtDate free = make(1776, 7, 4, qm::EraPlain);
    qm::FirstFreeDate(db, free);
    EXPECT_EQ(free.Render(), "7/4/1776");

    // 30 and 31 December 1 BC are taken: the first free day is 1 January 1 AD.
    addEvent(db, make(9898, 12, 30, qm::EraBC));
    addEvent(db, make(9898, 12, 31, qm::EraBC));
    qm::ExtDate d = make(9898, 12, 30, qm::EraBC);
    qm::FirstFreeDate(db, d);
    EXPECT_EQ(d.Render(), "1/1/1 AD");

    // The last day of the calendar cannot move on: the search must stop there.
    addEvent(db, make(9999, 12, 31, qm::EraPlain));
    qm::ExtDate last = make(9999, 12, 31, qm::EraPlain);
    qm::FirstFreeDate(db, last);
    EXPECT_EQ(last.Render(), "12/31/9999");

    // 31 December of year 0 is followed by 1 January 1 AD.
    addEvent(db, make(9899, 12, 31, qm::EraEarlyAD));
    qm::ExtDate zero = make(9899, 12, 31, qm::EraEarlyAD);
    qm::FirstFreeDate(db, zero);
    EXPECT_EQ(zero.Render(), "1/1/1 AD");

    // An edited event may keep its own day, and is moved past the others'.
    const qint32 own = addEvent(db, make(1950, 6, 26, qm::EraPlain));
    addEvent(db, make(1950, 6, 25, qm::EraPlain));
    qm::ExtDate edited = make(1950, 6, 25, qm::EraPlain);
    qm::FirstFreeDate(db, edited, own);
    EXPECT_EQ(edited.Render(), "6/26/1950");
}

TEST(DateQueries, ATakenDayKeepsTheNewEventAfterItsOthers)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    const qm::ExtDate day = make(1789, 5, 5, qm::EraPlain);
    const auto minuteOf = [](const qm::ExtDate &d) {
        const pd::Parts p = pd::split(d.Value);
        return QStringLiteral("%1/%2 %3:%4").arg(p.month).arg(p.day).arg(p.hour).arg(p.minute);
    };

    qm::ExtDate free = day;
    EXPECT_EQ(qm::FitDateOnDay(db, free, false), qm::DateMove::Unchanged);
    addEvent(db, day);
    addEvent(db, make(1789, 5, 5, qm::EraPlain, 10)); // a time the user typed
    addEvent(db, make(9855, 5, 5, qm::EraBC));        // the same day of another era takes nothing

    // Order of entry breaks the tie, on the same day, after the typed 10:00.
    qm::ExtDate second = day;
    EXPECT_EQ(qm::FitDateOnDay(db, second, false), qm::DateMove::AfterDayEvents);
    EXPECT_EQ(minuteOf(second), "5/5 10:1");
    EXPECT_EQ(second.Render(qm::DateOrder::DayFirst, false), "5/5/1789");
    const qint32 secondId = addEvent(db, second);

    // An event being edited keeps the minute it has.
    qm::ExtDate edited = second;
    EXPECT_EQ(qm::FitDateOnDay(db, edited, false, secondId), qm::DateMove::Unchanged);

    // A typed time that is taken moves on by the minute, past every taken one.
    qm::ExtDate typed = make(1789, 5, 5, qm::EraPlain, 10);
    EXPECT_EQ(qm::FitDateOnDay(db, typed, true), qm::DateMove::NextMinute);
    EXPECT_EQ(minuteOf(typed), "5/5 10:2");
    EXPECT_FALSE(qm::dateMoveNote(qm::DateMove::NextMinute, day, typed, qm::DateOrder::DayFirst).isEmpty());

    // The last minute of a day taken: the day's earlier free minutes are used, never the next day.
    addEvent(db, make(1789, 5, 6, qm::EraPlain));
    addEvent(db, qm::ExtDate(*pd::makeValue(1789, 5, 6, 23, 59, 0), qm::EraPlain));
    qm::ExtDate late = make(1789, 5, 6, qm::EraPlain);
    EXPECT_EQ(qm::FitDateOnDay(db, late, false), qm::DateMove::AfterDayEvents);
    EXPECT_EQ(minuteOf(late), "5/6 0:1");
}
