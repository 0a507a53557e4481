// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "insertboxcommand.h"

#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/globals.h"
#include "store/sqlquery.h"

#include <QCoreApplication>

namespace qm {

InsertBoxCommand::InsertBoxCommand(TimelineCanvas &canvas, bool newEvent)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, QString()), mNewEvent(newEvent)
{
    const Globals &gl = canvas.globals();
    if (gl.CurEvent)
        mEventIds.push_back(gl.CurEvent->Id);
    const QString name = gl.CurEvent ? gl.CurEvent->Name : QString();
    setText(newEvent ? QCoreApplication::translate("InsertBoxCommand", "new event %1").arg(name)
                     : QCoreApplication::translate("InsertBoxCommand", "insertion of %1").arg(name));
}

InsertBoxCommand::InsertBoxCommand(TimelineCanvas &canvas, std::vector<qint32> eventIds, const QString &text)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, text), mEventIds(std::move(eventIds))
{}

void InsertBoxCommand::redo()
{
    if (mFirst) {
        firstRedo();
        return;
    }
    {
        TransactionGuard guard(db());
        if (mNewEvent) {
            mEventRow.restore(db());
            mElementRows.restore(db());
        }
        replacePlacements(db(), timelineId(), mPlacedAt);
        mFormatAfter.restore(db());
        std::vector<BoxPosition> positions;
        for (const BoxMove &m : mShifted)
            positions.push_back({m.eventId, m.after});
        storeBoxPositions(db(), timelineId(), positions);
        guard.commit();
    }
    if (!shown())
        return;
    TimelineCanvas &c = canvas();
    Globals &gl = g();
    for (const Placement &p : mPlacedAt) {
        gl.CurEvent = loadEventAside(gl, p.eventId);
        c.LoadBox(*gl.CurEvent, roundTwips(p.BoxLeft * gl.Zoom), roundTwips(p.BoxTop * gl.Zoom));
    }
    for (const BoxMove &m : mShifted)
        c.placeBoxAt(m.eventId, m.after);
    c.ClearSelection();
    gl.SelectedId = mPlacedAt.empty() ? -1 : mPlacedAt.back().eventId;
    layoutChanged();
}

void InsertBoxCommand::firstRedo()
{
    mFirst = false;
    Globals &gl = g();
    std::vector<std::unique_ptr<clEvent>> owned;
    std::vector<const clEvent *> events;
    if (mNewEvent || (mEventIds.size() == 1 && gl.CurEvent && gl.CurEvent->Id == mEventIds.front())) {
        // The event as the caller holds it, which may be newer than the file's.
        if (gl.CurEvent && gl.CurEvent->Id > 0)
            events.push_back(gl.CurEvent.get());
    } else {
        for (const qint32 id : mEventIds) {
            owned.push_back(loadEventAside(gl, id));
            if (owned.back()->Id == id)
                events.push_back(owned.back().get());
        }
    }
    if (events.empty() || timelineId() <= 0) {
        setObsolete(true);
        return;
    }
    QList<QVariantList> keys;
    for (const clEvent *e : events)
        keys << QVariantList{timelineId(), e->Id};
    const std::map<qint32, QPointF> before = storedBoxPositions(db(), timelineId());
    mFormatBefore.read(db(), keys);
    const std::vector<qint32> placed = canvas().PlaceEvents(events);
    mPlaced = !placed.empty();
    // The window's format of the selected box follows the box placed last, which is selected.
    if (mPlaced && gl.CurFormat)
        gl.CurFormat->GetFormat(db(), placed.back(), timelineId());
    if (!mPlaced) {
        setObsolete(true);
        return;
    }
    mEventIds = placed;
    const std::set<qint32> placedIds(placed.begin(), placed.end());
    const std::map<qint32, QPointF> after = storedBoxPositions(db(), timelineId());
    std::map<qint32, QPointF> placedAt;
    for (const auto &[id, at] : after) {
        const auto it = before.find(id);
        if (placedIds.count(id))
            placedAt[id] = at;
        else if (it != before.end() && it->second != at)
            mShifted.push_back({id, it->second, at});
    }
    for (const qint32 id : placed)
        mPlacedAt.push_back({id, placedAt[id].x(), placedAt[id].y()});
    mFormatAfter.read(db(), keys);
    if (mNewEvent) {
        const qint32 id = mEventIds.front();
        mEventRow = RowSnapshot::matching(db(), QStringLiteral("Event"), QStringLiteral("Id = ?"), {id});
        mElementRows = RowSnapshot::matching(db(), QStringLiteral("EventElement"), QStringLiteral("EventId = ?"), {id});
    }
}

void InsertBoxCommand::undo()
{
    {
        TransactionGuard guard(db());
        removePlacements(db(), timelineId(), mEventIds);
        mFormatBefore.restore(db());
        std::vector<BoxPosition> positions;
        for (const BoxMove &m : mShifted)
            positions.push_back({m.eventId, m.before});
        storeBoxPositions(db(), timelineId(), positions);
        if (mNewEvent)
            DeleteEventRow(db(), mEventIds.front());
        guard.commit();
    }
    if (!shown())
        return;
    TimelineCanvas &c = canvas();
    for (const qint32 id : mEventIds) {
        if (g().SelectedId == id) {
            c.ClearSelection();
            g().SelectedId = -1;
        }
        c.model().removeBox(id);
    }
    for (const BoxMove &m : mShifted)
        c.placeBoxAt(m.eventId, m.before);
    layoutChanged();
}

} // namespace qm
