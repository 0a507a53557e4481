// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timescale.h"

#include <QString>

#include <functional>
#include <vector>

namespace qm {

// One mark on a time axis; minor marks carry no label.
struct AxisTick
{
    double x = 0.0;
    QString label;
    bool major = true;

    friend bool operator==(const AxisTick &, const AxisTick &) = default;
};

// The distance between two labelled marks: a number of days, months or years.
struct TickStep
{
    enum class Unit { Day, Month, Year };
    Unit unit = Unit::Year;
    int count = 1;

    friend bool operator==(const TickStep &, const TickStep &) = default;
};

struct AxisTicks
{
    TickStep step;
    std::vector<AxisTick> ticks; // ascending x, major and minor mixed
};

// A year as the axis labels it: "480 BC"; "AD 79" for years below 1000 where the axis also shows
// years before the era, else plainly "79".
QString yearLabel(int astro, bool crossesEra);

// The marks of the axis between fromX and toX: the smallest step whose labels stand at least their
// own width (and a small gap) apart, with minor marks between them where they have room.
// `labelWidth` gives a label's width in twips.
AxisTicks chooseAxisTicks(const TimeScale &scale, double fromX, double toX,
                          const std::function<double(const QString &)> &labelWidth);

} // namespace qm
