// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Boxes coloured by category, and the legend that names the colours.
#include "timelinecanvas.h"

#include "legend.h"
#include "store/canvasstate.h"
#include "store/categories.h"

#include <algorithm>
#include <cmath>

namespace qm {

void TimelineCanvas::applyCategories()
{
    if (mG.CurTimeLineId <= 0 || !mG.ProjectDb.isOpen()) {
        mModel.legend = CanvasLegend();
        mModel.categoryColors.clear();
        return;
    }
    const Categories categories = loadCategories(mG.ProjectDb, mG.CurTimeLineId);
    mModel.categoryColors = categoryColors(mG.ProjectDb, mG.CurTimeLineId, categories.rules);
    mModel.legend = makeLegend(categories);
    const double zoom = mG.Zoom > 0 ? mG.Zoom : 1.0;
    layOutLegend(mModel.legend, mMeasurer, zoom);
    if (!categories.legendPlaced) {
        // Bottom left, just above the axis: the boxes hang from the top, the first one under the title.
        const double height = mModel.legend.rect.height() / zoom;
        mModel.legend.at = QPointF(AxisLeft, std::max(0.0, mModel.axis.p1.y() / zoom - mG.MinDist - height));
        layOutLegend(mModel.legend, mMeasurer, zoom);
    }
    changed();
}

bool TimelineCanvas::legendAt(double x, double y) const
{
    const CanvasLegend &l = mModel.legend;
    return l.visible && !l.entries.empty() && l.rect.contains(QPointF(x, y));
}

void TimelineCanvas::moveLegendBy(double dx, double dy)
{
    CanvasLegend &l = mModel.legend;
    dx = std::max(dx, -l.rect.left());
    dy = std::max(dy, -l.rect.top());
    const double zoom = mG.Zoom > 0 ? mG.Zoom : 1.0;
    l.at += QPointF(dx, dy) / zoom;
    layOutLegend(l, mMeasurer, zoom);
    changed();
}

QPointF TimelineCanvas::legendPosition() const
{
    return QPointF(std::round(mModel.legend.at.x()), std::round(mModel.legend.at.y()));
}

} // namespace qm
