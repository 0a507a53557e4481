// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/placements.h"

#include <vector>

namespace qm {

// Boxes moved on a timeline: a drag (the boxes already stand where they were dropped, the first
// redo stores them) or, as Compress2Command, a compression.
class MoveBoxesCommand : public CanvasCommand
{
public:
    MoveBoxesCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text, std::vector<BoxMove> moves);

    void redo() override;
    void undo() override;
    const std::vector<BoxMove> &moves() const { return mMoves; }

protected:
    MoveBoxesCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text);
    // Writes one side of the moves and shows it.
    void apply(bool after);
    // Stores the moves the canvas already shows; on a failure the canvas shows the file again.
    void storeFirst();

    std::vector<BoxMove> mMoves;
    bool mFirst = true;
};

// Compress 2 of the shown timeline: packs the boxes into cascades and stores them.
class Compress2Command : public MoveBoxesCommand
{
public:
    explicit Compress2Command(TimelineCanvas &canvas);
    void redo() override;
};

// The caption of a drag of the event's box: "move of <name>".
QString moveCaption(const QString &eventName);

} // namespace qm
