// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "moveboxescommand.h"

#include "layout/timelinecanvas.h"
#include "store/globals.h"

#include <QCoreApplication>

namespace qm {

QString moveCaption(const QString &eventName)
{
    return QCoreApplication::translate("MoveBoxesCommand", "move of %1").arg(eventName);
}

MoveBoxesCommand::MoveBoxesCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text,
                                   std::vector<BoxMove> moves)
    : CanvasCommand(canvas, timelineId, text), mMoves(std::move(moves))
{}

MoveBoxesCommand::MoveBoxesCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text)
    : CanvasCommand(canvas, timelineId, text)
{}

void MoveBoxesCommand::redo()
{
    if (mFirst)
        storeFirst();
    else
        apply(true);
}

void MoveBoxesCommand::storeFirst()
{
    // The canvas already shows the moves: only the file has to follow.
    std::vector<BoxPosition> positions;
    positions.reserve(mMoves.size());
    for (const BoxMove &m : mMoves)
        positions.push_back({m.eventId, m.after});
    try {
        storeBoxPositions(db(), timelineId(), positions);
    } catch (...) {
        // Nothing was stored: the canvas goes back to what the file holds.
        if (shown()) {
            for (const BoxMove &m : mMoves)
                canvas().placeBoxAt(m.eventId, m.before);
            layoutChanged();
        }
        throw;
    }
    mFirst = false;
    setObsolete(mMoves.empty());
}

void MoveBoxesCommand::undo()
{
    apply(false);
}

void MoveBoxesCommand::apply(bool after)
{
    std::vector<BoxPosition> positions;
    positions.reserve(mMoves.size());
    for (const BoxMove &m : mMoves)
        positions.push_back({m.eventId, after ? m.after : m.before});
    storeBoxPositions(db(), timelineId(), positions);
    if (!shown())
        return;
    for (const BoxPosition &p : positions)
        canvas().placeBoxAt(p.eventId, p.at);
    layoutChanged();
}

Compress2Command::Compress2Command(TimelineCanvas &canvas)
    : MoveBoxesCommand(canvas, canvas.globals().CurTimeLineId,
                       QCoreApplication::translate("MoveBoxesCommand", "Compress 2"))
{}

void Compress2Command::redo()
{
    if (mFirst) {
        mMoves = canvas().Compress2();
        storeFirst();
    } else {
        apply(true);
    }
}

} // namespace qm
