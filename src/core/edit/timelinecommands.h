// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/cltimeline.h"
#include "store/rowsnapshot.h"

#include <functional>

namespace qm {

// Tells the window that the project's timelines changed: it lists them again and shows `show`, or,
// with 0, keeps the timeline it shows as long as that one exists.
using TimelinesChanged = std::function<void(qint32 show)>;

// A timeline as the timeline dialog stores it, new (Timelines > New) or changed: its name,
// description, titles, backdrop and default format. Undo puts its rows back as they were and takes
// a new timeline out of the project (the window goes back to the timeline it showed before); redo
// brings it back with the same id.
class SaveTimelineCommand : public CanvasCommand
{
public:
    SaveTimelineCommand(TimelineCanvas &canvas, const clTimeLine &timeline, const QString &text,
                        TimelinesChanged changed);

    void redo() override;
    void undo() override;
    // The timeline's id, known for a new one once it was stored.
    qint32 savedId() const { return mRecord.Id; }

private:
    // The canvas and the window follow the record as stored.
    void showRecord(bool afterRedo);

    clTimeLine mRecord;
    bool mNew = false;
    bool mFirst = true;
    // The timeline shown when a new one was made: undoing the new one shows it again.
    qint32 mShownBefore = 0;
    RowSnapshot mBefore;
    RowSnapshot mFormatBefore;
    RowSnapshot mAfter;
    RowSnapshot mFormatAfter;
    TimelinesChanged mChanged;
};

// A timeline deleted from the project (Timelines > Delete); its events stay. Undo brings it back with
// its id, so that its boxes and formats, which stay in the file, come back with it.
class DeleteTimelineCommand : public CanvasCommand
{
public:
    DeleteTimelineCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text, TimelinesChanged changed);

    void redo() override;
    void undo() override;

private:
    RowSnapshot mRow;
    bool mWasShown = false;
    TimelinesChanged mChanged;
};

} // namespace qm
