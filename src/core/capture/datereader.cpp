// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datereader.h"

#include <QString>

namespace qm {

namespace dw = datewords;

namespace {

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == 0x00A0 || (u >= 0x2000 && u <= 0x200A) || u == 0x202F;
}

bool isDash(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'-' || (u >= 0x2010 && u <= 0x2014) || u == 0x2212;
}

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// "Feb." takes its period; "May." ends a sentence.
bool isAbbreviation(QStringView month)
{
    return (month.size() == 3 && month.compare(u"may", Qt::CaseInsensitive) != 0) ||
           month.compare(u"sept", Qt::CaseInsensitive) == 0;
}

// The narrative's era of a year written without one: only an era word before the common era changes it.
dw::Era narrativeEra(dw::Era narrative)
{
    return narrative == dw::Era::BC ? dw::Era::BC : dw::Era::None;
}

} // namespace

std::optional<DatePhrase> DateReader::next()
{
    const qsizetype n = t.size();
    while (p < n) {
        const QChar c = t[p];
        const qsizetype start = p;
        if (c >= u'0' && c <= u'9') {
            while (p < n && isDigit(p))
                ++p;
            if (!isLetter(start - 1)) {
                if (auto d = fromNumber(start)) {
                    p = d->end;
                    return remember(*d);
                }
            }
            continue;
        }
        if (c.isLetter()) {
            while (p < n && t[p].isLetter())
                ++p;
            if (!isDigit(start - 1)) {
                if (auto d = fromWord(start, p)) {
                    p = d->end;
                    return remember(*d);
                }
            }
            continue;
        }
        ++p;
    }
    return std::nullopt;
}

DatePhrase DateReader::remember(DatePhrase d)
{
    mLastDateEnd = d.end;
    if (d.era != dw::Era::None)
        mNarrativeEra = d.era;
    if (d.year != 0 && d.day == 0)
        mLastYearEnd = d.end;
    return d;
}

DateReader::Number DateReader::numberAt(qsizetype at) const
{
    Number n;
    n.start = at;
    n.end = at;
    while (isDigit(n.end)) {
        // Beyond four digits the value no longer matters: no date has such a number.
        if (n.digits < 6)
            n.value = n.value * 10 + (t[n.end].unicode() - u'0');
        ++n.digits;
        ++n.end;
    }
    return n;
}

qsizetype DateReader::ordinalEnd(const Number &n) const
{
    if (n.end + 2 > t.size())
        return n.end;
    const QStringView s = t.mid(n.end, 2);
    for (const char16_t *suffix : {u"st", u"nd", u"rd", u"th"}) {
        if (s.compare(QStringView(suffix), Qt::CaseInsensitive) == 0 && !isLetter(n.end + 2))
            return n.end + 2;
    }
    return n.end;
}

bool DateReader::standsAlone(const Number &n, bool ordinalAllowed) const
{
    if (n.digits == 0)
        return false;
    if (n.start > 0) {
        const QChar b = t[n.start - 1];
        if (b.isLetterOrNumber())
            return false;
        // "1,200", "3.5", and amounts of money.
        if ((b == u',' || b == u'.') && isDigit(n.start - 2))
            return false;
        if (b == u'$' || b == u'#' || b == QChar(0x00A3) || b == QChar(0x20AC))
            return false;
    }
    const qsizetype e = n.end;
    if (e >= t.size())
        return true;
    const QChar a = t[e];
    if (a.isLetter()) {
        if (dw::eraAt(t, e).era != dw::Era::None)
            return true;
        return ordinalAllowed && ordinalEnd(n) != e;
    }
    if (a.isNumber() || a == u'%')
        return false;
    if ((a == u'.' || a == u':') && isDigit(e + 1))
        return false;
    if (a == u',' || (isBlank(a) && n.digits == 3)) {
        // Thousands: "1,200" and "117 000".
        const Number group = numberAt(e + 1);
        if (group.digits == 3 && (a == u',' || n.digits <= 3))
            return false;
    }
    return true;
}

qsizetype DateReader::blanksEnd(qsizetype from, bool lineBreakAllowed) const
{
    qsizetype q = from;
    bool brokeLine = false;
    while (q < t.size()) {
        if (isBlank(t[q])) {
            ++q;
        } else if (lineBreakAllowed && !brokeLine && isLineBreak(t[q])) {
            // One line break, CR LF being one.
            brokeLine = true;
            q += (t[q] == u'\r' && q + 1 < t.size() && t[q + 1] == u'\n') ? 2 : 1;
        } else {
            break;
        }
    }
    return q;
}

