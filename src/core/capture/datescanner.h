// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace qm {

// A phrase of the text that reads as a valid date: where it is (UTF-16 offsets into the scanned
// text, for colouring and selecting it) and the date it stands for.
struct FoundDate
{
    enum class Precision : quint8 { Day, Month, Year };

    qsizetype FirstIndex = 0;
    qsizetype Length = 0;
    QString Value;
    ExtDate Date;
    Precision precision = Precision::Day;
    // The phrase names its own year: it says the whole date by itself.
    bool ownYear = false;
    // The end of a period the phrase names ("from 1939 to 1945", "3-5 May 1789", "the 1790s"): the
    // last day the text's end covers (31 December 1945), always after Date. None for a point in time.
    std::optional<ExtDate> End;

    // The text the event shows: the phrase when it says the whole date, else the date to the
    // precision the text gave ("5 May 1789", "August 1793", "1795"), never finer. A period shows its
    // start so, its end being the event's own.
    QString shownText(DateOrder order) const;
};

using FoundDates = QList<FoundDate>;

// Called now and then with how far the scan has read and the text's length; false stops the scan.
using ScanProgress = std::function<bool(qsizetype done, qsizetype total)>;

// Every date of the text, in text order, with the date it stands for. A date without a year takes the
// year of the narrative, the latest year the text named before it; only before any is the year
// completed as ExtDate::Assign completes it. A year alone is read as Assign reads it with its era, in
// the narrative's era. A phrase whose reading fails on a database error is left out. A stopped scan
// returns what it found so far.
// A text written on a known day (`written`, else the date its first lines give, see WritingDateOf) starts
// its narrative in that year; a month and day without a year take the year nearest to that day while the
// narrative stays there, and "yesterday" or "on Tuesday" are days counted from it.
// A range ("1914-18", "26 June - 4 August 1952", "between 1793 and 1794", "27 BC - AD 14") is one found
// date whose phrase runs over both ends, read as the first date with the second as its End; an end
// that is not after the start makes no range.
FoundDates ScanDates(const QString &text, const DateEnv &env, const ScanProgress &progress = {}, QDate written = {});

} // namespace qm
