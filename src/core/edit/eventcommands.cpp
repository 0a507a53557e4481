// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventcommands.h"

#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/globals.h"
#include "store/placements.h"
#include "store/sqlquery.h"

namespace qm {

namespace {

void takeOffCanvas(TimelineCanvas &canvas, qint32 id)
{
    Globals &g = canvas.globals();
    if (g.SelectedId == id) {
        canvas.ClearSelection();
        g.SelectedId = -1;
    }
    canvas.model().removeBox(id);
}

} // namespace

void showStoredBoxes(TimelineCanvas &canvas, const std::vector<qint32> &ids)
{
    Globals &g = canvas.globals();
    if (g.CurTimeLineId <= 0)
        return;
    const std::map<qint32, QPointF> stored = storedBoxPositions(g.ProjectDb, g.CurTimeLineId);
    for (const qint32 id : ids) {
        const auto it = stored.find(id);
        if (it == stored.end())
            continue;
        g.CurEvent = loadEventAside(g, id);
        canvas.LoadBox(*g.CurEvent, roundTwips(it->second.x() * g.Zoom), roundTwips(it->second.y() * g.Zoom));
    }
}

ExcludeEventsCommand::ExcludeEventsCommand(TimelineCanvas &canvas, qint32 timelineId, std::vector<qint32> ids,
                                           const QString &text)
    : CanvasCommand(canvas, timelineId, text), mIds(std::move(ids)), mPlacements(placementRows(db(), timelineId, mIds))
{}

void ExcludeEventsCommand::redo()
{
    removePlacements(db(), timelineId(), mIds);
    if (!shown())
        return;
    for (const qint32 id : mIds)
        takeOffCanvas(canvas(), id);
    layoutChanged();
}

void ExcludeEventsCommand::undo()
{
    mPlacements.restore(db());
    if (!shown())
        return;
    showStoredBoxes(canvas(), mIds);
    layoutChanged();
}

DeleteEventsCommand::DeleteEventsCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const QString &text)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, text)
{
    for (const qint32 id : ids) {
        Kept k;
        k.id = id;
        k.event = RowSnapshot::matching(db(), QStringLiteral("Event"), QStringLiteral("Id = ?"), {id});
        k.elements = RowSnapshot::matching(db(), QStringLiteral("EventElement"), QStringLiteral("EventId = ?"), {id});
        k.placements = placementRowsOfEvent(db(), id);
        k.formats = RowSnapshot::matching(db(), QStringLiteral("Format"), QStringLiteral("EventId = ?"), {id});
        mKept.push_back(std::move(k));
    }
}

void DeleteEventsCommand::redo()
{
    {
        TransactionGuard guard(db());
        for (const Kept &k : mKept)
            DeleteEventRow(db(), k.id);
        guard.commit();
    }
    // Whatever timeline is shown now loses the boxes: the events are gone from every one.
    for (const Kept &k : mKept)
        takeOffCanvas(canvas(), k.id);
    layoutChanged();
}

void DeleteEventsCommand::undo()
{
    {
        TransactionGuard guard(db());
        for (const Kept &k : mKept) {
            k.event.restore(db());
            k.elements.restore(db());
            k.placements.restore(db());
            k.formats.restore(db());
        }
        guard.commit();
    }
    std::vector<qint32> ids;
    for (const Kept &k : mKept)
        ids.push_back(k.id);
    showStoredBoxes(canvas(), ids);
    layoutChanged();
}

} // namespace qm
