// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bulkcommands.h"

#include "eventcommands.h"
#include "layout/timelinecanvas.h"
#include "store/canvasstate.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/elements.h"
#include "store/globals.h"
#include "store/placements.h"
#include "store/preparedstatement.h"
#include "store/sqlquery.h"

#include <QSqlQuery>

#include <set>

namespace qm {

namespace {

QList<QVariantList> keysOf(const std::vector<qint32> &ids)
{
    QList<QVariantList> keys;
    keys.reserve(static_cast<qsizetype>(ids.size()));
    for (const qint32 id : ids)
        keys << QVariantList{id};
    return keys;
}

} // namespace

std::vector<qint32> placeOnTimeline(Globals &g, const TextMeasurer &measurer, qint32 timelineId,
                                    const std::vector<qint32> &eventIds)
{
    // A state of its own for the timeline it fills: what the window shows stays as it is.
    CanvasState state(g.ProjectDb);
    state.takeSettingsOf(g);
    TimelineCanvas scratch(state, measurer);
    if (!scratch.LoadTimeLine(timelineId))
        return {};
    std::vector<std::unique_ptr<clEvent>> owned;
    std::vector<const clEvent *> events;
    for (const qint32 id : eventIds) {
        if (scratch.IsOnCanvas(id))
            continue;
        owned.push_back(loadEventAside(g, id));
        if (owned.back()->Id == id)
            events.push_back(owned.back().get());
    }
    return scratch.PlaceEvents(events);
}

EventElementsCommand::EventElementsCommand(ProjectDatabase &db, std::vector<qint32> eventIds, const QString &type,
                                           const QStringList &names, bool add, const QString &text)
    : QUndoCommand(text), mDb(db), mIds(std::move(eventIds)), mType(type), mNames(names), mAdd(add),
      mBefore(QStringLiteral("EventElement"), QStringLiteral("EventId = ?")),
      mAfter(QStringLiteral("EventElement"), QStringLiteral("EventId = ?"))
{}

void EventElementsCommand::firstRedo()
{
    mFirst = false;
    const QList<QVariantList> keys = keysOf(mIds);
    mBefore.read(mDb, keys);
    TransactionGuard guard(mDb);
    std::vector<qint32> elementIds;
    QVariantList made;
    for (const QString &name : mNames) {
        if (name.trimmed().isEmpty())
            continue;
        SqlQuery find(mDb, QStringLiteral("SELECT Id FROM Element WHERE ElementType = ? AND ElementName = ? "
                                          "COLLATE QMNOCASE ORDER BY Id LIMIT 1"));
        find.bind(mType).bind(name.trimmed()).exec();
        if (find.next()) {
            elementIds.push_back(find.value(0).toInt());
        } else if (mAdd) {
            find.finish();
            elementIds.push_back(FindOrCreateElement(mDb, mType, name.trimmed()));
            made << elementIds.back();
        }
    }
    if (mAdd) {
        PreparedStatement link(mDb, QStringLiteral("INSERT INTO EventElement (EventId, ElementType, ElementId) "
                                                   "SELECT ?, ?, ? WHERE NOT EXISTS (SELECT 1 FROM EventElement "
                                                   "WHERE EventId = ? AND ElementType = ? AND ElementId = ?)"));
        for (const qint32 id : mIds) {
            for (const qint32 element : elementIds)
                link.run({id, mType, element, id, mType, element});
        }
    } else {
        PreparedStatement unlink(
            mDb, QStringLiteral("DELETE FROM EventElement WHERE EventId = ? AND ElementType = ? AND ElementId = ?"));
        for (const qint32 id : mIds) {
            for (const qint32 element : elementIds)
                unlink.run({id, mType, element});
        }
    }
    mMadeElements = RowSnapshot(QStringLiteral("Element"), QStringLiteral("Id = ?"));
    QList<QVariantList> madeKeys;
    for (const QVariant &id : made)
        madeKeys << QVariantList{id};
    mMadeElements.read(mDb, madeKeys);
    mAfter.read(mDb, keys);
    guard.commit();
    if (mAfter.sameRows(mBefore) && mMadeElements.isEmpty())
        setObsolete(true);
}

void EventElementsCommand::redo()
{
    if (mFirst) {
        firstRedo();
        return;
    }
    TransactionGuard guard(mDb);
    mMadeElements.restore(mDb);
    mAfter.restore(mDb);
    guard.commit();
}

void EventElementsCommand::undo()
{
    TransactionGuard guard(mDb);
    mBefore.restore(mDb);
    mMadeElements.remove(mDb);
    guard.commit();
}

PlaceOnTimelineCommand::PlaceOnTimelineCommand(TimelineCanvas &canvas, qint32 targetId, std::vector<qint32> eventIds,
                                               qint32 moveFrom, const QString &text)
    : CanvasCommand(canvas, targetId, text), mIds(std::move(eventIds)), mFrom(moveFrom),
      mTargetBefore(timelinePlacementRows()), mTargetAfter(timelinePlacementRows()),
      mFormatsBefore(QStringLiteral("Format"), QStringLiteral("TimelineId = ?")),
      mFormatsAfter(QStringLiteral("Format"), QStringLiteral("TimelineId = ?"))
{}

void PlaceOnTimelineCommand::firstRedo()
{
    mFirst = false;
    // The timeline shown takes new boxes through the canvas itself.
    if (timelineId() <= 0 || timelineId() == mFrom || shown()) {
        setObsolete(true);
        return;
    }
    const QList<QVariantList> target{QVariantList{timelineId()}};
    mTargetBefore.read(db(), target);
    mFormatsBefore.read(db(), target);
    if (mFrom > 0)
        mSourceRows = placementRows(db(), mFrom, mIds);
    {
        TransactionGuard guard(db());
        mPlaced = placeOnTimeline(g(), canvas().measurer(), timelineId(), mIds);
        if (mFrom > 0)
            removePlacements(db(), mFrom, mIds);
        mTargetAfter.read(db(), target);
        mFormatsAfter.read(db(), target);
        guard.commit();
    }
    if (mPlaced.empty() && mSourceRows.isEmpty()) {
        setObsolete(true);
        return;
    }
    showOnCanvas(true);
}

void PlaceOnTimelineCommand::redo()
{
    if (mFirst) {
        firstRedo();
        return;
    }
    {
        TransactionGuard guard(db());
        mTargetAfter.restore(db());
        mFormatsAfter.restore(db());
        if (mFrom > 0)
            removePlacements(db(), mFrom, mIds);
        guard.commit();
    }
    showOnCanvas(true);
}

void PlaceOnTimelineCommand::undo()
{
    {
        TransactionGuard guard(db());
        mTargetBefore.restore(db());
        mFormatsBefore.restore(db());
        mSourceRows.restore(db());
        guard.commit();
    }
    showOnCanvas(false);
}

void PlaceOnTimelineCommand::showOnCanvas(bool done)
{
    Globals &gl = g();
    if (mFrom <= 0 || gl.CurTimeLineId != mFrom)
        return;
    TimelineCanvas &c = canvas();
    if (done) {
        for (const qint32 id : mIds) {
            if (gl.SelectedId == id) {
                c.ClearSelection();
                gl.SelectedId = -1;
            }
            c.model().removeBox(id);
        }
    } else {
        showStoredBoxes(c, mIds);
    }
    layoutChanged();
}

} // namespace qm