QStringView DateReader::wordAt(qsizetype from) const
{
    qsizetype e = from;
    while (isLetter(e))
        ++e;
    return t.mid(from, e - from);
}

QStringView DateReader::wordBefore(qsizetype before, qsizetype *wordStart) const
{
    // Blanks, and one hyphen or period ("mid-1943", "c. 500"), may stand between the word and the number.
    qsizetype i = before - 1;
    bool mark = false;
    while (i >= 0 && !t[i].isLetter()) {
        if (isBlank(t[i])) {
            --i;
        } else if (!mark && (isDash(t[i]) || t[i] == u'.')) {
            mark = true;
            --i;
        } else {
            return {};
        }
    }
    const qsizetype end = i + 1;
    while (i >= 0 && t[i].isLetter())
        --i;
    if (wordStart)
        *wordStart = i + 1;
    return t.mid(i + 1, end - i - 1);
}

bool DateReader::countFollows(qsizetype from, bool strict) const
{
    // "70-mile", "540-Soldier"
    if (from < t.size() && isDash(t[from]) && isLetter(from + 1))
        return !dw::isFunctionWord(wordAt(from + 1).toString()); // but "1950-the day after"
    return dw::countsNumber(wordAt(blanksEnd(from, false)), strict);
}

qsizetype DateReader::rangeEnd(qsizetype from) const
{
    // "March 5-9", "5 and 6 June": the first day is the date, the phrase runs to the last.
    qsizetype q = blanksEnd(from, false);
    if (q < t.size() && isDash(t[q])) {
        ++q;
    } else {
        const QStringView w = wordAt(q);
        if (w != u"to" && w != u"and")
            return from;
        q += w.size();
    }
    const Number last = numberAt(blanksEnd(q, false));
    if (last.digits == 0 || last.digits > 2 || last.value < 1 || last.value > 31 || !standsAlone(last, true))
        return from;
    return ordinalEnd(last);
}

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
        return d;
    }
    const int month = dw::monthNumber(word);
    if (month == 0) {
        if (auto d = feast(start, word))
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
        d.end = rangeEnd(ordinalEnd(n));
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
        d.era = narrativeEra(mNarrativeEra);
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
        d.era = narrativeEra(mNarrativeEra);
    else if (y.digits == 2 && mNarrativeEra == dw::Era::BC)
        d.era = dw::Era::BC;
}

std::optional<DatePhrase> DateReader::fromNumber(qsizetype start)
{
    const Number n = numberAt(start);
    // Part of a bigger figure: "1,200", "3.5", "X3.14-1971".
    if (n.start > 0 && (t[n.start - 1] == u',' || t[n.start - 1] == u'.' || isDash(t[n.start - 1])) &&
        isDigit(n.start - 2))
        return std::nullopt;
    const qsizetype e = n.end;
    const auto at = [this](qsizetype i, char16_t c) { return i < t.size() && t[i] == c; };

    // "the Club of '89", "the '99 Boys": a year of the narrative's century, or of the one before.
    if (n.digits == 2 && n.start >= 1 && (t[n.start - 1] == u'\'' || t[n.start - 1] == QChar(0x2019)) &&
        (n.start == 1 || !t[n.start - 2].isLetterOrNumber()) && !isLetter(e) && !isDigit(e)) {
        DatePhrase d;
        d.start = n.start - 1;
        d.end = e;
        d.year = n.value;
        d.yearDigits = 2;
        d.shortYear = true;
        d.needsNarrative = true;
        d.narrates = false;
        return d;
    }

    // ISO: 1961-08-13
    if (n.digits == 4 && at(e, u'-')) {
        const Number m = numberAt(e + 1);
        if (m.digits == 2 && at(m.end, u'-')) {
            const Number dd = numberAt(m.end + 1);
            if (dd.digits == 2 && !isDigit(dd.end) && m.value >= 1 && m.value <= 12 && dd.value >= 1 &&
                dd.value <= 31) {
                DatePhrase d;
                d.start = start;
                d.end = dd.end;
                d.year = n.value;
                d.yearDigits = 4;
                d.month = m.value;
                d.day = dd.value;
                return d;
            }
        }
    }

    // The program's own numeric dates: 7/4/1776, 7/4, 7/4 BC.
    if (n.digits <= 2 && at(e, u'/')) {
        const Number dd = numberAt(e + 1);
        if (dd.digits == 0 || dd.digits > 2)
            return std::nullopt;
        DatePhrase d;
        d.start = start;
        d.month = n.value;
        d.day = dd.value;
        d.end = dd.end;
        d.numeric = true;
        if (at(dd.end, u'/')) {
            const Number y = numberAt(dd.end + 1);
            if ((y.digits != 2 && y.digits != 4) || at(y.end, u'/'))
                return std::nullopt;
            d.year = y.value;
            d.yearDigits = y.digits;
            d.end = y.end;
        }
        if (isDigit(d.end) || isLetter(d.end) || at(d.end, u'/'))
            return std::nullopt;
        const qsizetype q = blanksEnd(d.end, false);
        if (const dw::EraWord era = dw::eraAt(t, q); era.era != dw::Era::None) {
            d.era = era.era;
            d.end = q + era.length;
        }
        return d;
    }

    if (!standsAlone(n, true))
        return std::nullopt;
    if (n.digits <= 2 && n.value >= 1 && n.value <= 31) {
        if (auto d = dayFirst(n))
            return d;
        if (ordinalEnd(n) != n.end)
            return dayOfMonth(n);
    }
    if (ordinalEnd(n) != n.end)
        return std::nullopt;
    if (auto d = withEra(n))
        return d;
    if (n.digits >= 3 && n.value >= 100)
        return bareYear(n);
    if (n.digits <= 2 && isLetter(blanksEnd(n.end, false)))
        return relative(n.start, t.mid(n.start, n.end - n.start));
    return std::nullopt;
}

