// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasmodel.h"
#include "store/categories.h"

namespace qm {

class TextMeasurer;

// The legend of the categories, their colours and element names in rule order, at its stored place.
CanvasLegend makeLegend(const Categories &categories);
// Lays the legend out from its stored corner at the zoom: one line per category, a swatch and the name.
void layOutLegend(CanvasLegend &legend, const TextMeasurer &measurer, double zoom);

} // namespace qm
