// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a text in one pass: where the next date may start, and the small tests of the characters
// and words around a number that the rules of the other datereader_*.cpp files build on.
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

bool isLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
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
    if (d.day != 0 && d.year != 0)
        d.wholeDateOpens = opensSentence(d.start, 2);
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

qsizetype DateReader::rangeEnd(qsizetype from, qsizetype start, int *endDay) const
{
    // "March 5-9", "5 and 6 June": the first day is the date, the phrase runs to the last.
    qsizetype q = blanksEnd(from, false);
    bool range = true;
    if (q < t.size() && isDash(t[q])) {
        ++q;
    } else {
        const QStringView w = wordAt(q);
        if (w != u"to" && w != u"and")
            return from;
        range = w == u"to" || wordBefore(start).compare(u"between", Qt::CaseInsensitive) == 0;
        q += w.size();
    }
    const Number last = numberAt(blanksEnd(q, false));
    if (last.digits == 0 || last.digits > 2 || last.value < 1 || last.value > 31 || !standsAlone(last, true))
        return from;
    if (range)
        *endDay = last.value;
    return ordinalEnd(last);
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

} // namespace qm
