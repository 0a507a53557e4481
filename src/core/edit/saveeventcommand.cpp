// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "saveeventcommand.h"

#include "layout/cluple.h"
#include "layout/timelinecanvas.h"
#include "store/clformat.h"
#include "store/globals.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"

namespace qm {

namespace {

const QString EventTable = QStringLiteral("Event");
const QString LinkTable = QStringLiteral("EventElement");

qint32 lastElementId(ProjectDatabase &db)
{
    SqlQuery q(db, QStringLiteral("SELECT coalesce(max(Id), 0) FROM Element"));
    q.exec();
    return q.next() ? q.value(0).toInt() : 0;
}

} // namespace

SaveEventCommand::SaveEventCommand(TimelineCanvas &canvas, const clEvent &event, const QString &text)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, text), mEvent(event), mExisted(event.Id > 0)
{
    if (!mExisted)
        return;
    mEventBefore = RowSnapshot::matching(db(), EventTable, QStringLiteral("Id = ?"), {event.Id});
    mLinksBefore = RowSnapshot::matching(db(), LinkTable, QStringLiteral("EventId = ?"), {event.Id});
    const std::unique_ptr<clEvent> stored = loadEventAside(g(), event.Id);
    mDateBefore = *stored->EventDate;
}

bool SaveEventCommand::dateChanged() const
{
    return !mExisted || !mEvent.EventDate || mEvent.EventDate->Value != mDateBefore.Value ||
           mEvent.EventDate->Era != mDateBefore.Era;
}

bool SaveEventCommand::changedAnything() const
{
    return !mExisted || !mElementIdsMade.empty() || !mEventAfter.sameRows(mEventBefore) ||
           !mLinksAfter.sameRows(mLinksBefore);
}

void SaveEventCommand::firstRedo()
{
    mFirst = false;
    // A window that kept an event open while it was deleted must not bring it back under a new id.
    if (mExisted && !eventExists(db(), mEvent.Id))
        throw StoreError(
            QStringLiteral("The event \"%1\" was deleted, so the changes cannot be stored").arg(mEvent.Name));
    mLastElementBefore = lastElementId(db());
    if (mEvent.Save() == -1) {
        // The user gave up on a date another event has: nothing was stored.
        setObsolete(true);
        return;
    }
    const qint32 id = mEvent.Id;
    mEventAfter = RowSnapshot::matching(db(), EventTable, QStringLiteral("Id = ?"), {id});
    mLinksAfter = RowSnapshot::matching(db(), LinkTable, QStringLiteral("EventId = ?"), {id});
    SqlQuery made(db(), QStringLiteral("SELECT Id FROM Element WHERE Id > ?"));
    made.bind(mLastElementBefore).exec();
    QStringList marks;
    QVariantList ids;
    while (made.next()) {
        mElementIdsMade.push_back(made.value(0).toInt());
        marks << QStringLiteral("?");
        ids << made.value(0);
    }
    made.finish();
    // By their ids, never "every element above": elements made later by hand are none of this step's.
    if (!ids.isEmpty())
        mElementsMade = RowSnapshot::matching(db(), QStringLiteral("Element"),
                                              QStringLiteral("Id IN (%1)").arg(marks.join(u',')), ids);
}

void SaveEventCommand::redo()
{
    if (mFirst) {
        firstRedo();
        if (!isObsolete())
            showEvent();
        return;
    }
    {
        TransactionGuard guard(db());
        mElementsMade.restore(db());
        mEventAfter.restore(db());
        mLinksAfter.restore(db());
        guard.commit();
    }
    showEvent();
}

void SaveEventCommand::undo()
{
    {
        TransactionGuard guard(db());
        if (mExisted) {
            mEventBefore.restore(db());
            mLinksBefore.restore(db());
        } else {
            DeleteEventRow(db(), mEvent.Id);
        }
        for (const qint32 id : mElementIdsMade)
            execSql(db(), QStringLiteral("DELETE FROM Element WHERE Id = ?"), {id});
        guard.commit();
    }
    showEvent();
}

void SaveEventCommand::showEvent()
{
    Globals &gl = g();
    TimelineCanvas &c = canvas();
    const qint32 id = mEvent.Id;
    if (gl.CurTimeLineId <= 0 || !c.IsOnCanvas(id))
        return;
    const std::unique_ptr<clEvent> stored = loadEventAside(gl, id);
    if (stored->Id != id)
        return;
    clFormat format;
    format.GetFormat(db(), id, gl.CurTimeLineId);
    clUple unit = c.LoadUple(id);
    unit.ApplyEvent(*stored);
    unit.ApplyFormat(format);
    FitLabel(gl, c.measurer(), unit.NameLabel(), stored->Name);
    unit.MeasureLimits();
    layoutChanged();
}

} // namespace qm
