// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrollextents.h"

#include "canvasmodel.h"

#include <algorithm>

namespace qm {

ScrollExtents computeScrollExtents(double rightmostName, double canvasHeight, int minDist,
                                   const CanvasViewport &viewport)
{
    ScrollExtents e;
    double w = viewport.width;
    e.canvasWidth = std::max(rightmostName + 4.0 * minDist, w);
    e.canvasHeight = canvasHeight;
    e.hVisible = e.canvasWidth > roundTwips(w);

    const double h = viewport.height - (e.hVisible ? viewport.hBarHeight : 0.0);
    e.vVisible = canvasHeight > h;
    if (e.vVisible)
        w -= viewport.vBarWidth;

    const double overflow = e.canvasWidth - w;
    e.ScrollUnit = overflow <= FineScrollLimit ? 1 : overflow <= MediumScrollLimit ? 10 : 100;
    // Plain ints, not the 16 bits of old scroll bars: a long timeline must stay scrollable to its end.
    e.hMaximum = std::max(0, roundTwips(overflow / e.ScrollUnit));
    if (w > 0.0 && e.canvasWidth > 0.0)
        e.hPageStep = roundTwips(e.hMaximum / (e.canvasWidth / w));
    e.hLineStep = roundTwips(e.hPageStep / 2.0);

    e.vMaximum = std::max(0, roundTwips(canvasHeight - h));
    e.vLineStep = roundTwips(e.vMaximum / 5.0);
    e.vPageStep = roundTwips(e.vMaximum / 2.0);
    return e;
}

} // namespace qm
