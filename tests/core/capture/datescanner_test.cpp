// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/datepattern.h"
#include "capture/datescanner.h"
#include "dates/platformdate.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace pd = qm::platformdate;

namespace {

// "offset:phrase=date as shown" of every found date, joined by "|".
QString describe(const qm::FoundDates &found)
{
    QStringList parts;
    for (const qm::FoundDate &f : found)
        parts << QStringLiteral("%1:%2=%3").arg(f.FirstIndex).arg(f.Value, f.Date.Render());
    return parts.join(u'|');
}

void addEvent(qm::ProjectDatabase &db, int y, int m, int d, qint16 era)
{
    qm::execSql(db, "INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)",
                {*pd::makeValue(y, m, d), era, "e"});
}

// Stored events that cannot be read: every year completion fails as a broken database would.
class BrokenLookup : public qm::YearLookup
{
public:
    QString LatestEventYear() const override { throw qm::StoreError("disk gone"); }
    std::optional<double> latestValueInYear(int, qint16) const override { throw qm::StoreError("disk gone"); }
};

} // namespace

TEST(ScanDates, KeepsOnlyThePhrasesThatReadAsDates)
{
    qmtest::TempProject t; // today is 15 June 2026, no events
    const struct
    {
        QString text;
        QString expected;
    } cases[] = {
        {"12/25/1990 and 7/4", "0:12/25/1990=12/25/1990|15:7/4=7/4/2026"},
        {"about 50 BC, 500 BC", "6:50 BC=1/1/50 BC|13:500 BC=1/1/500 BC"},
        // A year alone needs an era word.
        {"in 1492 he", QString()},
        {"in 1492 AD he", "3:1492 AD=7/1/1492"},
        {"in 50 AD he", "3:50 AD=1/1/50 AD"},
        // Month and day with an era take the latest stored year (none: 2001).
        {"7/4 BC", "0:7/4 BC=7/4/1 BC"},
        {"March 15 was", "0:March 15 =3/15/2026"},
        // Matched, but not dates.
        {"Janx 5 1900, 13/45/1990, 9800 BC", QString()},
        // The month form reads a three-digit year two digits at a time; the rest is a year of its own.
        {"December 25, 800 AD", "0:December 25, 80=12/25/1980|15:0 AD=1/1/0 AD"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(qm::ScanDates(c.text, t.g.dateEnv())), c.expected) << c.text.toStdString();
}

TEST(ScanDates, CompletesYearsFromTheProjectsEvents)
{
    qmtest::TempProject t;
    addEvent(t.g.ProjectDb, 899, 8, 24, qm::EraBC); // 24 August 9000 BC
    addEvent(t.g.ProjectDb, 1865, 4, 9, qm::EraPlain);
    EXPECT_EQ(describe(qm::ScanDates("Ur in 9000 BC; on 7/4 BC; in 1865 alone.", t.g.dateEnv())),
              "6:9000 BC=8/24/9000 BC|18:7/4 BC=7/4/1865 BC");
}

TEST(ScanDates, SkipsPhrasesWhoseReadingFails)
{
    const BrokenLookup broken;
    const qm::DateEnv env{[] { return QDate(2026, 6, 15); }, &broken};
    // Years alone need the stored events and fail; whole dates do not ask them.
    EXPECT_EQ(describe(qm::ScanDates("500 BC, then 7/4/1776, then 7/4 BC, then July 4, 1776", env)),
              "13:7/4/1776=7/4/1776|41:July 4, 1776=7/4/1776");
}
