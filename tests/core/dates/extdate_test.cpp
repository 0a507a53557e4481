// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/extdate.h"
#include "dates/platformdate.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <map>

using qm::ExtDate;
namespace pd = qm::platformdate;

namespace {

// Stored events as the year completion sees them.
class FakeLookup : public qm::YearLookup
{
public:
    QString latestYear = "2001";
    qint16 latestEra = qm::EraPlain;
    std::map<std::pair<int, qint16>, double> latestInYear;

    QString LatestEventYear() const override { return latestYear; }
    qint16 LatestEventEra() const override { return latestEra; }
    std::optional<double> latestValueInYear(int storedYear, qint16 era) const override
    {
        const auto it = latestInYear.find({storedYear, era});
        if (it == latestInYear.end())
            return std::nullopt;
        return it->second;
    }
};

qm::DateEnv envWith(const FakeLookup *lookup = nullptr)
{
    return qm::DateEnv{[] { return QDate(2026, 6, 15); }, lookup};
}

ExtDate assigned(const QString &text, const qm::DateEnv &env = envWith())
{
    ExtDate d;
    d.Assign(text, env);
    return d;
}

// "era|stored ISO date|Render", or "invalid".
QString describe(const ExtDate &d)
{
    if (!d.isValid())
        return QStringLiteral("invalid");
    return QStringLiteral("%1|%2|%3").arg(d.Era).arg(pd::toIsoText(d.Value), d.Render());
}

ExtDate make(int y, int m, int d, qint16 era, int h = 0, int mi = 0, int s = 0)
{
    return ExtDate(*pd::makeValue(y, m, d, h, mi, s), era);
}

} // namespace

TEST(ExtDate, AssignReadsEveryEra)
{
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        {"7/4/1776", "0|1776-07-04|7/4/1776"},
        {"7/4", "0|2026-07-04|7/4/2026"},
        {"500 BC", "-2|9399-01-01|1/1/500 BC"},
        {"500 bce", "-2|9399-01-01|1/1/500 BC"},
        {"500BC", "-2|9399-01-01|1/1/500 BC"},
        {"  500 Bc  ", "-2|9399-01-01|1/1/500 BC"},
        {"50 AD", "-1|9949-01-01|1/1/50 AD"},
        {"50 ce", "-1|9949-01-01|1/1/50 AD"},
        // A year alone is that year, with or without its era word.
        {"1492 AD", "0|1492-01-01|1/1/1492"},
        {"1492", "0|1492-01-01|1/1/1492"},
        {"50", "-1|9949-01-01|1/1/50 AD"},
        {"c. 480 BC", "-2|9419-01-01|1/1/480 BC"},
        {"about 1200", "0|1200-01-01|1/1/1200"},
        {"September 1793", "0|1793-09-01|9/1/1793"},
        {"1/1/50 AD", "-1|9949-01-01|1/1/50 AD"},
        {"1/1/0 AD", "-1|9899-01-01|1/1/0 AD"},
        {"12/31/99 AD", "-1|9998-12-31|12/31/99 AD"},
        {"1/1/100 AD", "0|0100-01-01|1/1/100"},
        {"3/15/44 BC", "-2|9855-03-15|3/15/44 BC"},
        {"March 15, 44 BC", "-2|9855-03-15|3/15/44 BC"},
        {"1/1/2005 BC", "-2|7894-01-01|1/1/2005 BC"},
        {"1/1/05 BC", "-2|9894-01-01|1/1/5 BC"},
        {"12/31/1 BC", "-2|9898-12-31|12/31/1 BC"},
        {"9799 BC", "-2|0100-01-01|1/1/9799 BC"},
        {"9800 BC", "invalid"},
        {"1/1/00 BC", "invalid"},
        {"0 BC", "invalid"},
        {"3/15/44 10:05:00 PM BC", "-2|9855-03-15T22:05:00|3/15/44 10:05:00 PM BC"},
        {"7/4 BC", "-2|9898-07-04|7/4/1 BC"},
        {"7/4 AD", "-1|9900-07-04|7/4/1 AD"},
        {"July 4 BC", "-2|9898-07-04|7/4/1 BC"},
        // A month name and a number no month has as a day: month and year.
        {"March 44 BC", "-2|9855-03-01|3/1/44 BC"},
        {"July 76", "0|1976-07-01|7/1/1976"},
        {"May 476", "0|0476-05-01|5/1/476"},
        {"Feb 30", "invalid"},
        {"", "invalid"},
        {"13/45 BC", "invalid"},
        // Leap days follow the stored year, not the year as typed.
        {"2/29/44 BC", "invalid"},
        {"2/29/31 BC", "-2|9868-02-29|2/29/31 BC"},
        {"2/29/1 AD", "invalid"},
        {"2/29/5 AD", "-1|9904-02-29|2/29/5 AD"},
        {"2/29/1600 AD", "0|1600-02-29|2/29/1600"},
        {"2/29/1700 AD", "invalid"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(assigned(QString::fromUtf8(c.text))), QString::fromUtf8(c.expected)) << c.text;
}