std::optional<DatePhrase> DateReader::dayFirst(const Number &day)
{
    // "22 June 1941", "22nd June", "the 22nd of June, 1941", "5-9 March", "4 Feb. 1945"
    const qsizetype afterDay = rangeEnd(ordinalEnd(day));
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
    d.month = month;
    d.end = q + word.size();
    if (isAbbreviation(word) && d.end < t.size() && t[d.end] == u'.')
        ++d.end;
    readYearAfter(d, d.end);
    borrowYear(d);
    return d;
}

std::optional<DatePhrase> DateReader::withEra(const Number &year)
{
    const qsizetype q = blanksEnd(year.end, false);
    dw::EraWord era = dw::eraAt(t, q);
    qsizetype end = q + era.length;
    if (era.era == dw::Era::None) {
        // "240-238 BC", "264 to 241 BC": the era at the end of the range is the first year's too.
        qsizetype r = q;
        if (r < t.size() && isDash(t[r]))
            ++r;
        else if (wordAt(r) == u"to")
            r += 2;
        else
            return std::nullopt;
        const Number last = numberAt(blanksEnd(r, false));
        if (last.digits == 0 || last.digits > 4 || !standsAlone(last, false))
            return std::nullopt;
        const qsizetype eraStart = blanksEnd(last.end, false);
        era = dw::eraAt(t, eraStart);
        if (era.era == dw::Era::None)
            return std::nullopt;
        end = eraStart + era.length;
    }
    if (year.value < 1 || year.digits > 4)
        return std::nullopt;
    DatePhrase d;
    d.start = year.start;
    d.end = end;
    d.year = year.value;
    d.yearDigits = year.digits;
    d.era = era.era;
    return d;
}

