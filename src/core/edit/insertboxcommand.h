// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/boxpositions.h"
#include "storedrows.h"

#include <vector>

namespace qm {

// A box placed for g.CurEvent on the shown timeline in date order (InsertNewBox), with the later
// boxes moved out of its way. Undo takes the box off the timeline and puts the later boxes back;
// when the event was made for this step (Events > New), undo takes it out of the project as well
// and redo brings it back with the same id.
class InsertBoxCommand : public CanvasCommand
{
public:
    InsertBoxCommand(TimelineCanvas &canvas, bool newEvent);

    void redo() override;
    void undo() override;
    qint32 eventId() const { return mEventId; }
    // False when nothing was placed (no timeline shown, no stored event).
    bool placed() const { return mPlaced; }

private:
    void firstRedo();

    qint32 mEventId = 0;
    bool mNewEvent = false;
    bool mFirst = true;
    bool mPlaced = false;
    QPointF mPlacedAt;
    std::vector<BoxMove> mShifted;
    StoredRows mFormatBefore;
    StoredRows mFormatAfter;
    StoredRows mEventRow;
    StoredRows mElementRows;
};

} // namespace qm
