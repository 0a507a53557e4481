// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datescanner.h"

#include "dateranges.h"
#include "datereader.h"
#include "store/storeerror.h"
#include "writingdate.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace qm {

namespace {

using datewords::Era;
namespace pd = platformdate;

// How far a year in the middle of a sentence may take the narrative on.
constexpr int MidSentenceStep = 2;

// Progress is told at most this often, in characters.
constexpr qsizetype ProgressStep = 256 * 1024;

QString eraSuffix(Era era)
{
    switch (era) {
    case Era::BC:
        return QStringLiteral(" BC");
    case Era::AD:
        return QStringLiteral(" AD");
    default:
        return {};
    }
}

QString eraSuffix(qint16 era)
{
    return era == EraBC ? eraSuffix(Era::BC) : era == EraEarlyAD ? eraSuffix(Era::AD) : QString();
}

// The year as typed: a two-digit year stays two digits, so that the platform widens it as it always does.
QString yearText(const DatePhrase &d)
{
    if (d.yearDigits == 2 && d.era == Era::None)
        return QStringLiteral("%1").arg(d.year, 2, 10, QLatin1Char('0'));
    return QString::number(d.year);
}

struct Narrative
{
    int year = 0;
    qint16 era = EraPlain;
};

// The phrase in the program's own date form, which Assign reads; empty when it cannot be completed.
QString dateText(DatePhrase d, const std::optional<Narrative> &narrative, int narrativeMonth)
{
    if (d.month == 0 && d.year == 0) {
        // "the 5th": a day of the month the text is in.
        if (narrativeMonth == 0)
            return {};
        d.month = narrativeMonth;
    }
    if (d.month == 0)
        return QString::number(d.year) + eraSuffix(d.era == Era::BC ? Era::BC : Era::AD);
    const QString monthDay = QStringLiteral("%1/%2").arg(d.month).arg(std::max(d.day, 1));
    if (d.year != 0)
        return monthDay + u'/' + yearText(d) + eraSuffix(d.era);
    // "7/4 BC" in a narrative of AD years keeps the era the text gave it.
    const bool sameEra = d.era == Era::None || (d.era == Era::BC) == (narrative && narrative->era == EraBC);
    if (narrative && sameEra)
        return monthDay + u'/' + QString::number(narrative->year) + eraSuffix(narrative->era);
    return monthDay + eraSuffix(d.era);
}

// Easter Sunday of a year as its calendar had it: the Julian reckoning up to 1582, the Gregorian after.
std::pair<int, int> easterOf(int year)
{
    if (year <= 1582) {
        const int a = year % 4;
        const int b = year % 7;
        const int c = year % 19;
        const int d = (19 * c + 15) % 30;
        const int e = (2 * a + 4 * b - d + 34) % 7;
        const int f = d + e + 114;
        return {f / 31, f % 31 + 1};
    }
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = (19 * a + b - b / 4 - (8 * b + 13) / 25 + 15) % 30;
    const int e = (32 + 2 * (b % 4) + 2 * (c / 4) - d - c % 4) % 7;
    const int f = d + e - 7 * ((a + 11 * d + 22 * e) / 451) + 114;
    return {f / 31, f % 31 + 1};
}

// Gives a feast its month and day in its year; false for Easter before the common era.
bool placeFeast(DatePhrase &d, const std::optional<Narrative> &narrative)
{
    switch (d.feast) {
    case Feast::Christmas:
        d.month = 12;
        d.day = 25;
        return true;
    case Feast::ChristmasEve:
        d.month = 12;
        d.day = 24;
        return true;
    case Feast::NewYearsDay:
        d.month = 1;
        d.day = 1;
        return true;
    case Feast::NewYearsEve:
        d.month = 12;
        d.day = 31;
        return true;
    case Feast::Easter: {
        const bool bc = d.year != 0 ? d.era == Era::BC : narrative && narrative->era == EraBC;
        const int year = d.year != 0 ? d.year : narrative ? narrative->year : 0;
        if (bc || year < 1)
            return false;
        std::tie(d.month, d.day) = easterOf(year);
        return true;
    }
    case Feast::None:
        break;
    }
    return true;
}

// The year as counted on a line through the eras: 44 BC is -44.
int lineYear(int year, qint16 era)
{
    return era == EraBC ? -year : year;
}

// A year that opens its sentence or heads a section moves the narrative; one in the middle of a
// sentence only when it goes on a little from where the story is ("in 1793" after 1792), not when it
// looks back ("had met, in 1614") or far ahead ("found in 2004").
bool movesNarrative(const DatePhrase &d, const ExtDate &date, const std::optional<Narrative> &narrative)
{
    if (!d.narrates)
        return false;
    if (d.opens || !narrative)
        return true;
    const int step = lineYear(date.ExYear(), date.Era) - lineYear(narrative->year, narrative->era);
    return step >= 0 && step <= MidSentenceStep;
}

std::optional<ExtDate> countFrom(const DatePhrase &d, const std::optional<ExtDate> &lastDay,
                                 const std::optional<Narrative> &narrative, const DateEnv &env)
{
    if (d.step == datewords::Step::Days) {
        if (!lastDay || d.stepCount < -31)
            return std::nullopt;
        ExtDate date = *lastDay;
        for (int i = 0; i < d.stepCount; ++i)
            date.NextDay();
        for (int i = 0; i > d.stepCount; --i) {
            // The shifted years run the same way as the days; only year 0 gives way to 1 BC, and the
            // first day of year 100 to the last of 99 AD.
            if (date.Era == EraPlain && pd::split(date.Value).year == pd::MinYear &&
                std::floor(date.Value) == static_cast<double>(pd::MinSerial))
                return std::nullopt;
            date.Value -= 1.0;
            if (date.Era == EraEarlyAD && pd::split(date.Value).year < 9899)
                date.Era = EraBC;
        }
        return date;
    }
    if (!narrative)
        return std::nullopt;
    // Years before the common era count down.
    const int direction = narrative->era == EraBC ? -1 : 1;
    const int year = narrative->year + direction * d.stepCount;
    if (year < 1)
        return std::nullopt;
    ExtDate date;
    try {
        date.Assign(QString::number(year) + (narrative->era == EraBC ? QStringLiteral(" BC") : QStringLiteral(" AD")),
                    env);
    } catch (const StoreError &) {
        return std::nullopt;
    }
    if (!date.isValid())
        return std::nullopt;
    return date;
}

// The end of a range the phrase itself runs to ("1914-18", "3-5 May"): the last day it covers, when
// it lies after the phrase's date.
std::optional<ExtDate> endOfPhrase(DatePhrase e, const std::optional<Narrative> &yearOf, int narrativeMonth,
                                   const FoundDate &start, const DateEnv &env)
{
    if (e.endYear != 0) {
        e.year = e.endYear;
        if (e.yearDigits == 2 && e.year >= 100)
            e.yearDigits = 4;
    }
    if (e.endDay != 0)
        e.day = e.endDay;
    ExtDate end;
    try {
        const QString typed = dateText(e, yearOf, narrativeMonth);
        if (typed.isEmpty())
            return std::nullopt;
        end.Assign(typed, env);
    } catch (const StoreError &) {
        return std::nullopt;
    }
    if (!end.isValid() || end.Compare(start.Date) != u'>')
        return std::nullopt;
    return lastDayOf(end, start.precision);
}

// Makes `first` run to `second` when the text between makes them one period and the second is later.
// `firstDay` is the day of a first date that named no month ("from the 13th to the 19th of October"),
// which takes the second's month; a first month without a year takes the year the second names
// ("between March and April 1918") when it stays before it.
bool joinRange(const QString &text, FoundDate &first, int firstDay, const FoundDate &second)
{
    if (second.End || !joinsRange(text, first.FirstIndex, first.FirstIndex + first.Length, second.FirstIndex))
        return false;
    ExtDate start = first.Date;
    const pd::Parts end = pd::split(second.Date.Value);
    if (firstDay != 0 && second.precision != FoundDate::Precision::Year) {
        const std::optional<ExtDate> inMonth = dateInYearOf(second.Date, end.month, firstDay);
        if (!inMonth)
            return false;
        start = *inMonth;
    } else if (!first.ownYear && second.ownYear && first.precision != FoundDate::Precision::Year) {
        const pd::Parts p = pd::split(first.Date.Value);
        if (const std::optional<ExtDate> inYear = dateInYearOf(second.Date, p.month, p.day);
            inYear && second.Date.Compare(*inYear) == u'>')
            start = *inYear;
    }
    // "from 28 December 1999 to 2 January": an end without a year of its own that falls before its
    // start is in the year after.
    ExtDate last = second.Date;
    if (first.ownYear && !second.ownYear && last.Era == EraPlain && last.Compare(start) != u'>') {
        const pd::Parts e = pd::split(last.Value);
        if (const std::optional<double> next = pd::makeValue(e.year + 1, e.month, e.day))
            last = ExtDate(*next, last.Era);
    }
    if (last.Compare(start) != u'>')
        return false;
    first.Date = start;
    first.End = lastDayOf(last, second.precision);
    first.Length = second.FirstIndex + second.Length - first.FirstIndex;
    first.Value = text.mid(first.FirstIndex, first.Length);
    return true;
}

} // namespace

