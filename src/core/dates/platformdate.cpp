// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Calendar arithmetic of the platform date number and the texts it is written as.
#include "platformdate.h"

#include <QLocale>

#include <array>
#include <cmath>

namespace qm {

DateOrder defaultDateOrder(const QLocale &locale)
{
    return locale.territory() == QLocale::UnitedStates ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

QString dateOrderName(DateOrder order)
{
    return order == DateOrder::DayFirst ? QStringLiteral("day/month/year") : QStringLiteral("month/day/year");
}

} // namespace qm

namespace qm::platformdate {

namespace {

// Days from 1 January 1970 of a proleptic Gregorian date (H. Hinnant's civil calendar arithmetic).
qint64 daysFromCivil(qint64 y, unsigned m, unsigned d)
{
    y -= m <= 2 ? 1 : 0;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<qint64>(doe) - 719468;
}

void civilFromDays(qint64 z, int &year, int &month, int &day)
{
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 y = static_cast<qint64>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2 ? 1 : 0));
}

// 30 December 1899 counted from 1 January 1970.
constexpr qint64 Epoch = -25569;

} // namespace

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> Days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : Days[static_cast<size_t>(month - 1)];
}

bool isValidDate(int year, int month, int day)
{
    return year >= MinYear && year <= MaxYear && day >= 1 && day <= daysInMonth(year, month);
}

qint64 serialOf(int year, int month, int day)
{
    return daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - Epoch;
}

std::optional<double> makeValue(int year, int month, int day, int hour, int minute, int second)
{
    if (!isValidDate(year, month, day) || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59)
        return std::nullopt;
    const int seconds = hour * 3600 + minute * 60 + second;
    return static_cast<double>(serialOf(year, month, day)) + seconds / 86400.0;
}

Parts split(double value)
{
    Parts p;
    // Numbers from a file made elsewhere can lie anywhere; outside the calendar they have no parts.
    if (!std::isfinite(value) || value < static_cast<double>(MinSerial) || value >= static_cast<double>(MaxSerial + 1))
        return p;
    auto day = static_cast<qint64>(std::floor(value));
    auto seconds = static_cast<qint64>(std::llround((value - static_cast<double>(day)) * 86400.0));
    if (seconds >= 86400) {
        ++day;
        seconds -= 86400;
    }
    civilFromDays(day + Epoch, p.year, p.month, p.day);
    p.hour = static_cast<int>(seconds / 3600);
    p.minute = static_cast<int>(seconds / 60 % 60);
    p.second = static_cast<int>(seconds % 60);
    return p;
}

QString numericText(int year, int month, int day, DateOrder order)
{
    const QString m = QString::number(month);
    const QString d = QString::number(day);
    return (order == DateOrder::DayFirst ? d + u'/' + m : m + u'/' + d) + u'/' + QString::number(year);
}

QString monthName(int month)
{
    if (month < 1 || month > 12)
        return {};
    QString name = QString::fromLatin1(MonthNames[static_cast<size_t>(month - 1)]);
    name[0] = name[0].toUpper();
    return name;
}

QString namedText(int year, int month, int day, DateOrder order)
{
    if (order == DateOrder::DayFirst)
        return QStringLiteral("%1 %2 %3").arg(day).arg(monthName(month)).arg(year);
    return QStringLiteral("%1 %2, %3").arg(monthName(month)).arg(day).arg(year);
}

QString timeText(const Parts &p)
{
    const int h12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
    return QStringLiteral("%1:%2:%3 %4")
        .arg(h12)
        .arg(p.minute, 2, 10, QChar(u'0'))
        .arg(p.second, 2, 10, QChar(u'0'))
        .arg(p.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString toText(double value, DateOrder order)
{
    const Parts p = split(value);
    QString s = numericText(p.year, p.month, p.day, order);
    if (p.hasTime())
        s += u' ' + timeText(p);
    return s;
}

QString toIsoText(double value)
{
    const Parts p = split(value);
    QString s = QStringLiteral("%1-%2-%3")
                    .arg(p.year, 4, 10, QChar(u'0'))
                    .arg(p.month, 2, 10, QChar(u'0'))
                    .arg(p.day, 2, 10, QChar(u'0'));
    if (p.hasTime()) {
        s += QStringLiteral("T%1:%2:%3")
                 .arg(p.hour, 2, 10, QChar(u'0'))
                 .arg(p.minute, 2, 10, QChar(u'0'))
                 .arg(p.second, 2, 10, QChar(u'0'));
    }
    return s;
}

} // namespace qm::platformdate
