// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the date texts a person types ("7/4/1776", "July 4, 1776 3:00 PM", "1776-07-04") as date numbers.
#include "platformdate.h"

#include <array>

namespace qm::platformdate {

namespace {

bool isSeparator(QChar c)
{
    return c == u',' || c.isSpace();
}

// A run of ASCII digits as a number; nullopt when the view is empty, holds anything else or is too long.
std::optional<int> number(QStringView s, int maxDigits)
{
    if (s.isEmpty() || s.size() > maxDigits)
        return std::nullopt;
    int n = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        n = n * 10 + (c.unicode() - u'0');
    }
    return n;
}

// One- and two-digit years fall in 1930..2029; longer ones stand as written.
std::optional<int> yearOf(QStringView s)
{
    const auto y = number(s, 4);
    if (!y)
        return std::nullopt;
    if (s.size() <= 2)
        return *y < 30 ? 2000 + *y : 1900 + *y;
    return y;
}

std::optional<int> dayOf(QStringView s)
{
    return number(s, 2);
}

bool equalsAscii(QStringView s, const char *ascii)
{
    qsizetype i = 0;
    for (; ascii[i] != '\0'; ++i) {
        if (i >= s.size() || s[i].toLower() != QChar::fromLatin1(ascii[i]))
            return false;
    }
    return i == s.size();
}

// "January", "Jan", "Jan." and "Sept"/"Sept." name months; anything else does not.
std::optional<int> monthOf(QStringView s)
{
    const bool dotted = s.endsWith(u'.');
    const QStringView word = dotted ? s.chopped(1) : s;
    for (int m = 0; m < 12; ++m) {
        const char *full = MonthNames[static_cast<size_t>(m)];
        if (!dotted && equalsAscii(word, full))
            return m + 1;
        if (word.size() == 3) {
            const char abbrev[4] = {full[0], full[1], full[2], '\0'};
            if (equalsAscii(word, abbrev))
                return m + 1;
        }
    }
    if (equalsAscii(word, "sept"))
        return 9;
    return std::nullopt;
}

struct Time
{
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "h:mm" or "h:mm:ss", optionally with "AM"/"PM" glued on or given as the next chunk.
std::optional<Time> timeOf(QStringView clock, QStringView marker)
{
    if (marker.isEmpty()) {
        for (const char *m : {"am", "pm"}) {
            if (clock.size() > 2 && equalsAscii(clock.right(2), m)) {
                marker = clock.right(2);
                clock.chop(2);
                break;
            }
        }
    }
    int pm = -1;
    if (!marker.isEmpty()) {
        if (equalsAscii(marker, "am"))
            pm = 0;
        else if (equalsAscii(marker, "pm"))
            pm = 1;
        else
            return std::nullopt;
    }
    std::array<QStringView, 3> fields;
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= clock.size(); ++i) {
        if (i == clock.size() || clock[i] == u':') {
            if (count == 3)
                return std::nullopt;
            fields[static_cast<size_t>(count++)] = clock.mid(start, i - start);
            start = i + 1;
        }
    }
    if (count < 2)
        return std::nullopt;
    const auto h = number(fields[0], 2);
    const auto m = number(fields[1], 2);
    const auto s = count == 3 ? number(fields[2], 2) : std::optional<int>(0);
    if (!h || !m || !s || *m > 59 || *s > 59)
        return std::nullopt;
    Time t{*h, *m, *s};
    if (pm < 0) {
        if (t.hour > 23)
            return std::nullopt;
    } else {
        if (t.hour < 1 || t.hour > 12)
            return std::nullopt;
        t.hour = (t.hour % 12) + (pm == 1 ? 12 : 0);
    }
    return t;
}

struct Ymd
{
    int year;
    int month;
    int day;
};

// "m/d/y", "m/d", "m-d-y", "m-d" and "yyyy-m-d"; day first the first two swap places.
std::optional<Ymd> numericDate(QStringView s, QDate today, DateOrder order)
{
    QChar sep;
    std::array<QStringView, 3> fields;
    int count = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == u'/' || s[i] == u'-') {
            if (i < s.size()) {
                if (sep.isNull())
                    sep = s[i];
                else if (sep != s[i])
                    return std::nullopt;
            }
            if (count == 3)
                return std::nullopt;
            fields[static_cast<size_t>(count++)] = s.mid(start, i - start);
            start = i + 1;
        }
    }
    if (count < 2)
        return std::nullopt;
    if (count == 3 && sep == u'-' && fields[0].size() == 4) {
        const auto y = number(fields[0], 4);
        const auto m = number(fields[1], 2);
        const auto d = number(fields[2], 2);
        if (!y || !m || !d)
            return std::nullopt;
        return Ymd{*y, *m, *d};
    }
    const bool dayFirst = order == DateOrder::DayFirst;
    const auto m = number(fields[dayFirst ? 1 : 0], 2);
    const auto d = number(fields[dayFirst ? 0 : 1], 2);
    const auto y = count == 3 ? yearOf(fields[2]) : std::optional<int>(today.year());
    if (!m || !d || !y)
        return std::nullopt;
    return Ymd{*y, *m, *d};
}

