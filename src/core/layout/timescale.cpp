// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timescale.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// The years the era codes keep shifted in the date value.
constexpr int EraShift = 9899;

int daysInYear(int stored)
{
    return platformdate::isLeapYear(stored) ? 366 : 365;
}

} // namespace

int astroYear(int year, bool bc)
{
    return bc ? 1 - year : year;
}

int storedYearOf(int astro)
{
    if (astro >= platformdate::MinYear)
        return astro;
    if (astro >= 1)
        return EraShift + astro;
    return EraShift - (1 - astro);
}

double yearPositionOf(int astro, int month, int day)
{
    const int stored = storedYearOf(astro);
    const double into =
        static_cast<double>(platformdate::serialOf(stored, month, day) - platformdate::serialOf(stored, 1, 1));
    return astro + into / daysInYear(stored);
}

std::optional<double> yearPosition(const ExtDate &date)
{
    if (date.Era != EraPlain && date.Era != EraEarlyAD && date.Era != EraBC)
        return std::nullopt;
    if (!std::isfinite(date.Value) || date.Value < static_cast<double>(platformdate::MinSerial) ||
        date.Value >= static_cast<double>(platformdate::MaxSerial + 1))
        return std::nullopt;
    // The day itself, not the nearest second, so that a time just before midnight stays in its year.
    const platformdate::Parts p = platformdate::split(std::floor(date.Value));
    int astro = p.year;
    if (date.Era == EraEarlyAD)
        astro = p.year - EraShift;
    else if (date.Era == EraBC)
        astro = 1 - (EraShift - p.year);
    const double day = date.Value - static_cast<double>(platformdate::serialOf(p.year, 1, 1));
    return astro + day / daysInYear(p.year);
}

TimeScale fitTimeScale(double first, double last, double left, double width)
{
    const double span = std::max(last - first, 0.0);
    const double margin = std::max(span / 20.0, 1.0 / 365.0);
    const double from = first - margin;
    const double years = span + 2 * margin;
    return {from, left, std::max(width, 1.0) / years};
}

} // namespace qm
