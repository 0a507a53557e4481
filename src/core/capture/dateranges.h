// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datescanner.h"

#include <QStringView>

namespace qm {

// What lies between two dates of a text makes them the ends of one period: a dash, "to", "until",
// "till" or "through" (the last four may take a "the"), or "and" when "between" stands before the
// first date (`firstStart`). Only blanks may stand around it, and nothing else between `from` and `to`.
bool joinsRange(QStringView text, qsizetype firstStart, qsizetype from, qsizetype to);

// The last day a date covers at the precision the text gave it: 31 December of a year, the last day
// of a month, the day itself; at midnight.
ExtDate lastDayOf(const ExtDate &date, FoundDate::Precision precision);

// Day `day` of month `month` in the year of `date`; nullopt when that month has no such day.
std::optional<ExtDate> dateInYearOf(const ExtDate &date, int month, int day);

} // namespace qm
