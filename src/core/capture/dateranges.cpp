// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dateranges.h"

#include "datewords.h"

#include <cmath>

namespace qm {

namespace pd = platformdate;

namespace {

// The gap between the two ends is a handful of characters; a longer one holds more than a connector.
constexpr qsizetype MaxGap = 16;

bool isBlank(QChar c)
{
    // A line break ends the range: a year heading a line is not the end of the line above.
    return c == u' ' || c == u'\t' || c == QChar(0x00A0) || (c >= QChar(0x2000) && c <= QChar(0x200A));
}

bool isDash(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'-' || (u >= 0x2010 && u <= 0x2014) || u == 0x2212;
}

qsizetype blanksEnd(QStringView text, qsizetype q, qsizetype limit)
{
    while (q < limit && isBlank(text[q]))
        ++q;
    return q;
}

QStringView wordAt(QStringView text, qsizetype q, qsizetype limit)
{
    qsizetype e = q;
    while (e < limit && text[e].isLetter())
        ++e;
    return text.mid(q, e - q);
}

bool afterBetween(QStringView text, qsizetype firstStart)
{
    qsizetype i = firstStart - 1;
    while (i >= 0 && isBlank(text[i]))
        --i;
    const qsizetype end = i + 1;
    while (i >= 0 && text[i].isLetter())
        --i;
    return datewords::sameWord(text.mid(i + 1, end - i - 1), u"between");
}

} // namespace

bool joinsRange(QStringView text, qsizetype firstStart, qsizetype from, qsizetype to)
{
    if (from > to || to - from > MaxGap || to > text.size())
        return false;
    qsizetype q = blanksEnd(text, from, to);
    if (q < to && isDash(text[q])) {
        ++q;
    } else {
        const QStringView w = wordAt(text, q, to);
        const bool joins = datewords::sameWord(w, u"to") || datewords::sameWord(w, u"until") ||
                           datewords::sameWord(w, u"till") || datewords::sameWord(w, u"through") ||
                           (datewords::sameWord(w, u"and") && afterBetween(text, firstStart));
        // A word needs blanks around it: "1939to" is no way of writing a range.
        const qsizetype afterWord = q + w.size();
        if (!joins || q == from || (q = blanksEnd(text, afterWord, to)) == afterWord)
            return false;
        if (const QStringView the = wordAt(text, q, to); datewords::sameWord(the, u"the"))
            q += the.size();
    }
    return blanksEnd(text, q, to) == to;
}

ExtDate lastDayOf(const ExtDate &date, FoundDate::Precision precision)
{
    // Years before the common era and early ones are kept shifted, but their months run forwards
    // within the stored year, so the stored year's last day is the year's last day.
    const pd::Parts p = pd::split(date.Value);
    const int month = precision == FoundDate::Precision::Year ? 12 : p.month;
    const int day = precision == FoundDate::Precision::Day ? p.day : pd::daysInMonth(p.year, month);
    const std::optional<double> value = pd::makeValue(p.year, month, day);
    return value ? ExtDate(*value, date.Era) : ExtDate(std::floor(date.Value), date.Era);
}

std::optional<ExtDate> dateInYearOf(const ExtDate &date, int month, int day)
{
    const std::optional<double> value = pd::makeValue(pd::split(date.Value).year, month, day);
    if (!value)
        return std::nullopt;
    return ExtDate(*value, date.Era);
}

} // namespace qm
