// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/clevent.h"
#include "store/rowsnapshot.h"

#include <vector>

namespace qm {

// An event as the event dialog stores it, new or changed: its fields and its element lists. The first
// redo saves the record as saving always does (asking about a date another event has); undo puts its
// rows back as they were, takes a new event out of the project again, and removes the elements the
// save made. The box of the event on the timeline shown follows, where it stands.
class SaveEventCommand : public CanvasCommand
{
public:
    SaveEventCommand(TimelineCanvas &canvas, const clEvent &event, const QString &text);

    void redo() override;
    void undo() override;
    // The record as stored: the id a new event got, the date a clash moved it to.
    const clEvent &event() const { return mEvent; }
    // Whether the stored date or era is another one than before.
    bool dateChanged() const;
    // Whether the save changed anything at all; a dialog closed with nothing changed makes no step.
    bool changedAnything() const;

private:
    void firstRedo();
    // The event's box on the canvas shows the stored name and date.
    void showEvent();

    clEvent mEvent;
    bool mFirst = true;
    bool mExisted = false;
    ExtDate mDateBefore;
    qint32 mLastElementBefore = 0;
    RowSnapshot mEventBefore;
    RowSnapshot mLinksBefore;
    RowSnapshot mEventAfter;
    RowSnapshot mLinksAfter;
    // Elements that the save made for names the project did not know.
    RowSnapshot mElementsMade;
    std::vector<qint32> mElementIdsMade;
};

} // namespace qm