std::optional<DatePhrase> DateReader::bareYear(const Number &year)
{
    if (year.digits > 4)
        return std::nullopt;
    enum class Why { None, Introduced, Likely } why = Why::None;
    DatePhrase d;
    d.start = year.start;
    d.end = year.end;

    // A year range: "1914-18", "1939-1945", "(1789-1791)"; the phrase runs to its end.
    const qsizetype q = blanksEnd(year.end, false);
    if (q < t.size() && isDash(t[q])) {
        const Number last = numberAt(blanksEnd(q + 1, false));
        const bool longEnough = year.digits == 4 || mNarrativeEra == dw::Era::BC;
        if (longEnough && (last.digits == 2 || last.digits == year.digits) && standsAlone(last, false)) {
            const int second = last.digits == 2 ? year.value / 100 * 100 + last.value : last.value;
            if (second > year.value || mNarrativeEra == dw::Era::BC) {
                why = Why::Introduced;
                d.end = last.end;
            }
        }
    }
    // The next of a series: "from 1939 to 1945", "in 1782 and 1783".
    if (why == Why::None && mLastYearEnd >= 0 && year.start > mLastYearEnd && year.start - mLastYearEnd <= 12) {
        const QString gap = t.mid(mLastYearEnd, year.start - mLastYearEnd).trimmed().toString();
        if (gap == u"to" || gap == u"and" || gap == u"or" || gap == u"until" || gap == u"till" || gap == u"through" ||
            gap == u"," || (gap.size() == 1 && isDash(gap.front()))) {
            why = Why::Introduced;
            d.narrates = false;
        }
    }
    if (why == Why::None) {
        qsizetype wordStart = 0;
        const QString word = wordBefore(year.start, &wordStart).toString().toLower();
        if (word == u"of") {
            if (dw::namesPeriod(wordBefore(wordStart).toString().toLower())) {
                why = Why::Introduced;
                d.opens = opensSentence(year.start) || isHeading(year);
            }
        } else if (dw::introducesYear(word)) {
            why = Why::Introduced;
            // "found in 2004", "had met, in 1614": a year in the middle of a sentence is an aside; the
            // narrative moves on a year that opens its sentence ("In 1940, ...") or heads a section.
            d.narrates = dw::narrates(word);
            d.opens = opensSentence(year.start) || isHeading(year);
        } else if (!word.isEmpty() && dw::labelsNumber(word)) {
            return std::nullopt;
        }
    }
    if (why == Why::None && year.digits == 4 && year.value >= 1000 && year.value < 2100 && !amongNumbers(year)) {
        // "(1790)", "the 1917 Battle of Arras": a year, but not one that moves the narrative; a heading does.
        why = Why::Likely;
        d.narrates = isHeading(year) || opensSentence(year.start, 0);
        d.opens = d.narrates;
    }
    if (why == Why::None)
        return std::nullopt;
    // "in 1500 km", "in 226 sorties"; a year introduced as one may still be followed by a plural.
    if (countFollows(d.end, why == Why::Likely || year.digits < 4))
        return std::nullopt;
    if (year.digits < 4 && d.end == year.end) {
        // "by 722 artillery pieces": a short number before a word that describes it counts that.
        const QStringView next = wordAt(blanksEnd(d.end, false));
        if (!next.isEmpty() && next.front().isLower() && !dw::isFunctionWord(next.toString()))
            return std::nullopt;
    }

    d.year = year.value;
    d.yearDigits = year.digits;
    d.era = narrativeEra(mNarrativeEra);
    d.bareYear = true;
    return d;
}

bool DateReader::amongNumbers(const Number &n) const
{
    // "0111 1000 1001", "N = 1000", "1000!"
    qsizetype b = n.start - 1;
    while (b >= 0 && isBlank(t[b]))
        --b;
    const qsizetype a = blanksEnd(n.end, false);
    return isDigit(b) || (b >= 0 && (t[b] == u'=' || t[b] == u'+' || t[b] == u'*' || t[b] == QChar(0x00D7))) ||
           isDigit(a) || (a < t.size() && t[a] == u'!');
}

bool DateReader::isHeading(const Number &year) const
{
    qsizetype b = year.start - 1;
    while (b >= 0 && isBlank(t[b]))
        --b;
    if (b >= 0 && !isLineBreak(t[b]))
        return false;
    const qsizetype e = blanksEnd(year.end, false);
    return e >= t.size() || isLineBreak(t[e]) || t[e] == u':';
}

std::optional<DatePhrase> DateReader::dayOfMonth(const Number &day)
{
    // "On the 5th, the Soviets...", "on the 28th of that month": a day of the month the text is in.
    if (wordBefore(day.start).compare(u"the", Qt::CaseInsensitive) != 0 || t[day.start - 1] == u'-')
        return std::nullopt;
    const qsizetype end = ordinalEnd(day);
    const qsizetype q = blanksEnd(end, false);
    const QStringView next = wordAt(q);
    if (next == u"of") {
        const qsizetype r = blanksEnd(q + 2, false);
        const QStringView which = wordAt(r);
        if ((which != u"that" && which != u"the" && which != u"this") ||
            wordAt(blanksEnd(r + which.size(), false)) != u"month")
            return std::nullopt;
    } else if (!next.isEmpty() && !dw::isFunctionWord(next.toString())) {
        return std::nullopt;
    } else if (next.isEmpty() && q < t.size() && t[q].isNumber()) {
        return std::nullopt;
    }
    DatePhrase d;
    d.start = day.start;
    d.end = end;
    d.day = day.value;
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
