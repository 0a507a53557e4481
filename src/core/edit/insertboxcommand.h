// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/placements.h"
#include "store/rowsnapshot.h"

#include <vector>

namespace qm {

// Boxes placed on the shown timeline in date order (PlaceEvents), with the later boxes moved out of
// their way: the box of g.CurEvent, or those of stored events (Include). Undo takes the boxes off the
// timeline and puts the later boxes back; when the event was made for this step (Events > New), undo
// takes it out of the project as well and redo brings it back with the same id.
class InsertBoxCommand : public CanvasCommand
{
public:
    InsertBoxCommand(TimelineCanvas &canvas, bool newEvent);
    InsertBoxCommand(TimelineCanvas &canvas, std::vector<qint32> eventIds, const QString &text);

    void redo() override;
    void undo() override;
    qint32 eventId() const { return mEventIds.empty() ? 0 : mEventIds.back(); }
    // False when nothing was placed (no timeline shown, no stored event).
    bool placed() const { return mPlaced; }

private:
    void firstRedo();

    std::vector<qint32> mEventIds;
    bool mNewEvent = false;
    bool mFirst = true;
    bool mPlaced = false;
    std::vector<Placement> mPlacedAt;
    std::vector<BoxMove> mShifted;
    RowSnapshot mFormatBefore{QStringLiteral("Format"), QStringLiteral("TimelineId = ? AND EventId = ?")};
    RowSnapshot mFormatAfter{QStringLiteral("Format"), QStringLiteral("TimelineId = ? AND EventId = ?")};
    RowSnapshot mEventRow;
    RowSnapshot mElementRows;
};

} // namespace qm