TEST(ExtDate, YearAloneAndMonthDayAreCompletedFromStoredEvents)
{
    FakeLookup lookup;
    lookup.latestInYear[{9399, qm::EraBC}] = *pd::makeValue(9399, 8, 24);
    lookup.latestInYear[{9949, qm::EraEarlyAD}] = *pd::makeValue(9949, 10, 3, 14, 0, 0);
    // 29 February of a stored leap year that is not leap as typed (3 BC is stored as 9896).
    lookup.latestInYear[{9896, qm::EraBC}] = *pd::makeValue(9896, 2, 29);
    const auto env = envWith(&lookup);

    EXPECT_EQ(describe(assigned("500 BC", env)), "-2|9399-08-24|8/24/500 BC");
    EXPECT_EQ(describe(assigned("50 AD", env)), "-1|9949-10-03|10/3/50 AD");
    EXPECT_EQ(describe(assigned("3 BC", env)), "-2|9896-02-29|2/29/3 BC");
    // Another era of the same stored year is not consulted.
    EXPECT_EQ(describe(assigned("550 AD", env)), "0|0550-01-01|1/1/550");
    // A year of the plain era follows that year's latest event, without its time of day.
    lookup.latestInYear[{1795, qm::EraPlain}] = *pd::makeValue(1795, 7, 14, 0, 3, 0);
    EXPECT_EQ(describe(assigned("1795", env)), "0|1795-07-14|7/14/1795");

    lookup.latestYear = "1865";
    EXPECT_EQ(describe(assigned("7/4 BC", env)), "-2|8034-07-04|7/4/1865 BC");
    lookup.latestYear = "2001";
    EXPECT_EQ(describe(assigned("7/4 BC", env)), "-2|9898-07-04|7/4/1 BC");
    // The latest event's year as it is counted, whichever way the month and day are written.
    lookup.latestYear = "9855";
    lookup.latestEra = qm::EraBC;
    for (const char *text : {"7/4 BC", "July 4 BC", "4 July BC"})
        EXPECT_EQ(describe(assigned(QString::fromUtf8(text), env)), "-2|9855-07-04|7/4/44 BC") << text;
    lookup.latestYear = "9978";
    lookup.latestEra = qm::EraEarlyAD;
    EXPECT_EQ(describe(assigned("8/19 AD", env)), "-1|9978-08-19|8/19/79 AD");
}

TEST(ExtDate, DayFirstOrderReadsAndShowsNumericDatesOnly)
{
    auto env = envWith();
    env.order = qm::DateOrder::DayFirst;
    const struct
    {
        const char *text;
        const char *iso;
    } cases[] = {
        {"5/7/1789", "1789-07-05"},   {"15/3/44 BC", "9855-03-15"},  {"3/15/44 BC", ""},
        {"5 May 1789", "1789-05-05"}, {"May 5, 1789", "1789-05-05"}, {"25/12", "2026-12-25"},
    };
    for (const auto &c : cases) {
        const ExtDate d = assigned(QString::fromUtf8(c.text), env);
        EXPECT_EQ(d.isValid() ? pd::toIsoText(d.Value) : QString(), QString::fromUtf8(c.iso)) << c.text;
    }
    const ExtDate bc = make(9855, 3, 15, qm::EraBC, 10, 1, 0);
    EXPECT_EQ(bc.Render(qm::DateOrder::DayFirst), "15/3/44 10:01:00 AM BC");
    EXPECT_EQ(bc.Render(qm::DateOrder::MonthFirst, false), "3/15/44 BC");
    EXPECT_EQ(bc.RenderNamed(qm::DateOrder::DayFirst), "15 March 44 BC");
    EXPECT_EQ(make(1789, 5, 5, qm::EraPlain).RenderNamed(qm::DateOrder::MonthFirst), "May 5, 1789");
    EXPECT_TRUE(qm::textHasTimeOfDay(u"5/5/1789 9:05 PM"));
    EXPECT_FALSE(qm::textHasTimeOfDay(u"Matthew 5:3, 1789"));
}

TEST(ExtDate, InvalidAssignKeepsTheLastValue)
{
    ExtDate d = make(1776, 7, 4, qm::EraPlain);
    d.Assign("not a date", envWith());
    EXPECT_EQ(d.Era, qm::EraInvalid);
    EXPECT_EQ(d.Value, *pd::makeValue(1776, 7, 4));
    EXPECT_EQ(d.ExYear(), 0);
    EXPECT_EQ(d.Render(), "7/4/0");
}

