// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvascommand.h"

#include "layout/scalelayout.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/globals.h"

namespace qm {

CanvasCommand::CanvasCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text)
    : QUndoCommand(text), mCanvas(canvas), mTimelineId(timelineId)
{}

Globals &CanvasCommand::g() const
{
    return mCanvas.globals();
}

ProjectDatabase &CanvasCommand::db() const
{
    return mCanvas.globals().ProjectDb;
}

bool CanvasCommand::shown() const
{
    return g().CurTimeLineId == mTimelineId && mTimelineId > 0;
}

void CanvasCommand::layoutChanged() const
{
    // A step may have given boxes elements, or boxes to a category's events.
    mCanvas.applyCategories();
    // To scale, the dates and the rows the user chose decide where every box stands, whatever a
    // command put back where.
    if (mCanvas.model().timeScale)
        layOutToScale(mCanvas);
    mCanvas.UpdateScrollExtents();
    mCanvas.ShowSelection();
}

void pushCommand(QUndoStack &stack, std::unique_ptr<QUndoCommand> command)
{
    stack.push(command.get());
    // The stack owns it once its first redo went through.
    command.release();
}

std::unique_ptr<clEvent> loadEventAside(Globals &g, qint32 id)
{
    // A new record moves the shared working date on, and loading writes into it: both are undone.
    const ExtDate working = *g.workingDate();
    auto event = std::make_unique<clEvent>(g);
    event->EventDate = std::make_shared<ExtDate>();
    event->Id = id;
    event->Load();
    *g.workingDate() = working;
    return event;
}

} // namespace qm
