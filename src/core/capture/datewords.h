// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

namespace qm {

// The words a history text writes its dates with: month names, era words, the words that make a
// number a year ("in 1940", "the summer of 1940") and those that make it a count ("300 ships").
namespace datewords {

enum class Era { None, BC, AD };
// How a date is counted from another: days or years from the date before, or days from the day the
// text was written ("yesterday", "on Tuesday"), which only a text with a known writing date has.
enum class Step { None, Days, Years, WritingDays, Weekday };

// The word equals `lower` (ASCII, lower case), ASCII letter case aside.
bool sameWord(QStringView word, QStringView lower);
// 1 to 20 for "one" to "twenty" or the number in digits, 0 otherwise.
int countWord(QStringView word);

// 1 to 12 for a month's name or its usual short form ("Sept" too), letter case aside; 0 otherwise.
int monthNumber(QStringView word);

struct EraWord
{
    Era era = Era::None;
    qsizetype length = 0;
};
// The era word that starts at `p` ("BC", "B.C.", "BCE", "B.C.E.", "AD", "A.D.", "CE", "C.E.", the last
// period optional), ending where a word may end. Before a year (`before`) only "AD" and "A.D." in capitals.
EraWord eraAt(QStringView text, qsizetype p, bool before = false);

// The word, in lower case, says that a number after it is a year: "in", "since", "early", "summer"...
bool introducesYear(QStringView lowerWord);
// A year the word, in lower case, introduces is the time the text tells of, not one it looks to.
bool narrates(QStringView lowerWord);
// The word, in lower case, names a time of which a year follows with "of": "the summer of 1940".
bool namesPeriod(QStringView lowerWord);
// The word, in lower case, makes the number after it a label or an amount: "page 300", "Flight 655".
bool labelsNumber(QStringView lowerWord);
// The word, in lower case, only joins others ("the", "and", "was"): after a number it says nothing of it.
bool isFunctionWord(QStringView lowerWord);
// The word after a number makes it a count or a measure: "1500 km", "300 men". With `strict`, any plural
// of a lower-case word counts too ("226 sorties").
bool countsNumber(QStringView word, bool strict);

} // namespace datewords
} // namespace qm