TEST(ExtDate, RenderIsReadBackToTheSameDate)
{
    const ExtDate dates[] = {
        make(1776, 7, 4, qm::EraPlain, 22, 5, 0),
        make(100, 1, 1, qm::EraPlain),
        make(9999, 12, 31, qm::EraPlain),
        make(9855, 3, 15, qm::EraBC),
        make(9855, 3, 15, qm::EraBC, 6, 30, 15),
        make(9898, 12, 31, qm::EraBC),
        make(100, 1, 1, qm::EraBC),
        make(9899, 1, 1, qm::EraEarlyAD),
        make(9998, 12, 31, qm::EraEarlyAD, 23, 59, 59),
        make(9868, 2, 29, qm::EraBC),
    };
    for (const ExtDate &d : dates) {
        const ExtDate back = assigned(d.Render());
        EXPECT_EQ(describe(back), describe(d)) << d.Render().toStdString();
    }
}

TEST(ExtDate, CompareOrdersAllErasAndRefusesInvalidDates)
{
    const ExtDate bc500 = make(9399, 1, 1, qm::EraBC);
    const ExtDate bc44 = make(9855, 3, 15, qm::EraBC);
    const ExtDate ad50 = make(9949, 1, 1, qm::EraEarlyAD);
    const ExtDate ad1066 = make(1066, 10, 14, qm::EraPlain);
    const ExtDate invalid(0, qm::EraInvalid);

    EXPECT_EQ(bc500.Compare(bc44), u'<');
    EXPECT_EQ(bc44.Compare(ad50), u'<');
    EXPECT_EQ(ad50.Compare(ad1066), u'<');
    EXPECT_EQ(ad1066.Compare(bc500), u'>');
    // The shifted value of 50 AD is larger than that of 1066; the era decides first.
    EXPECT_GT(ad50.Value, ad1066.Value);
    EXPECT_EQ(ad1066.Compare(ad1066), u'=');
    EXPECT_EQ(make(1066, 10, 14, 0, 9).Compare(ad1066), u'>');
    EXPECT_EQ(invalid.Compare(ad1066), u'X');
    EXPECT_EQ(ad1066.Compare(invalid), u'X');
    EXPECT_EQ(invalid.Compare(invalid), u'X');
}

TEST(ExtDate, NextDayCrossesErasAndKeepsTheTime)
{
    const struct
    {
        ExtDate from;
        ExtDate to;
    } cases[] = {
        {make(9855, 12, 31, qm::EraBC), make(9856, 1, 1, qm::EraBC)},
        {make(2024, 2, 28, qm::EraPlain), make(2024, 2, 29, qm::EraPlain)},
        {make(2023, 2, 28, qm::EraPlain), make(2023, 3, 1, qm::EraPlain)},
        {make(1899, 12, 29, qm::EraPlain, 18, 0, 0), make(1899, 12, 30, qm::EraPlain, 18, 0, 0)},
        {make(9898, 12, 31, qm::EraBC, 10, 0, 0), make(9900, 1, 1, qm::EraEarlyAD, 10, 0, 0)},
        {make(9998, 12, 31, qm::EraEarlyAD, 8, 30, 0), make(100, 1, 1, qm::EraPlain, 8, 30, 0)},
        {make(9950, 12, 31, qm::EraEarlyAD), make(9951, 1, 1, qm::EraEarlyAD)},
        // The day the old platform left stuck moves on like any other.
        {make(9899, 12, 12, qm::EraBC), make(9899, 12, 13, qm::EraBC)},
        {make(9999, 12, 31, qm::EraPlain), make(9999, 12, 31, qm::EraPlain)},
    };
    for (const auto &c : cases) {
        ExtDate d = c.from;
        d.NextDay();
        EXPECT_EQ(describe(d), describe(c.to)) << describe(c.from).toStdString();
    }
}

TEST(ExtDate, LatestDateInYearFallsBackWhenTheYearIsNotADate)
{
    FakeLookup lookup;
    lookup.latestInYear[{1865, qm::EraPlain}] = *pd::makeValue(1865, 4, 9, 15, 0, 0);
    const auto env = envWith(&lookup);
    EXPECT_EQ(qm::LatestDateInYear("1865", qm::EraPlain, env), "4/9/1865 3:00:00 PM");
    EXPECT_EQ(qm::LatestDateInYear("1866", qm::EraPlain, env), "1/1/1866");
    EXPECT_EQ(qm::LatestDateInYear("11391", qm::EraEarlyAD, env), "7/1");
    EXPECT_EQ(qm::LatestDateInYear("99", qm::EraPlain, env), "7/1");
}
