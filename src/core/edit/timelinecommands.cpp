// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timelinecommands.h"

#include "layout/timelinecanvas.h"
#include "store/globals.h"
#include "store/sqlquery.h"

namespace qm {

namespace {

const QString TimelineTable = QStringLiteral("TimeLine");
// The timeline's default format.
const QString FormatTable = QStringLiteral("FormatTL");
const QString DefaultFormatCondition = QStringLiteral("TimelineId = ?");

} // namespace

SaveTimelineCommand::SaveTimelineCommand(TimelineCanvas &canvas, const clTimeLine &timeline, const QString &text,
                                         TimelinesChanged changed)
    : CanvasCommand(canvas, timeline.Id, text), mRecord(timeline), mNew(timeline.Id <= 0), mChanged(std::move(changed))
{
    if (mNew) {
        mShownBefore = canvas.globals().CurTimeLineId;
        return;
    }
    mBefore = RowSnapshot::matching(db(), TimelineTable, QStringLiteral("Id = ?"), {timeline.Id});
    mFormatBefore = RowSnapshot::matching(db(), FormatTable, DefaultFormatCondition, {timeline.Id});
}

void SaveTimelineCommand::redo()
{
    if (mFirst) {
        mFirst = false;
        mRecord.Save();
        mAfter = RowSnapshot::matching(db(), TimelineTable, QStringLiteral("Id = ?"), {mRecord.Id});
        mFormatAfter = RowSnapshot::matching(db(), FormatTable, DefaultFormatCondition, {mRecord.Id});
    } else {
        TransactionGuard guard(db());
        mAfter.restore(db());
        mFormatAfter.restore(db());
        guard.commit();
    }
    showRecord(true);
}

void SaveTimelineCommand::undo()
{
    {
        TransactionGuard guard(db());
        if (mNew) {
            execSql(db(), QStringLiteral("DELETE FROM TimeLine WHERE Id = ?"), {mRecord.Id});
            execSql(db(), QStringLiteral("DELETE FROM FormatTL WHERE TimelineId = ?"), {mRecord.Id});
        } else {
            mBefore.restore(db());
            mFormatBefore.restore(db());
        }
        guard.commit();
    }
    showRecord(false);
}

void SaveTimelineCommand::showRecord(bool afterRedo)
{
    Globals &gl = g();
    if (gl.CurTimeLineId == mRecord.Id && mRecord.Id > 0) {
        auto shownRecord = std::make_unique<clTimeLine>(db());
        shownRecord->Load(mRecord.Id);
        if (shownRecord->Id == mRecord.Id) {
            gl.CurTimeLine = std::move(shownRecord);
            canvas().refreshTitles();
            layoutChanged();
        }
    }
    if (!mChanged)
        return;
    if (mNew && afterRedo)
        mChanged(mRecord.Id);
    else if (mNew && gl.CurTimeLineId == mRecord.Id)
        mChanged(mShownBefore);
    else
        mChanged(0);
}

DeleteTimelineCommand::DeleteTimelineCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text,
                                             TimelinesChanged changed)
    : CanvasCommand(canvas, timelineId, text), mChanged(std::move(changed))
{
    mRow = RowSnapshot::matching(db(), TimelineTable, QStringLiteral("Id = ?"), {timelineId});
}

void DeleteTimelineCommand::redo()
{
    mWasShown = shown();
    execSql(db(), QStringLiteral("DELETE FROM TimeLine WHERE Id = ?"), {timelineId()});
    if (mChanged)
        mChanged(0);
}

void DeleteTimelineCommand::undo()
{
    mRow.restore(db());
    if (mChanged)
        mChanged(mWasShown ? timelineId() : 0);
}

} // namespace qm
