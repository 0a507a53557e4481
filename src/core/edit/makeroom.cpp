// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "makeroom.h"

#include "commandgroup.h"
#include "layout/scalelayout.h"
#include "layout/timelinecanvas.h"
#include "moveboxescommand.h"
#include "store/globals.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>
#include <set>

namespace qm {

namespace {

std::vector<BoxMove> roomInDateOrder(TimelineCanvas &canvas, const std::set<qint32> &grown, const BoxReach &before)
{
    CanvasState &g = canvas.state();
    std::vector<qint32> order;
    std::set<qint32> seen;
    for (const DatedPlacement &p : datedPlacements(g.ProjectDb, g.CurTimeLineId)) {
        if (canvas.IsOnCanvas(p.eventId) && seen.insert(p.eventId).second)
            order.push_back(p.eventId);
    }
    const std::size_t n = order.size();
    // The nearest left edge among the boxes from each one on.
    std::vector<double> leftFrom(n + 1, std::numeric_limits<double>::infinity());
    std::vector<std::size_t> nearest(n + 1, n);
    for (std::size_t i = n; i-- > 0;) {
        const double left = canvas.LoadUple(order[i]).Left;
        leftFrom[i] = std::min(leftFrom[i + 1], left);
        nearest[i] = left <= leftFrom[i + 1] ? i : nearest[i + 1];
    }
    // Whether two boxes share some height: a box beside another, not above or below it as in a cascade.
    // The picture and name: the date labels all stand along the axis.
    const auto heightOf = [&](qint32 id) {
        const CanvasBox &box = *canvas.model().box(id);
        return box.picture.visible ? box.name.rect | box.picture.rect : box.name.rect;
    };
    const auto sideBySide = [&](qint32 a, qint32 b) {
        const QRectF ra = heightOf(a);
        const QRectF rb = heightOf(b);
        return ra.top() < rb.bottom() && rb.top() < ra.bottom();
    };
    // Every box after a grown one moves with it, so each grown box is measured against the later ones
    // as they stood: what the earlier ones asked for moved both alike.
    std::vector<double> shift(n, 0.0);
    double total = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        shift[i] = total;
        if (grown.count(order[i]) == 0 || i + 1 == n)
            continue;
        const double minDist = canvas.canvasMinDist();
        double missing = canvas.LoadUple(order[i]).Right + minDist - leftFrom[i + 1];
        // A box that already reached over a later one above or below it, as a cascade leaves them, asks
        // only for what it grew by; one beside it gets the whole distance.
        if (const auto was = before.find(order[i]); was != before.end() && !sideBySide(order[i], order[nearest[i + 1]]))
            missing -= std::max(0.0, was->second + minDist - leftFrom[i + 1]);
        if (missing > 0.5)
            total += missing;
    }
    std::vector<BoxMove> moves;
    // Stored positions are at full size, whatever the zoom shown.
    const double zoom = g.Zoom > 0 ? g.Zoom : 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (shift[i] == 0.0)
            continue;
        const QPointF before = canvas.storedPositionOf(order[i]);
        moves.push_back({order[i], before, QPointF(storedTwips(before.x() + shift[i] / zoom), before.y())});
    }
    return moves;
}

} // namespace

BoxReach reachOf(TimelineCanvas &canvas, const std::vector<qint32> &ids)
{
    BoxReach reach;
    // To scale the boxes do not stand where room is made, in date order.
    if (canvas.model().timeScale)
        return reach;
    for (const qint32 id : ids) {
        if (canvas.IsOnCanvas(id))
            reach[id] = canvas.LoadUple(id).Right;
    }
    return reach;
}

std::vector<BoxMove> roomFor(TimelineCanvas &canvas, const std::vector<qint32> &ids, const BoxReach &before)
{
    const std::set<qint32> grown(ids.begin(), ids.end());
    if (grown.empty() || canvas.state().CurTimeLineId <= 0)
        return {};
    if (!canvas.model().timeScale)
        return roomInDateOrder(canvas, grown, before);
    std::vector<BoxMove> moves;
    try {
        showInDateOrder(canvas);
        moves = roomInDateOrder(canvas, grown, {});
    } catch (...) {
        layOutToScale(canvas);
        throw;
    }
    layOutToScale(canvas);
    return moves;
}

std::vector<BoxMove> roomFor(TimelineCanvas &canvas, qint32 id)
{
    return roomFor(canvas, std::vector<qint32>{id});
}

bool makeRoomFor(CommandGroup &group, TimelineCanvas &canvas, const std::vector<qint32> &ids, const BoxReach &before)
{
    std::vector<BoxMove> moves = roomFor(canvas, ids, before);
    if (moves.empty())
        return false;
    // To scale what shows stays as the rows were fitted; only the file learns the places in date order.
    if (!canvas.model().timeScale) {
        for (const BoxMove &m : moves)
            canvas.placeBoxAt(m.eventId, m.after);
    }
    const qint32 timeline = canvas.state().CurTimeLineId;
    return group.add(std::make_unique<MoveBoxesCommand>(
        canvas, timeline, QCoreApplication::translate("MakeRoom", "room for a larger box"), std::move(moves)));
}

bool makeRoomFor(CommandGroup &group, TimelineCanvas &canvas, qint32 id, const BoxReach &before)
{
    return makeRoomFor(group, canvas, std::vector<qint32>{id}, before);
}

} // namespace qm