FoundDates ScanDates(const QString &text, const DateEnv &userEnv, const ScanProgress &progress, QDate written)
{
    // The phrases are rewritten month first below; only the text's own numeric dates follow the user.
    DateEnv env = userEnv;
    env.order = DateOrder::MonthFirst;
    FoundDates found;
    DateReader reader(text);
    std::optional<Narrative> narrative;
    // A report's dates without a year are of the time it was written until it names another year.
    const QDate writtenOn = written.isValid() ? written : WritingDateOf(text, userEnv.order);
    if (writtenOn.isValid())
        narrative = Narrative{writtenOn.year(), EraPlain};
    int narrativeMonth = 0;
    // The latest date that named its day, from which "the next day" counts.
    std::optional<ExtDate> lastDay;
    // The found date a range may start at: the last one, a plain date without an end of its own (-1
    // when there is none), and its day when it named no month.
    qsizetype rangeStart = -1;
    int rangeStartDay = 0;
    qsizetype reported = 0;
    while (std::optional<DatePhrase> d = reader.next()) {
        // A first number over 12 is a day whatever the order.
        if (d->numeric && (userEnv.order == DateOrder::DayFirst || d->month > 12) && d->day <= 12)
            std::swap(d->month, d->day);
        if (progress && reader.position() - reported >= ProgressStep) {
            reported = reader.position();
            if (!progress(reported, text.size()))
                return found;
        }
        ExtDate date;
        if (d->step == datewords::Step::WritingDays || d->step == datewords::Step::Weekday) {
            if (!writtenOn.isValid())
                continue;
            const QDate day = d->step == datewords::Step::Weekday ? WeekdayFrom(writtenOn, d->weekday, d->direction)
                                                                  : writtenOn.addDays(d->stepCount);
            try {
                date.Assign(QStringLiteral("%1/%2/%3").arg(day.month()).arg(day.day()).arg(day.year()), env);
            } catch (const StoreError &) {
                continue;
            }
            lastDay = date;
            found.append({d->start,
                          d->end - d->start,
                          text.mid(d->start, d->end - d->start),
                          date,
                          FoundDate::Precision::Day,
                          false,
                          {}});
            continue;
        }
        if (d->step != datewords::Step::None) {
            const std::optional<ExtDate> counted = countFrom(*d, lastDay, narrative, env);
            if (!counted)
                continue;
            date = *counted;
            if (d->step == datewords::Step::Days)
                lastDay = date;
            else if (movesNarrative(*d, date, narrative))
                narrative = Narrative{date.ExYear(), date.Era};
            const qsizetype length = d->end - d->start;
            const auto precision =
                d->step == datewords::Step::Days ? FoundDate::Precision::Day : FoundDate::Precision::Year;
            found.append({d->start, length, text.mid(d->start, length), date, precision, false, {}});
            continue;
        }
        if ((d->needsNarrative && !narrative) || !placeFeast(*d, narrative))
            continue;
        if (d->shortYear) {
            // The latest year ending in those two digits that is not after the narrative's.
            if (narrative->era == EraBC)
                continue;
            d->year = narrative->year - ((narrative->year - d->year) % 100 + 100) % 100;
            d->yearDigits = 4;
        }
        std::optional<Narrative> yearOf = narrative;
        if (d->year == 0 && d->month != 0 && d->era == Era::None && writtenOn.isValid() && narrative &&
            narrative->era == EraPlain && narrative->year == writtenOn.year())
            yearOf->year = NearestYear(writtenOn, d->month, std::max(d->day, 1));
        try {
            const QString typed = dateText(*d, yearOf, narrativeMonth);
            if (typed.isEmpty())
                continue;
            date.Assign(typed, env);
        } catch (const StoreError &) {
            continue;
        }
        if (!date.isValid())
            continue;
        if (writtenOn.isValid() && d->day != 0 && d->year != 0)
            d->opens = d->wholeDateOpens;
        if (d->year != 0 && movesNarrative(*d, date, narrative))
            narrative = Narrative{date.ExYear(), date.Era};
        if (d->month != 0)
            narrativeMonth = d->month;
        const qsizetype length = d->end - d->start;
        const auto precision = d->day != 0 || (d->month == 0 && d->year == 0) ? FoundDate::Precision::Day
                               : d->month != 0                                ? FoundDate::Precision::Month
                                                                              : FoundDate::Precision::Year;
        FoundDate f{d->start, length, text.mid(d->start, length), date, precision, d->year != 0, {}};
        if (d->endYear != 0 || d->endDay != 0)
            f.End = endOfPhrase(*d, yearOf, narrativeMonth, f, env);
        // "The next day" after a period counts from its last day.
        if (d->day != 0)
            lastDay = f.End && precision == FoundDate::Precision::Day ? *f.End : date;
        if (rangeStart >= 0 && rangeStart == found.size() - 1 && joinRange(text, found.back(), rangeStartDay, f)) {
            rangeStart = -1;
            continue;
        }
        found.append(f);
        rangeStart = f.End ? -1 : found.size() - 1;
        rangeStartDay = d->month == 0 && d->year == 0 ? d->day : 0;
    }
    return found;
}

QString FoundDate::shownText(DateOrder order) const
{
    if (ownYear && !End)
        return Value.simplified();
    const QString era = Date.Era == EraBC        ? QStringLiteral(" BC")
                        : Date.Era == EraEarlyAD ? QStringLiteral(" AD")
                                                 : QString();
    const platformdate::Parts p = platformdate::split(Date.Value);
    switch (precision) {
    case Precision::Year:
        return QString::number(Date.ExYear()) + era;
    case Precision::Month:
        return platformdate::monthName(p.month) + u' ' + QString::number(Date.ExYear()) + era;
    default:
        return Date.RenderNamed(order);
    }
}

} // namespace qm
