// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/platformdate.h"

#include "qtprinters.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace pd = qm::platformdate;

namespace {

const QDate Today(2026, 6, 15);

QString iso(const QString &text)
{
    const auto v = pd::parse(text, Today);
    return v ? pd::toIsoText(*v) : QStringLiteral("refused");
}

} // namespace

TEST(PlatformDate, SerialNumbersMatchThePlatformAndGrowBefore1900)
{
    EXPECT_EQ(pd::serialOf(1899, 12, 30), 0);
    EXPECT_EQ(pd::serialOf(1900, 1, 1), 2);
    EXPECT_EQ(pd::serialOf(2001, 1, 1), 36892);
    EXPECT_EQ(pd::serialOf(100, 1, 1), pd::MinSerial);
    EXPECT_EQ(pd::serialOf(9999, 12, 31), pd::MaxSerial);
    EXPECT_EQ(pd::serialOf(9899, 12, 31), 2921941);
    EXPECT_EQ(pd::serialOf(9899, 12, 12), 2921922);

    // Before 1900 a later time of the same day must still be a larger number.
    const double morning = *pd::makeValue(1776, 7, 4, 6, 0, 0);
    const double evening = *pd::makeValue(1776, 7, 4, 22, 5, 0);
    EXPECT_LT(morning, evening);
    EXPECT_LT(evening, *pd::makeValue(1776, 7, 5));
    EXPECT_EQ(pd::toIsoText(evening), "1776-07-04T22:05:00");
}

TEST(PlatformDate, RangeAndLeapDays)
{
    EXPECT_FALSE(pd::makeValue(99, 12, 31));
    EXPECT_TRUE(pd::makeValue(100, 1, 1));
    EXPECT_TRUE(pd::makeValue(9999, 12, 31, 23, 59, 59));
    EXPECT_FALSE(pd::makeValue(10000, 1, 1));
    EXPECT_TRUE(pd::makeValue(2000, 2, 29));
    EXPECT_FALSE(pd::makeValue(1900, 2, 29));
    EXPECT_TRUE(pd::makeValue(1600, 2, 29));
    EXPECT_FALSE(pd::makeValue(2001, 2, 29));
    EXPECT_FALSE(pd::makeValue(2001, 4, 31));
    EXPECT_FALSE(pd::makeValue(2001, 1, 1, 24, 0, 0));
}

TEST(PlatformDate, DateTextHasNoLeadingZerosAndShowsTimeOnlyWhenNotMidnight)
{
    EXPECT_EQ(pd::toText(*pd::makeValue(1776, 7, 4)), "7/4/1776");
    EXPECT_EQ(pd::toText(*pd::makeValue(476, 9, 4)), "9/4/476");
    EXPECT_EQ(pd::toText(*pd::makeValue(1776, 7, 4, 22, 5, 0)), "7/4/1776 10:05:00 PM");
    EXPECT_EQ(pd::toText(*pd::makeValue(1776, 7, 4, 0, 0, 1)), "7/4/1776 12:00:01 AM");
    EXPECT_EQ(pd::toText(*pd::makeValue(1776, 7, 4, 12, 30, 0)), "7/4/1776 12:30:00 PM");
    EXPECT_EQ(pd::toIsoText(*pd::makeValue(476, 9, 4, 1, 2, 3)), "0476-09-04T01:02:03");
}

TEST(PlatformDate, DateOrderDefaultsFromTheLocale)
{
    EXPECT_EQ(qm::defaultDateOrder(QLocale(QLocale::English, QLocale::UnitedStates)), qm::DateOrder::MonthFirst);
    EXPECT_EQ(qm::defaultDateOrder(QLocale(QLocale::English, QLocale::UnitedKingdom)), qm::DateOrder::DayFirst);
    EXPECT_EQ(qm::defaultDateOrder(QLocale(QLocale::German, QLocale::Germany)), qm::DateOrder::DayFirst);
}

TEST(PlatformDate, ParserAcceptsTheDocumentedForms)
{
    const struct
    {
        const char *text;
        const char *expected;
    } cases[] = {
        // Numbers, with the year completed from today or from the two-digit window.
        {"  7/4/1776\t", "1776-07-04"},
        {"07/04/1776", "1776-07-04"},
        {"7-4-1776", "1776-07-04"},
        {"1776-07-04", "1776-07-04"},
        {"7/4", "2026-07-04"},
        {"9/4/476", "0476-09-04"},
        {"1/1/0", "2000-01-01"},
        {"1/1/29", "2029-01-01"},
        {"1/1/30", "1930-01-01"},
        // Month names, short or long, with or without their period and commas.
        {"july 4 1776", "1776-07-04"},
        {"JULY 4,1776", "1776-07-04"},
        {"Jul. 4, 1776", "1776-07-04"},
        {"Sept. 3, 1939", "1939-09-03"},
        {"4 Jul 1776", "1776-07-04"},
        {"June 6,,", "2026-06-06"},
        {"6 June", "2026-06-06"},
        {"May. 1776", "1776-05-01"},
        {"May 476", "0476-05-01"},
        {"March 15, 44", "1944-03-15"},
        // Times, midnight being no time at all.
        {"7/4/1776 10:05", "1776-07-04T10:05:00"},
        {"7/4/1776 10:05:07", "1776-07-04T10:05:07"},
        {"7/4/1776 10:05:00 PM", "1776-07-04T22:05:00"},
        {"7/4/1776 10:05pm", "1776-07-04T22:05:00"},
        {"7/4/1776 12:00:00 AM", "1776-07-04"},
        {"7/4/1776 12:15 PM", "1776-07-04T12:15:00"},
        {"July 4, 1776 9:30 am", "1776-07-04T09:30:00"},
        {"3/15/9855 22:5:0", "9855-03-15T22:05:00"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(iso(QString::fromUtf8(c.text)), QString::fromUtf8(c.expected)) << c.text;
}

TEST(PlatformDate, ParserRefusesEverythingElse)
{
    const char *refused[] = {"", "   ", "1776", "July", "10:05", "7/4/1776/1", "7/4-1776", "1776/7/4", "7 / 4 / 1776",
                             "x7/4/1776", "13/1/2000", "2/30/2000", "0/1/2000", "1/0/2000", "1/1/10000", "July 123456",
                             "Julyy 4", "Ju 4 1776", "July. 4 1776", ", July 4", "July 4 1776 1", "4 1776 July",
                             "7/4/1776 25:00", "7/4/1776 13:00 PM", "7/4/1776 10:60", "7/4/1776 PM",
                             // Eras are the extended date's business.
                             "1/1/50 AD", "500 BC"};
    for (const char *text : refused)
        EXPECT_EQ(iso(QString::fromUtf8(text)), "refused") << text;
}
