// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

class QLocale;

namespace qm {

// Which comes first in a numeric date a person types or reads: 7/4/1776 or 4/7/1776. Only texts
// follow it; stored values never do.
enum class DateOrder { MonthFirst, DayFirst };

// Month first in the United States, day first everywhere else.
DateOrder defaultDateOrder(const QLocale &locale);
// "month/day/year" or "day/month/year".
QString dateOrderName(DateOrder order);

// The platform date number: days since 30 December 1899, the fraction being the time of day.
// Unlike the old platform, the number grows with time before 1900 too: the whole part is
// floor(value) and the fraction is always the positive time since that day's midnight.
namespace platformdate {

inline constexpr int MinYear = 100;
inline constexpr int MaxYear = 9999;
inline constexpr qint64 MinSerial = -657434; // 1 January 100
inline constexpr qint64 MaxSerial = 2958465; // 31 December 9999

// The English month names in lower case, January first: what dates are read by and written with.
inline constexpr std::array<const char *, 12> MonthNames = {"january",   "february", "march",    "april",
                                                            "may",       "june",     "july",     "august",
                                                            "september", "october",  "november", "december"};

struct Parts
{
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool hasTime() const { return hour != 0 || minute != 0 || second != 0; }
};

bool isLeapYear(int year);
// The month a word names ("March", "Mar", "Mar.", "Sept"), or nullopt.
// A run of ASCII digits as a number; nullopt when the view is empty, holds anything else or is too long.
std::optional<int> digitsValue(QStringView s, int maxDigits);
std::optional<int> monthNamed(QStringView word);
int daysInMonth(int year, int month);
// True when the calendar date exists and lies in the platform's range.
bool isValidDate(int year, int month, int day);

// Day serial of a calendar date (proleptic Gregorian); no range check.
qint64 serialOf(int year, int month, int day);
// Date number of a date and time; nullopt when the date or time does not exist or is out of range.
std::optional<double> makeValue(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// Calendar parts of a date number, the time rounded to the nearest second.
Parts split(double value);
// The platform's date text: m/d/yyyy without leading zeros, then " h:mm:ss AM|PM" unless midnight.
QString toText(double value, DateOrder order = DateOrder::MonthFirst);
// The numeric date of the parts with the given year, in the given order, without a time.
QString numericText(int year, int month, int day, DateOrder order);
// The date with its month named: "5 May 1789" day first, "May 5, 1789" month first.
QString namedText(int year, int month, int day, DateOrder order);
// "h:mm:ss AM|PM".
QString timeText(const Parts &p);
QString monthName(int month);
// ISO form of the calendar date: YYYY-MM-DD, then "Thh:mm:ss" unless midnight.
QString toIsoText(double value);

// Reads a whole text as a date in one of the accepted forms (see platformdate_parse.cpp);
// `today` completes forms without a year.
std::optional<double> parse(QStringView text, QDate today, DateOrder order = DateOrder::MonthFirst);
// The same reading, giving the parts. With `anyLeapDay`, 29 February passes whatever the year, for
// texts whose real year is not the one typed (dates before the common era).
std::optional<Parts> parseParts(QStringView text, QDate today, bool anyLeapDay = false,
                                DateOrder order = DateOrder::MonthFirst);

} // namespace platformdate
} // namespace qm
