// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/rowsnapshot.h"

#include <vector>

namespace qm {

// Events taken off one timeline (Exclude, and the unticked rows of the event list); they stay in
// the project. Undo puts their boxes back where they stood, with their formats.
class ExcludeEventsCommand : public CanvasCommand
{
public:
    ExcludeEventsCommand(TimelineCanvas &canvas, qint32 timelineId, std::vector<qint32> ids, const QString &text);

    void redo() override;
    void undo() override;

private:
    std::vector<qint32> mIds;
    RowSnapshot mPlacements;
};

// Events deleted from the project. Undo brings each back with its id, its elements, its boxes on
// every timeline and its formats.
class DeleteEventsCommand : public CanvasCommand
{
public:
    DeleteEventsCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const QString &text);

    void redo() override;
    void undo() override;

private:
    struct Kept
    {
        qint32 id = 0;
        RowSnapshot event;
        RowSnapshot elements;
        RowSnapshot placements;
        RowSnapshot formats;
    };
    std::vector<Kept> mKept;
};

// Shows the stored boxes of these events on the timeline shown, where the file has them; for
// commands that put placements back.
void showStoredBoxes(TimelineCanvas &canvas, const std::vector<qint32> &ids);

} // namespace qm
