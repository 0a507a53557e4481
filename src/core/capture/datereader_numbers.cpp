// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dates that a number opens and the words around it make dates: "1961-08-13", "7/4/1776",
// "'89", "480 B.C.", "240-238 BC", years such as "in 1940" or "1914-18", and "the 5th" of a month.
#include "datereader.h"

#include <QString>

namespace qm {

namespace dw = datewords;

namespace {
// From this year on a bare year is of the common era, whatever era the text last named.
constexpr int ModernYear = 1500;
} // namespace

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

    if (auto d = decade(n))
        return d;
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

std::optional<DatePhrase> DateReader::withEra(const Number &year)
{
    const qsizetype q = blanksEnd(year.end, false);
    dw::EraWord era = dw::eraAt(t, q);
    qsizetype end = q + era.length;
    int endYear = 0;
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
        endYear = last.value;
    }
    if (year.value < 1 || year.digits > 4)
        return std::nullopt;
    DatePhrase d;
    d.start = year.start;
    d.end = end;
    d.endYear = endYear;
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
    qsizetype wordStart = 0;
    const QString word = wordBefore(year.start, &wordStart).toString().toLower();
    // "pp. 1914-18": pages, however much they look like years.
    if (word == u"p" || word == u"pp" || word == u"page" || word == u"pages")
        return std::nullopt;

    // A year range: "1914-18", "1939-1945", "(1789-1791)"; the phrase runs to its end. Not "1914 - 18
    // men", where a count follows the year.
    const qsizetype q = blanksEnd(year.end, false);
    if (q < t.size() && isDash(t[q])) {
        const Number last = numberAt(blanksEnd(q + 1, false));
        const bool longEnough = year.digits == 4 || mNarrativeEra == dw::Era::BC;
        if (longEnough && (last.digits == 2 || last.digits == year.digits) && standsAlone(last, false) &&
            !countFollows(last.end, false)) {
            const int second = last.digits == 2 ? year.value / 100 * 100 + last.value : last.value;
            if (second > year.value || mNarrativeEra == dw::Era::BC) {
                why = Why::Introduced;
                d.end = last.end;
                d.endYear = second;
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
    // Texts on antiquity name the years of their own finding and study ("excavated in 1952") without an
    // era word; a year before the common era that long ago would carry one.
    d.era = year.value >= ModernYear ? dw::Era::None : narrativeEra();
    d.bareYear = true;
    return d;
}

std::optional<DatePhrase> DateReader::decade(const Number &year) const
{
    // Only "the 1790s": "the 1900s" may be a century, "the late 1790s" is a part of the decade, and
    // "1790s" alone may be a model's name.
    const qsizetype e = year.end;
    if (year.digits != 4 || year.value < 1000 || year.value % 10 != 0 || year.value % 100 == 0 || e >= t.size() ||
        t[e] != u's' || isLetter(e + 1) || isDigit(e + 1) || year.start < 1 || !t[year.start - 1].isSpace() ||
        wordBefore(year.start).compare(u"the", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    DatePhrase d;
    d.start = year.start;
    d.end = e + 1;
    d.year = year.value;
    d.yearDigits = 4;
    d.endYear = year.value + 9;
    d.bareYear = true;
    // A decade is a stretch of the story, never the point it has come to.
    d.narrates = false;
    d.opens = false;
    return d;
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

} // namespace qm
