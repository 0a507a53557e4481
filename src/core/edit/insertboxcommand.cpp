// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "insertboxcommand.h"

#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/globals.h"
#include "store/sqlquery.h"

#include <QCoreApplication>

namespace qm {

namespace {

const QString FormatCondition = QStringLiteral("TimelineId = ? AND EventId = ?");

} // namespace

InsertBoxCommand::InsertBoxCommand(TimelineCanvas &canvas, bool newEvent)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, QString()), mNewEvent(newEvent)
{
    const Globals &gl = canvas.globals();
    mEventId = gl.CurEvent ? gl.CurEvent->Id : 0;
    const QString name = gl.CurEvent ? gl.CurEvent->Name : QString();
    setText(newEvent ? QCoreApplication::translate("InsertBoxCommand", "new event %1").arg(name)
                     : QCoreApplication::translate("InsertBoxCommand", "insertion of %1").arg(name));
}

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
        execSql(db(),
                QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (?, ?, ?, ?)"),
                {timelineId(), mEventId, storedTwips(mPlacedAt.x()), storedTwips(mPlacedAt.y())});
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
    gl.CurEvent = loadEventAside(gl, mEventId);
    c.LoadBox(roundTwips(mPlacedAt.x() * gl.Zoom), roundTwips(mPlacedAt.y() * gl.Zoom));
    for (const BoxMove &m : mShifted)
        c.placeBoxAt(m.eventId, m.after);
    c.ClearSelection();
    gl.SelectedId = mEventId;
    layoutChanged();
}

void InsertBoxCommand::firstRedo()
{
    const std::map<qint32, QPointF> before = storedBoxPositions(db(), timelineId());
    mFormatBefore = StoredRows::read(db(), QStringLiteral("Format"), FormatCondition, {timelineId(), mEventId});
    mPlaced = canvas().InsertNewBox();
    mFirst = false;
    if (!mPlaced) {
        setObsolete(true);
        return;
    }
    const std::map<qint32, QPointF> after = storedBoxPositions(db(), timelineId());
    for (const auto &[id, at] : after) {
        const auto it = before.find(id);
        if (id == mEventId)
            mPlacedAt = at;
        else if (it != before.end() && it->second != at)
            mShifted.push_back({id, it->second, at});
    }
    mFormatAfter = StoredRows::read(db(), QStringLiteral("Format"), FormatCondition, {timelineId(), mEventId});
    if (mNewEvent) {
        mEventRow = StoredRows::read(db(), QStringLiteral("Event"), QStringLiteral("Id = ?"), {mEventId});
        mElementRows =
            StoredRows::read(db(), QStringLiteral("EventElement"), QStringLiteral("EventId = ?"), {mEventId});
    }
}

void InsertBoxCommand::undo()
{
    {
        TransactionGuard guard(db());
        execSql(db(), QStringLiteral("DELETE FROM TimeLineEvent WHERE TimeLineId = ? AND EventId = ?"),
                {timelineId(), mEventId});
        mFormatBefore.restore(db());
        std::vector<BoxPosition> positions;
        for (const BoxMove &m : mShifted)
            positions.push_back({m.eventId, m.before});
        storeBoxPositions(db(), timelineId(), positions);
        if (mNewEvent)
            DeleteEventRow(db(), mEventId);
        guard.commit();
    }
    if (!shown())
        return;
    TimelineCanvas &c = canvas();
    if (g().SelectedId == mEventId) {
        c.ClearSelection();
        g().SelectedId = -1;
    }
    c.model().removeBox(mEventId);
    for (const BoxMove &m : mShifted)
        c.placeBoxAt(m.eventId, m.before);
    layoutChanged();
}

} // namespace qm
