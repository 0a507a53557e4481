// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The dates a history text names with words alone: counted from the date before ("the next day",
// "that evening", "two years later"), feasts ("Christmas 1914", "by Easter 1916") and a month alone
// ("in August") in a narrative that has its year.
#include "datereader.h"

#include <QString>

#include <string_view>

namespace qm {

namespace dw = datewords;

using namespace std::string_view_literals;

namespace {

// The lengths of the words compared with are known when compiled: every word of a text comes by here.
bool isWord(QStringView word, std::u16string_view lower)
{
    return word.size() == static_cast<qsizetype>(lower.size()) && dw::sameWord(word, QStringView(lower));
}

char16_t initialOf(QStringView word)
{
    const char16_t u = word.isEmpty() ? u'\0' : word.front().unicode();
    return u >= u'A' && u <= u'Z' ? static_cast<char16_t>(u + (u'a' - u'A')) : u;
}

bool isBlankOrDash(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == 0x00A0 || u == u'-' || (u >= 0x2010 && u <= 0x2014);
}

bool isPartOfDay(QStringView word)
{
    return isWord(word, u"morning"sv) || isWord(word, u"evening"sv) || isWord(word, u"night"sv) ||
           isWord(word, u"afternoon"sv);
}

} // namespace

std::optional<DatePhrase> DateReader::relative(qsizetype start, QStringView first)
{
    // Every word of the text comes here: most are let go on their first letter.
    const char16_t initial = initialOf(first);
    if (initial != u't' && initial != u'a' && initial != u'i' && initial != u'h' && dw::countWord(first) == 0)
        return std::nullopt;
    const bool article = isWord(first, u"the"sv) || isWord(first, u"that"sv) || isWord(first, u"a"sv) ||
                         isWord(first, u"this"sv) || isWord(first, u"in"sv) || isWord(first, u"hours"sv);
    if (!article && dw::countWord(first) == 0)
        return std::nullopt;
    QStringView words[3];
    qsizetype ends[3] = {};
    qsizetype q = start;
    for (int i = 0; i < 3; ++i) {
        q = blanksEnd(q, false);
        words[i] = i == 0 ? first : wordAt(q);
        q += words[i].size();
        ends[i] = q;
        if (words[i].isEmpty())
            break;
    }
    const auto is = [&](int i, std::u16string_view w) { return isWord(words[i], w); };
    const auto unit = [&](int i) {
        return is(i, u"day"sv) || is(i, u"days"sv)     ? dw::Step::Days
               : is(i, u"year"sv) || is(i, u"years"sv) ? dw::Step::Years
                                                       : dw::Step::None;
    };
    DatePhrase d;
    d.start = start;
    if ((is(0, u"the"sv) || is(0, u"that"sv)) &&
        (is(1, u"next"sv) || is(1, u"following"sv) || is(1, u"same"sv) || is(1, u"previous"sv))) {
        d.step = unit(2);
        d.stepCount = is(1, u"same"sv) ? 0 : is(1, u"previous"sv) ? -1 : 1;
        d.end = ends[2];
        // "the following morning": the next day; "at the same time": the day the text is at.
        if (d.step == dw::Step::None && !is(1, u"same"sv) && isPartOfDay(words[2]))
            d.step = dw::Step::Days;
        const QStringView before = wordBefore(start);
        // "At the same time, ..." opens a sentence; "output at the same time" is no date.
        if (d.step == dw::Step::None && is(1, u"same"sv) && is(2, u"time"sv) &&
            ((isWord(before, u"at"sv) && opensSentence(start, 1)) || isWord(before, u"around"sv) ||
             isWord(before, u"about"sv)))
            d.step = dw::Step::Days;
    } else if (is(0, u"the"sv) && is(1, u"day"sv) && (is(2, u"before"sv) || is(2, u"after"sv))) {
        // "the day before", "the day after the battle"; right after a date it restates that date:
        // "On 2 October 1950 - the day after the crossing".
        d.step = dw::Step::Days;
        d.stepCount = inAppositionToLastDate(start) ? 0 : is(2, u"before"sv) ? -1 : 1;
        d.end = ends[2];
    } else if (const int days = dw::countWord(words[0]);
               days > 0 && unit(1) == dw::Step::Days && (is(2, u"after"sv) || is(2, u"before"sv))) {
        // "Five days after the fall of Girona": counted from the last day the text named.
        d.step = dw::Step::Days;
        d.stepCount = inAppositionToLastDate(start) ? 0 : is(2, u"before"sv) ? -days : days;
        d.end = ends[2];
    } else if ((is(0, u"hours"sv) && is(1, u"later"sv)) ||
               (is(0, u"in"sv) && is(1, u"the"sv) && isPartOfDay(words[2]))) {
        // "Hours later", "In the morning": the day the text is at.
        d.step = dw::Step::Days;
        d.end = is(0, u"hours"sv) ? ends[1] : ends[2];
    } else if (is(0, u"this"sv) && (is(1, u"day"sv) || is(1, u"date"sv))) {
        // "this day", but not "to this day", which is now.
        const QStringView before = wordBefore(start);
        if (!isWord(before, u"to"sv) && !isWord(before, u"until"sv) && !isWord(before, u"till"sv)) {
            d.step = dw::Step::Days;
            d.end = ends[1];
        }
    } else if (is(0, u"that"sv) && isPartOfDay(words[1])) {
        d.step = dw::Step::Days;
        d.end = ends[1];
    } else if (is(0, u"that"sv) && is(1, u"year"sv)) {
        d.step = dw::Step::Years;
        d.end = ends[1];
    } else if (is(0, u"the"sv) && is(1, u"year"sv) && !isDigit(blanksEnd(ends[1], false))) {
        // "the end of the year", "late in the year"
        d.step = dw::Step::Years;
        d.end = ends[1];
    } else if (const int n = is(0, u"a"sv) ? 1 : dw::countWord(words[0]); n > 0 && is(2, u"later"sv)) {
        d.step = unit(1);
        d.stepCount = n;
        d.end = ends[2];
    } else if (n > 0 && unit(1) == dw::Step::Years && (is(2, u"earlier"sv) || is(2, u"before"sv))) {
        d.step = dw::Step::Years;
        d.stepCount = -n;
        d.end = ends[2];
    }
    if (d.step == dw::Step::None)
        return std::nullopt;
    // "as in Korea a year earlier": a year counted in a side clause is a date, not where the story is.
    d.opens = d.step == dw::Step::Days || opensSentence(start);
    return d;
}

std::optional<DatePhrase> DateReader::feast(qsizetype start, QStringView word)
{
    const char16_t initial = initialOf(word);
    if (initial != u'c' && initial != u'e' && initial != u'n')
        return std::nullopt;
    DatePhrase d;
    d.start = start;
    qsizetype end = start + word.size();
    if (isWord(word, u"christmas"sv)) {
        d.feast = Feast::Christmas;
        const QStringView next = wordAt(blanksEnd(end, false));
        if (next == u"Eve") {
            d.feast = Feast::ChristmasEve;
            end = blanksEnd(end, false) + next.size();
        } else if (next == u"Day") {
            end = blanksEnd(end, false) + next.size();
        }
    } else if (isWord(word, u"easter"sv)) {
        d.feast = Feast::Easter;
        const QStringView next = wordAt(blanksEnd(end, false));
        if (next == u"Sunday")
            end = blanksEnd(end, false) + next.size();
        else if (next == u"Monday" || next == u"Rising" || next == u"Offensive")
            return std::nullopt;
    } else if (word == u"New") {
        // "New Year's Day", "New Year's Eve"
        qsizetype q = blanksEnd(end, false);
        if (wordAt(q) != u"Year" || q + 6 > t.size() || (t[q + 4] != u'\'' && t[q + 4] != QChar(0x2019)) ||
            t[q + 5] != u's')
            return std::nullopt;
        q = blanksEnd(q + 6, false);
        const QStringView which = wordAt(q);
        if (which != u"Day" && which != u"Eve")
            return std::nullopt;
        d.feast = which == u"Day" ? Feast::NewYearsDay : Feast::NewYearsEve;
        end = q + which.size();
    } else {
        return std::nullopt;
    }
    d.end = end;
    readYearAfter(d, end);
    if (d.year == 0) {
        // A feast alone is the narrative's, and only where the words around make it a time: "by
        // Christmas", not "Christmas lights".
        const QString before = wordBefore(start).toString().toLower();
        if (before != u"by" && before != u"at" && before != u"on" && before != u"over" && before != u"for" &&
            before != u"before" && before != u"after" && before != u"until" && before != u"till" &&
            before != u"since" && before != u"during")
            return std::nullopt;
        const QStringView next = wordAt(blanksEnd(end, false));
        if (!next.isEmpty() && next.front().isLower() && !dw::isFunctionWord(next.toString()))
            return std::nullopt;
        d.needsNarrative = true;
    }
    return d;
}

std::optional<DatePhrase> DateReader::monthAlone(qsizetype start, qsizetype afterMonth, int month)
{
    // "in August", "early December", "by the end of March": a month of the narrative's year.
    if (!t[start].isUpper())
        return std::nullopt;
    const QString before = wordBefore(start).toString().toLower();
    if (before.isEmpty() || (!dw::introducesYear(before) && before != u"to" && before != u"that"))
        return std::nullopt;
    // "in May, 1,200 men": a number right after is not the month's.
    const qsizetype q = blanksEnd(afterMonth, false);
    if (isDigit(q))
        return std::nullopt;
    DatePhrase d;
    d.start = start;
    d.end = afterMonth;
    d.month = month;
    d.needsNarrative = true;
    return d;
}

bool DateReader::inAppositionToLastDate(qsizetype start) const
{
    if (mLastDateEnd < 0 || start < mLastDateEnd || start - mLastDateEnd > 4)
        return false;
    bool mark = false;
    for (qsizetype i = mLastDateEnd; i < start; ++i) {
        const QChar c = t[i];
        if (c == u',' || (isBlankOrDash(c) && !c.isSpace() && c != QChar(0x00A0)))
            mark = true;
        else if (!isBlankOrDash(c))
            return false;
    }
    return mark;
}

bool DateReader::opensSentence(qsizetype start, int maxWords) const
{
    // "In 1940, ...", "Early in 1941 ...", "In the summer of 1940 ...": a few words from the sentence's start.
    qsizetype i = start - 1;
    int words = 0;
    while (i >= 0) {
        const QChar c = t[i];
        if (c == u'.' || c == u'!' || c == u'?' || c == u';' || c == u'\n' || c == u'\r')
            return true;
        if (c.isLetter()) {
            if (++words > maxWords)
                return false;
            while (i >= 0 && t[i].isLetter())
                --i;
            continue;
        }
        if (!isBlankOrDash(c) && c != u',' && c != u'"' && c != u'(')
            return false;
        --i;
    }
    return true;
}

std::optional<DatePhrase> DateReader::writingDay(qsizetype start, QStringView word)
{
    const char16_t initial = initialOf(word);
    if (initial != u't' && initial != u'y' && initial != u'm' && initial != u'w' && initial != u'f' && initial != u's')
        return std::nullopt;
    DatePhrase d;
    d.start = start;
    d.end = start + word.size();
    if (isWord(word, u"today"sv) || isWord(word, u"tonight"sv) || isWord(word, u"yesterday"sv) ||
        isWord(word, u"tomorrow"sv)) {
        // "today's prices" is a date too; "Today" as a name ("the Today programme") is rare enough.
        d.step = dw::Step::WritingDays;
        d.stepCount = initial == u'y' ? -1 : isWord(word, u"tomorrow"sv) ? 1 : 0;
        return d;
    }
    static constexpr std::u16string_view weekdays[] = {u"monday"sv, u"tuesday"sv,  u"wednesday"sv, u"thursday"sv,
                                                       u"friday"sv, u"saturday"sv, u"sunday"sv};
    if (!word.front().isUpper())
        return std::nullopt;
    for (int i = 0; i < 7; ++i) {
        if (!isWord(word, weekdays[i]))
            continue;
        // "Monday, June 5" and "Sunday 7 December 1941": the date after says which day it is.
        qsizetype q = d.end < t.size() && t[d.end] == u',' ? d.end + 1 : d.end;
        q = blanksEnd(q, false);
        if (isDigit(q) || dw::monthNumber(wordAt(q)) != 0)
            return std::nullopt;
        // "Easter Monday", "Black Tuesday", "Good Friday": a name, not the day of the week.
        const QStringView before = wordBefore(start);
        const QString lower = before.toString().toLower();
        if (!before.isEmpty() && before.front().isUpper() && lower != u"on" && lower != u"by" && lower != u"last" &&
            lower != u"next" && lower != u"this" && lower != u"until" && lower != u"since")
            return std::nullopt;
        d.step = dw::Step::Weekday;
        d.weekday = i + 1;
        d.direction = lower == u"last" ? -1 : lower == u"next" || looksAhead(start) ? 1 : 0;
        return d;
    }
    return std::nullopt;
}

bool DateReader::looksAhead(qsizetype start) const
{
    qsizetype at = start;
    for (int i = 0; i < 8; ++i) {
        qsizetype wordStart = 0;
        const QStringView w = wordBefore(at, &wordStart);
        if (w.isEmpty())
            return false;
        if (isWord(w, u"will"sv) || isWord(w, u"shall"sv) || isWord(w, u"ll"sv) || isWord(w, u"due"sv) ||
            isWord(w, u"scheduled"sv) || isWord(w, u"expected"sv) || isWord(w, u"planned"sv) || isWord(w, u"plans"sv) ||
            isWord(w, u"next"sv) || isWord(w, u"until"sv) || isWord(w, u"coming"sv))
            return true;
        if (isWord(w, u"said"sv) || isWord(w, u"was"sv) || isWord(w, u"were"sv) || isWord(w, u"had"sv) ||
            isWord(w, u"last"sv))
            return false;
        at = wordStart;
    }
    return false;
}

} // namespace qm