// The forms with a month name, given as two or three chunks.
std::optional<Ymd> namedDate(const std::array<QStringView, 3> &c, int count, QDate today)
{
    if (count == 2) {
        if (const auto m = monthOf(c[0])) {
            if (c[1].size() <= 2) {
                const auto d = dayOf(c[1]);
                if (!d)
                    return std::nullopt;
                if (*d >= 1 && *d <= 31)
                    return Ymd{today.year(), *m, *d};
                // No month has that day: "March 44" is a month and a year.
            }
            if (const auto y = yearOf(c[1]))
                return Ymd{*y, *m, 1};
            return std::nullopt;
        }
        const auto d = dayOf(c[0]);
        const auto m = monthOf(c[1]);
        if (d && m)
            return Ymd{today.year(), *m, *d};
        return std::nullopt;
    }
    if (count == 3) {
        const auto y = yearOf(c[2]);
        if (!y)
            return std::nullopt;
        if (const auto m = monthOf(c[0])) {
            if (const auto d = dayOf(c[1]))
                return Ymd{*y, *m, *d};
            return std::nullopt;
        }
        const auto d = dayOf(c[0]);
        const auto m = monthOf(c[1]);
        if (d && m)
            return Ymd{*y, *m, *d};
    }
    return std::nullopt;
}

} // namespace

std::optional<int> digitsValue(QStringView s, int maxDigits)
{
    return number(s, maxDigits);
}

std::optional<int> monthNamed(QStringView word)
{
    return monthOf(word);
}

std::optional<double> parse(QStringView text, QDate today, DateOrder order)
{
    const auto p = parseParts(text, today, false, order);
    if (!p)
        return std::nullopt;
    return makeValue(p->year, p->month, p->day, p->hour, p->minute, p->second);
}

std::optional<Parts> parseParts(QStringView text, QDate today, bool anyLeapDay, DateOrder order)
{
    text = text.trimmed();
    if (text.isEmpty() || text.front() == u',')
        return std::nullopt;

    // Blanks and commas separate the parts; a run of them counts as one.
    std::array<QStringView, 5> chunks;
    int count = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSeparator(text[i]))
            ++i;
        if (i == text.size())
            break;
        const qsizetype start = i;
        while (i < text.size() && !isSeparator(text[i]))
            ++i;
        if (count == static_cast<int>(chunks.size()))
            return std::nullopt;
        chunks[static_cast<size_t>(count++)] = text.mid(start, i - start);
    }

    // A trailing time of day: its clock chunk holds the only colons of the text.
    Time time;
    for (int k = 0; k < count; ++k) {
        if (!chunks[static_cast<size_t>(k)].contains(u':'))
            continue;
        const bool markerFollows = k + 2 == count;
        if (k + 1 != count && !markerFollows)
            return std::nullopt;
        const auto t =
            timeOf(chunks[static_cast<size_t>(k)], markerFollows ? chunks[static_cast<size_t>(k + 1)] : QStringView());
        if (!t)
            return std::nullopt;
        time = *t;
        count = k;
        break;
    }

    std::optional<Ymd> ymd;
    if (count == 1)
        ymd = numericDate(chunks[0], today, order);
    else if (count == 2 || count == 3)
        ymd = namedDate({chunks[0], chunks[1], chunks[2]}, count, today);
    if (!ymd || ymd->year < MinYear || ymd->year > MaxYear)
        return std::nullopt;
    const bool leapDay = anyLeapDay && ymd->month == 2 && ymd->day == 29;
    if (!leapDay && !isValidDate(ymd->year, ymd->month, ymd->day))
        return std::nullopt;
    return Parts{ymd->year, ymd->month, ymd->day, time.hour, time.minute, time.second};
}

} // namespace qm::platformdate
