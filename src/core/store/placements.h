// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"
#include "store/rowsnapshot.h"

#include <QHash>
#include <QPointF>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <utility>
#include <vector>

// Every statement on the boxes of timelines (table TimeLineEvent) lives here.
namespace qm {

class ProjectDatabase;
class SqlQuery;

// Where one event's box stands on a timeline: the top-left corner of its picture, in twips.
struct Placement
{
    qint32 eventId = 0;
    double BoxLeft = 0.0;
    double BoxTop = 0.0;
};

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

// The boxes of a timeline in chronological order of their events (era, then date). Rows naming an
// event that no longer exists are left out: there is nothing to show for them.
std::vector<Placement> timelinePlacements(ProjectDatabase &db, qint32 timelineId);
// The boxes stored for the timeline with the dates of their events, in chronological order.
std::vector<DatedPlacement> datedPlacements(ProjectDatabase &db, qint32 timelineId);
// Reads the boxes of the timeline with their events in chronological order, in one statement for a
// timeline of any size. `visit` gets each box as stored and the row, which holds the event's
// clEvent::storedColumns() from column PlacedEventColumn on (rows naming no event are left out).
void visitPlacedEvents(ProjectDatabase &db, qint32 timelineId,
                       const std::function<void(const Placement &box, const SqlQuery &row)> &visit);
inline constexpr int PlacedEventColumn = 3;
// The stored position of every box of the timeline (the first row where an event has several).
std::map<qint32, QPointF> storedBoxPositions(ProjectDatabase &db, qint32 timelineId);
// The events with a box on the timeline.
std::set<qint32> eventsOnTimeline(ProjectDatabase &db, qint32 timelineId);
// The names of the timelines each event has a box on, by name (letter case ignored), then id.
QHash<qint32, QStringList> timelineNamesOfEvents(ProjectDatabase &db);
// Every (event, timeline) pair that has a box.
std::vector<std::pair<qint32, qint32>> allPlacements(ProjectDatabase &db);

// Writes the positions of boxes already on the timeline in one transaction; boxes without a row are
// left alone. Positions go in as single-precision values, as they always were.
void storeBoxPositions(ProjectDatabase &db, qint32 timelineId, const std::vector<BoxPosition> &positions);
// Gives each event exactly one row on the timeline, at the position given (one transaction).
void replacePlacements(ProjectDatabase &db, qint32 timelineId, const std::vector<Placement> &rows);
// Moves the boxes of the events right by their amounts, every row of each (one transaction).
void shiftPlacements(ProjectDatabase &db, qint32 timelineId, const std::vector<std::pair<qint32, double>> &shifts);
// Every box of the timeline whose event is dated from `first` to `last` (both included) moves right
// by `dx`.
struct DateRangeShift
{
    ExtDate first;
    ExtDate last;
    double dx = 0.0;
};
void shiftPlacementsByDate(ProjectDatabase &db, qint32 timelineId, const std::vector<DateRangeShift> &ranges);
// Takes the event's boxes off every timeline.
void removeEventFromTimelines(ProjectDatabase &db, qint32 eventId);
// Takes the events' boxes off the timeline (one transaction).
void removePlacements(ProjectDatabase &db, qint32 timelineId, const std::vector<qint32> &eventIds);

// The rows of the events' boxes on the timeline, kept for an undo.
RowSnapshot placementRows(ProjectDatabase &db, qint32 timelineId, const std::vector<qint32> &eventIds);
// The rows of the event's boxes on every timeline, kept for an undo.
RowSnapshot placementRowsOfEvent(ProjectDatabase &db, qint32 eventId);
// A snapshot of the boxes of whole timelines, not yet read: its keys are timeline ids.
RowSnapshot timelinePlacementRows();

// Drawn to scale, a box keeps only its row: the top of its picture at zoom 1, apart from its place in
// date order. The boxes of the timeline that have one (none in files older than the scale).
std::map<qint32, double> scaleTops(ProjectDatabase &db, qint32 timelineId);
// Writes the to-scale tops of boxes already on the timeline (one transaction); nullopt clears one.
void storeScaleTops(ProjectDatabase &db, qint32 timelineId,
                    const std::vector<std::pair<qint32, std::optional<double>>> &tops);

// The same value in single precision: what the file keeps of a position.
double storedTwips(double value);

} // namespace qm
