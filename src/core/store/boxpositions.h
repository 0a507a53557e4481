// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QPointF>
#include <QtGlobal>

#include <map>
#include <vector>

namespace qm {

class ProjectDatabase;

// Where a box stands on a timeline as the file keeps it: its picture's top-left corner at zoom 1.
struct BoxPosition
{
    qint32 eventId = 0;
    QPointF at;
};

// A box moved from one stored position to another; what an undo puts back.
struct BoxMove
{
    qint32 eventId = 0;
    QPointF before;
    QPointF after;
};

// A box of a timeline with the date of its event.
struct DatedPlacement
{
    qint32 eventId = 0;
    ExtDate date;
};

// The boxes stored for the timeline with the dates of their events, in chronological order.
std::vector<DatedPlacement> datedPlacements(ProjectDatabase &db, qint32 timelineId);
// The stored position of every box of the timeline (the first row where an event has several).
std::map<qint32, QPointF> storedBoxPositions(ProjectDatabase &db, qint32 timelineId);
// Writes the positions of boxes already on the timeline in one transaction; boxes without a row are
// left alone. Positions go in as single-precision values, as they always were.
void storeBoxPositions(ProjectDatabase &db, qint32 timelineId, const std::vector<BoxPosition> &positions);
// The same value in single precision: what the file keeps of a position.
double storedTwips(double value);

} // namespace qm
