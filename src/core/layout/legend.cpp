// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "legend.h"

#include "textmeasurer.h"

#include <algorithm>

namespace qm {

namespace {

constexpr double Padding = 90.0;
constexpr double LineGap = 30.0;
constexpr double LegendPoints = 9.0;

} // namespace

CanvasLegend makeLegend(const Categories &categories)
{
    CanvasLegend legend;
    legend.at = categories.legendAt;
    legend.visible = categories.legendVisible && !categories.rules.empty();
    for (const CategoryRule &r : categories.rules) {
        LegendEntry e;
        e.color = r.color;
        e.label.caption = r.elementName;
        legend.entries.push_back(e);
    }
    return legend;
}

void layOutLegend(CanvasLegend &legend, const TextMeasurer &measurer, double zoom)
{
    const double z = zoom > 0 ? zoom : 1.0;
    const QPointF origin = legend.at * z;
    const double pad = Padding * z;
    double y = origin.y() + pad;
    double widest = 0.0;
    for (LegendEntry &e : legend.entries) {
        e.label.font = LabelFont{QStringLiteral("Book Antiqua"), LegendPoints * z, false, false};
        e.label.solid = false;
        e.label.border = false;
        AutoSizeLabel(e.label, measurer);
        const double line = e.label.rect.height();
        const double side = line * 0.8;
        e.swatch = QRectF(origin.x() + pad, y + (line - side) / 2, side, side);
        e.label.rect.moveTopLeft(QPointF(e.swatch.right() + pad, y));
        widest = std::max(widest, e.label.rect.right() - origin.x());
        y += line + LineGap * z;
    }
    legend.rect = QRectF(origin, QPointF(origin.x() + widest + pad, y - LineGap * z + pad));
    if (legend.entries.empty())
        legend.rect = QRectF(origin, QSizeF(0, 0));
}

} // namespace qm
