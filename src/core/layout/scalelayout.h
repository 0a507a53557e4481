// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/placements.h"
#include "timescale.h"

#include <QString>

#include <optional>
#include <vector>

namespace qm {

class CanvasState;
class TimelineCanvas;

// One box as the row fitting sees it, at full size: its connector's x, how far it reaches left and
// right of it, its height, and the row top the file keeps for it, if any.
struct ScaleBox
{
    qint32 id = 0;
    double x = 0.0;
    double leftReach = 0.0;
    double rightReach = 0.0;
    double height = 0.0;
    std::optional<double> keptTop;
    double top = 0.0; // the result
};

// Puts each box without a kept top into the first row, from the top, where it keeps `minDist` from
// every box already there; boxes with a kept top stay and stand in the way. Rows are `rowHeight`
// apart from `firstTop`, at most `rowCount` of them. The boxes are taken in ascending x. False when
// some box found no row: it goes into the row that frees up first.
bool fitRows(std::vector<ScaleBox> &boxes, double firstTop, double rowHeight, int rowCount, double minDist);

// The width of a page that "years per page width" counts in, twips (ten inches, a landscape page).
inline constexpr double PageWidthTwips = 14400.0;

// True when the shown timeline is drawn to scale.
bool isShownToScale(const CanvasState &g);

// Lays the boxes of the shown timeline out to scale at the zoom shown: x from each date, rows fitted
// around the boxes the user placed, the scale widened until the rows hold every box; then the axis
// marks. Boxes without a date stand right of the last one. Returns the boxes as fitted (full size).
std::vector<ScaleBox> layOutToScale(TimelineCanvas &canvas);
// The marks and labels of the axis for the scale the canvas shows (after a zoom or a new width).
void refreshAxisTicks(TimelineCanvas &canvas);
// A drag step to scale: the box moves up or down only, inside the rows; false when a sideways move
// was asked for (the date decides x), for the window to say so.
bool dragToScale(TimelineCanvas &canvas, double dx, double dy);
// The end of a drag to scale: the dragged box's row as the file kept it (NaN: none, fitted) and as
// dropped, in y at full size (x is 0); empty when it did not move.
std::vector<BoxMove> dropToScale(TimelineCanvas &canvas);
// Puts the boxes back where the file keeps them in date order, and the axis without marks.
void showInDateOrder(TimelineCanvas &canvas);
// The message a sideways drag to scale shows.
QString sidewaysDragMessage();

} // namespace qm
