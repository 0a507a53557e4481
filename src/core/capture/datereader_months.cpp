// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dates that name their month: "June 22, 1941", "22 June 1941", "June 1941", "October, 1917",
// "AD 79", with the year that follows them or that a range borrows from its end.
#include "datereader.h"

#include <QString>

namespace qm {

namespace dw = datewords;

namespace {

// "Feb." takes its period; "May." ends a sentence.
bool isAbbreviation(QStringView month)
{
    return (month.size() == 3 && month.compare(u"may", Qt::CaseInsensitive) != 0) ||
           month.compare(u"sept", Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<DatePhrase> DateReader::fromWord(qsizetype start, qsizetype wordEnd)
{
    const QStringView word = t.mid(start, wordEnd - start);
    if (word.size() <= 2 && t[start] == u'A') {
        // "AD 79", "A.D. 79"
        const dw::EraWord era = dw::eraAt(t, start, true);
        if (era.era == dw::Era::None)
            return relative(start, word);
        const Number year = numberAt(blanksEnd(start + era.length, false));
        if (year.digits == 0 || year.digits > 4 || year.value < 1 || !standsAlone(year, false) ||
            countFollows(year.end, true))
            return std::nullopt;
        DatePhrase d;
        d.start = start;
        d.end = year.end;
        d.year = year.value;
        d.yearDigits = year.digits;
        d.era = dw::Era::AD;
        // "AD 79-81", "AD 14 – 37": a range whose end is of its start's era.
        if (const qsizetype q = blanksEnd(year.end, false); q < t.size() && isDash(t[q])) {
            const Number last = numberAt(blanksEnd(q + 1, false));
            if (last.digits > 0 && last.digits <= year.digits && last.value > year.value && standsAlone(last, false) &&
                !countFollows(last.end, false)) {
                d.end = last.end;
                d.endYear = last.value;
            }
        }
        return d;
    }
    const int month = dw::monthNumber(word);
    if (month == 0) {
        if (auto d = feast(start, word))
            return d;
        if (auto d = writingDay(start, word))
            return d;
        return relative(start, word);
    }
    qsizetype after = wordEnd;
    if (isAbbreviation(word) && after < t.size() && t[after] == u'.')
        ++after;
    if (auto d = monthFirst(start, after, month))
        return d;
    return monthAlone(start, wordEnd, month);
}

std::optional<DatePhrase> DateReader::monthFirst(qsizetype start, qsizetype afterMonth, int month)
{
    // A capital is wanted where the month is read with a year alone: "may 1940" is not a date.
    const bool capital = t[start].isUpper();
    if (capital && afterMonth < t.size() && t[afterMonth] == u',') {
        // "October, 1917"
        const Number y = numberAt(blanksEnd(afterMonth + 1, false));
        if (y.digits == 4 && standsAlone(y, false) && !countFollows(y.end, false)) {
            DatePhrase d;
            d.start = start;
            d.month = month;
            d.year = y.value;
            d.yearDigits = y.digits;
            d.end = y.end;
            return d;
        }
    }
    qsizetype q = blanksEnd(afterMonth);
    if (q == afterMonth && t[afterMonth - 1] != u'.')
        return std::nullopt;
    if (capital && wordAt(q) == u"of")
        q = blanksEnd(q + 2);
    Number n = numberAt(q);
    if (!standsAlone(n, true))
        return std::nullopt;
    DatePhrase d;
    d.start = start;
    d.month = month;
    const bool afterOf = q != blanksEnd(afterMonth);
    if (!afterOf && n.digits <= 2 && n.value >= 1 && n.value <= 31) {
        d.day = n.value;
        d.end = rangeEnd(ordinalEnd(n), start, &d.endDay);
        readYearAfter(d, d.end);
        borrowYear(d);
        return d;
    }
    if (!capital || n.digits < 2 || n.digits > 4 || ordinalEnd(n) != n.end)
        return std::nullopt;
    // Month and year: "June 1941", "March 44 BC", "May of 1789".
    d.year = n.value;
    d.yearDigits = n.digits;
    d.end = n.end;
    const qsizetype e = blanksEnd(n.end, false);
    if (const dw::EraWord era = dw::eraAt(t, e); era.era != dw::Era::None) {
        d.era = era.era;
        d.end = e + era.length;
        return d;
    }
    if (countFollows(n.end, n.digits < 4))
        return std::nullopt;
    if (d.year < 1000)
        d.era = narrativeEra();
    return d;
}

void DateReader::readYearAfter(DatePhrase &d, qsizetype from) const
{
    qsizetype q = blanksEnd(from, false);
    if (q < t.size() && t[q] == u',') {
        q = blanksEnd(q + 1, false);
    } else if (q > from && wordAt(q) == u"of") {
        q = blanksEnd(q + 2, false);
        // "June 5 of that year": the narrative's year, the phrase running to its end.
        const QStringView which = wordAt(q);
        if (which == u"that" || which == u"the") {
            qsizetype r = blanksEnd(q + which.size(), false);
            if (wordAt(r) == u"same")
                r = blanksEnd(r + 4, false);
            if (wordAt(r) == u"year")
                d.end = r + 4;
            return;
        }
    }
    if (q == from)
        return;
    const Number y = numberAt(q);
    if (y.digits == 0 || y.digits > 4 || !standsAlone(y, false) || ordinalEnd(y) != y.end)
        return;
    const qsizetype e = blanksEnd(y.end, false);
    if (const dw::EraWord era = dw::eraAt(t, e); era.era != dw::Era::None) {
        if (y.value < 1)
            return;
        d.year = y.value;
        d.yearDigits = y.digits;
        d.era = era.era;
        d.end = e + era.length;
        return;
    }
    // Without an era a one-digit number is never a year, and a short one may be a count: "on 4 July 80 men".
    if (y.digits == 1 || countFollows(y.end, y.digits < 4))
        return;
    if (y.end < t.size() && t[y.end] == u':')
        return;
    d.year = y.value;
    d.yearDigits = y.digits;
    d.end = y.end;
    if (d.year < 1000 && y.digits != 2)
        d.era = narrativeEra();
    else if (y.digits == 2 && mNarrativeEra == dw::Era::BC)
        d.era = dw::Era::BC;
}

std::optional<DatePhrase> DateReader::dayFirst(const Number &day)
{
    // "22 June 1941", "22nd June", "the 22nd of June, 1941", "5-9 March", "4 Feb. 1945"
    int endDay = 0;
    const qsizetype afterDay = rangeEnd(ordinalEnd(day), day.start, &endDay);
    qsizetype q = blanksEnd(afterDay);
    if (q == afterDay)
        return std::nullopt;
    if (wordAt(q) == u"of")
        q = blanksEnd(q + 2);
    const QStringView word = wordAt(q);
    const int month = dw::monthNumber(word);
    // "1 may say": a month after a day is written with a capital.
    if (month == 0 || !word.front().isUpper())
        return std::nullopt;
    DatePhrase d;
    d.start = day.start;
    d.day = day.value;
    d.endDay = endDay;
    d.month = month;
    d.end = q + word.size();
    if (isAbbreviation(word) && d.end < t.size() && t[d.end] == u'.')
        ++d.end;
    readYearAfter(d, d.end);
    borrowYear(d);
    return d;
}

void DateReader::borrowYear(DatePhrase &d)
{
    if (d.year != 0 || mLookingAhead)
        return;
    qsizetype q = blanksEnd(d.end, false);
    if (q < t.size() && isDash(t[q])) {
        ++q;
    } else {
        const QStringView w = wordAt(q);
        if (w != u"to" && w != u"and" && w != u"until" && w != u"till")
            return;
        q += w.size();
    }
    q = blanksEnd(q, false);
    std::optional<DatePhrase> partner;
    // The partner is read without its own look ahead, so that a chain of ranges stays one step deep.
    mLookingAhead = true;
    if (isDigit(q)) {
        const Number n = numberAt(q);
        if (n.digits <= 2 && n.value >= 1 && n.value <= 31 && standsAlone(n, true))
            partner = dayFirst(n);
    } else if (isLetter(q)) {
        const QStringView w = wordAt(q);
        if (const int month = dw::monthNumber(w)) {
            qsizetype after = q + w.size();
            if (isAbbreviation(w) && after < t.size() && t[after] == u'.')
                ++after;
            partner = monthFirst(q, after, month);
        }
    }
    mLookingAhead = false;
    if (partner && partner->year != 0 && partner->day != 0) {
        d.year = partner->year;
        d.yearDigits = partner->yearDigits;
        d.era = partner->era;
    }
}

} // namespace qm
