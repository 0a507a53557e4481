// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datewords.h"

#include <QStringView>

#include <optional>

namespace qm {

// A feast whose day a year gives: fixed ones, and Easter by the calendar of its time.
enum class Feast : quint8 { None, Christmas, ChristmasEve, NewYearsDay, NewYearsEve, Easter };

// One date as a text writes it: where it stands and the parts it names. A part the text leaves out is 0.
struct DatePhrase
{
    qsizetype start = 0;
    qsizetype end = 0;
    int year = 0;
    // 2 for a year written with two digits ("12/25/90"), which the platform widens to a century.
    int yearDigits = 0;
    int month = 0;
    int day = 0;
    datewords::Era era = datewords::Era::None;
    // A year alone, written without an era word: its era is the narrative's.
    bool bareYear = false;
    // A date counted from the one before: "the next day" (Days, 1), "that same year" (Years, 0).
    datewords::Step step = datewords::Step::None;
    int stepCount = 0;
    // The year is the time the text tells of ("in 1940"), not one it looks to ("since 1813", "(1790)").
    bool narrates = true;
    // The year opens its sentence or heads a section: the narrative moves on to it. One in the middle
    // of a sentence may be an aside ("found in 2004"), and only gives a narrative that has no year yet one.
    bool opens = true;
    // Written with numbers only ("7/4/1776"): which number is the month is the reader's date order.
    bool numeric = false;
    Feast feast = Feast::None;
    // "'89": a two-digit year of the narrative's century.
    bool shortYear = false;
    // A month alone or a feast without its year: a date only in a narrative that has named its year.
    bool needsNarrative = false;
    // With Step::Weekday: 1 for Monday to 7 for Sunday, and which one the text means: -1 the latest
    // before the writing day ("last Monday"), 1 the next after it ("next Monday", "will meet on
    // Monday"), 0 the latest on or before it ("said on Monday").
    int weekday = 0;
    int direction = 0;
    // A whole date that opens its sentence ("On 9 November 1989, ..."); one in mid-sentence is an aside
    // in a report, which tells of the time it was written.
    bool wholeDateOpens = false;
    // The last year or day of a range the phrase runs to ("1914-18", "480-479 BC", "3-5 May", "the
    // 1790s"), its other parts being the first date's; 0 for none. Whether it lies after the first date
    // is for the reading of both to say.
    int endYear = 0;
    int endDay = 0;
};

// Reads the dates of a history text in text order: "22 June 1941", "June 22, 1941", "the 22nd of June",
// "6/22/1941", "1941-06-22", "June 1941", "480 B.C.", "AD 79", and years that the words around them make
// years ("in 1940", "1914-18", "the summer of 1940"), but not counts ("1,200 men", "300 ships").
// Every character is looked at a bounded number of times, so that a text of any size reads in one pass.
class DateReader
{
public:
    explicit DateReader(QStringView text) : t(text) {}

    // The next date after the last one read; nullopt at the end of the text.
    std::optional<DatePhrase> next();
    // Where reading has got to, for progress.
    qsizetype position() const { return p; }

private:
    // The rules live by kind of phrase: datereader_months.cpp, datereader_numbers.cpp, datereader_words.cpp.
    struct Number
    {
        qsizetype start = 0;
        qsizetype end = 0;
        int value = 0;
        int digits = 0;
    };

    std::optional<DatePhrase> fromWord(qsizetype start, qsizetype wordEnd);
    std::optional<DatePhrase> fromNumber(qsizetype start);
    std::optional<DatePhrase> monthFirst(qsizetype start, qsizetype afterMonth, int month);
    std::optional<DatePhrase> dayFirst(const Number &day);
    std::optional<DatePhrase> withEra(const Number &year);
    std::optional<DatePhrase> bareYear(const Number &year);
    std::optional<DatePhrase> dayOfMonth(const Number &day);
    std::optional<DatePhrase> relative(qsizetype start, QStringView firstWord);
    std::optional<DatePhrase> feast(qsizetype start, QStringView word);
    // "today", "yesterday", "tomorrow", "on Tuesday": days of the time the text was written.
    std::optional<DatePhrase> writingDay(qsizetype start, QStringView word);
    // A word of the sentence before `start`, within a few words, looks ahead: "will", "due", "next".
    bool looksAhead(qsizetype start) const;
    std::optional<DatePhrase> monthAlone(qsizetype start, qsizetype afterMonth, int month);
    // Only a few words stand between the sentence's start and `start` ("In the summer of 1940").
    bool opensSentence(qsizetype start, int maxWords = 4) const;
    // Only a comma or a dash stands between the last date and `start`: the phrase restates that date.
    bool inAppositionToLastDate(qsizetype start) const;
    // "26 June - 4 August 1952", "from May 15 to August 16, 1988": the year written after the range.
    void borrowYear(DatePhrase &d);
    // A year after a day and month: "4 June 1941", "June 4, 1941", "March 15, 44 BC".
    void readYearAfter(DatePhrase &d, qsizetype from) const;

    Number numberAt(qsizetype at) const;
    // A number that stands alone: not part of "1,200", "3.5", "T34" or "1870s".
    bool standsAlone(const Number &n, bool ordinalAllowed) const;
    qsizetype ordinalEnd(const Number &n) const;
    qsizetype blanksEnd(qsizetype from, bool lineBreakAllowed = true) const;
    // Where "5-9" or "5 to 9" ends after the first day's number; `endDay` the last day when the phrase
    // is a range ("5 and 6 June" are two days, unless "between" them).
    qsizetype rangeEnd(qsizetype from, qsizetype start, int *endDay) const;
    // "the 1790s": the decade's first year, running to its last.
    std::optional<DatePhrase> decade(const Number &year) const;
    QStringView wordAt(qsizetype from) const;
    QStringView wordBefore(qsizetype before, qsizetype *wordStart = nullptr) const;
    // The year stands alone on its line, or opens it before a colon: "1938", "1979: Soviet invasion".
    bool isHeading(const Number &year) const;
    // Numbers stand around it or it is reckoned with: a figure, not a year.
    bool amongNumbers(const Number &n) const;
    bool countFollows(qsizetype from, bool strict) const;
    bool isDigit(qsizetype at) const { return at >= 0 && at < t.size() && t[at] >= u'0' && t[at] <= u'9'; }
    bool isLetter(qsizetype at) const { return at >= 0 && at < t.size() && t[at].isLetter(); }
    static bool isDash(QChar c)
    {
        const char16_t u = c.unicode();
        return u == u'-' || (u >= 0x2010 && u <= 0x2014) || u == 0x2212;
    }
    // The era of a year written without one: only an era word before the common era changes it.
    datewords::Era narrativeEra() const
    {
        return mNarrativeEra == datewords::Era::BC ? datewords::Era::BC : datewords::Era::None;
    }
    DatePhrase remember(DatePhrase d);

    QStringView t;
    qsizetype p = 0;
    // The era of the latest era word: a bare year in a narrative before the common era is one too.
    datewords::Era mNarrativeEra = datewords::Era::None;
    // The latest date that is a year, for "from 1939 to 1945" and "1782 and 1783".
    qsizetype mLastYearEnd = -1;
    // Where the last date read ends, for "On 27 June 1950, two days after the invasion".
    qsizetype mLastDateEnd = -1;
    bool mLookingAhead = false;
};

} // namespace qm
