// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "makeroom.h"

#include "commandgroup.h"
#include "layout/timelinecanvas.h"
#include "moveboxescommand.h"
#include "store/globals.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace qm {

std::vector<BoxMove> roomFor(TimelineCanvas &canvas, qint32 id)
{
    Globals &g = canvas.globals();
    std::vector<BoxMove> moves;
    if (!canvas.IsOnCanvas(id) || g.CurTimeLineId <= 0)
        return moves;
    std::vector<qint32> later;
    bool passed = false;
    for (const DatedPlacement &p : datedPlacements(g.ProjectDb, g.CurTimeLineId)) {
        if (p.eventId == id)
            passed = true;
        else if (passed && canvas.IsOnCanvas(p.eventId) &&
                 std::find(later.begin(), later.end(), p.eventId) == later.end())
            later.push_back(p.eventId);
    }
    double nearest = std::numeric_limits<double>::infinity();
    for (const qint32 other : later)
        nearest = std::min(nearest, static_cast<double>(canvas.LoadUple(other).Left));
    const double missing = canvas.LoadUple(id).Right + canvas.canvasMinDist() - nearest;
    if (later.empty() || missing <= 0.5)
        return moves;
    // Stored positions are at full size, whatever the zoom shown.
    const double dx = missing / (g.Zoom > 0 ? g.Zoom : 1.0);
    for (const qint32 other : later) {
        const QPointF before = canvas.storedPositionOf(other);
        moves.push_back({other, before, QPointF(storedTwips(before.x() + dx), before.y())});
    }
    return moves;
}

bool makeRoomFor(CommandGroup &group, TimelineCanvas &canvas, qint32 id)
{
    std::vector<BoxMove> moves = roomFor(canvas, id);
    if (moves.empty())
        return false;
    for (const BoxMove &m : moves)
        canvas.placeBoxAt(m.eventId, m.after);
    const qint32 timeline = canvas.globals().CurTimeLineId;
    return group.add(std::make_unique<MoveBoxesCommand>(
        canvas, timeline, QCoreApplication::translate("MakeRoom", "room for a longer name"), std::move(moves)));
}

} // namespace qm
