// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "writingdate.h"

#include "datereader.h"

#include <QString>

#include <cstdlib>

namespace qm {

namespace {

// How far into a text its date of writing may stand.
constexpr int HeadLines = 6;
constexpr qsizetype HeadChars = 800;

bool saysWhenWritten(const QString &lowerWord)
{
    static const QStringList words =
        QStringLiteral("date dated datetime time published posted updated written filed issued created modified on "
                       "at last am pm gmt utc est edt cet monday tuesday wednesday thursday friday saturday sunday "
                       "mon tue tues wed thu thur thurs fri sat sun t z")
            .split(u' ');
    return words.contains(lowerWord);
}

// Nothing but words that say when, times and marks stand on the line beside the date.
bool onlyWhenWords(QStringView rest)
{
    QString word;
    const auto flush = [&word] {
        const bool ok = word.isEmpty() || saysWhenWritten(word.toLower());
        word.clear();
        return ok;
    };
    for (const QChar c : rest) {
        if (c.isLetter()) {
            word += c;
        } else if (!flush()) {
            return false;
        }
    }
    return flush();
}

// "WASHINGTON, April 17, 2003 (AP) --": capitals and a comma before, an agency or a dash after.
bool isDateline(QStringView before, QStringView after)
{
    const QStringView place = before.trimmed();
    if (!place.endsWith(u',') || place.size() < 3)
        return false;
    for (const QChar c : place.chopped(1))
        if (c.isLower())
            return false;
    const QStringView next = after.trimmed();
    return next.startsWith(u'(') || next.startsWith(u"--") || next.startsWith(QChar(0x2014)) ||
           next.startsWith(QChar(0x2013)) || next.startsWith(u'-');
}

} // namespace

QDate WritingDateOf(QStringView text, DateOrder order)
{
    // The head: the first lines that hold anything, within a bound.
    qsizetype end = 0;
    int lines = 0;
    while (end < text.size() && end < HeadChars && lines < HeadLines) {
        const qsizetype lineEnd = text.indexOf(u'\n', end);
        const qsizetype stop = lineEnd < 0 ? text.size() : lineEnd;
        if (!text.mid(end, stop - end).trimmed().isEmpty())
            ++lines;
        end = lineEnd < 0 ? text.size() : lineEnd + 1;
    }
    const QStringView head = text.left(std::min(end, text.size()));
    DateReader reader(head);
    while (std::optional<DatePhrase> d = reader.next()) {
        if (d->step != datewords::Step::None || d->year < 1000 || d->month == 0 || d->day == 0 ||
            d->era == datewords::Era::BC)
            continue;
        if (d->numeric && (order == DateOrder::DayFirst || d->month > 12) && d->day <= 12)
            std::swap(d->month, d->day);
        const qsizetype lineStart = head.lastIndexOf(u'\n', d->start > 0 ? d->start - 1 : 0) + 1;
        qsizetype lineEnd = head.indexOf(u'\n', d->end);
        if (lineEnd < 0)
            lineEnd = head.size();
        QStringView before = head.mid(lineStart, d->start - lineStart);
        QStringView after = head.mid(d->end, lineEnd - d->end);
        // "By Jane Smith | March 3, 2015 | Politics": a byline's parts stand between bars or dots.
        for (const QChar bar : {QChar(u'|'), QChar(0x00B7), QChar(0x2022)}) {
            if (const qsizetype at = before.lastIndexOf(bar); at >= 0)
                before = before.mid(at + 1);
            if (const qsizetype at = after.indexOf(bar); at >= 0)
                after = after.left(at);
        }
        const QDate day(d->year, d->month, d->day);
        if (day.isValid() && ((onlyWhenWords(before) && onlyWhenWords(after)) || isDateline(before, after)))
            return day;
    }
    return {};
}

int NearestYear(QDate written, int month, int day)
{
    int best = written.year();
    qint64 bestGap = -1;
    for (int year = written.year() - 1; year <= written.year() + 1; ++year) {
        // 29 February of a year without it stands for the day after 28 February.
        QDate candidate(year, month, day);
        if (!candidate.isValid())
            candidate = QDate(year, month, 28).addDays(1);
        const qint64 gap = std::abs(written.daysTo(candidate));
        if (bestGap < 0 || gap < bestGap) {
            best = year;
            bestGap = gap;
        }
    }
    return best;
}

QDate WeekdayFrom(QDate written, int weekday, int direction)
{
    const int back = (written.dayOfWeek() - weekday + 7) % 7;
    if (direction > 0)
        return written.addDays(back == 0 ? 7 : 7 - back);
    if (direction < 0)
        return written.addDays(back == 0 ? -7 : -back);
    return written.addDays(-back);
}

} // namespace qm
