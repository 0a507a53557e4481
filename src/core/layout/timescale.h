// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <optional>

namespace qm {

// The first and last year the dates can hold, as astronomical years (1 BC is year 0, 2 BC is -1).
inline constexpr int FirstAstroYear = 1 - 9799;
inline constexpr int LastAstroYear = 9999;

// The astronomical year of a year as people count it (no year 0).
int astroYear(int year, bool bc);
// The year the date value keeps for an astronomical year: the shifted year of early AD and BC dates.
int storedYearOf(int astro);
// Where in time a date lies, in years on one continuous line: the astronomical year plus the part of
// it gone by. 1 BC to AD 1 is one year, and a day is its share of its own year, leap days included.
// Nullopt for an invalid date.
std::optional<double> yearPosition(const ExtDate &date);
// The position of the start of a day of an astronomical year.
double yearPositionOf(int astro, int month, int day);

// Time laid along the canvas: x grows in proportion to time.
struct TimeScale
{
    double origin = 0.0;       // the year position at x = left
    double left = 0.0;         // twips
    double twipsPerYear = 1.0; // > 0

    double xOf(double position) const { return left + (position - origin) * twipsPerYear; }
    double positionAt(double x) const { return origin + (x - left) / twipsPerYear; }
    // The same time at `factor` times the width: what a zoom shows.
    TimeScale scaled(double factor) const { return {origin, left * factor, twipsPerYear * factor}; }
    friend bool operator==(const TimeScale &, const TimeScale &) = default;
};

// The scale that lays the span from `first` to `last` (year positions) over `width` twips starting
// at `left`, with a margin of a twentieth of the span (at least a day) on either side.
TimeScale fitTimeScale(double first, double last, double left, double width);

} // namespace qm
