// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QUndoCommand>
#include <QUndoStack>

#include <memory>

namespace qm {

class Globals;
class ProjectDatabase;
class TimelineCanvas;
class clEvent;

// A change of one timeline of the open project, undoable on the main window's stack. Each command
// keeps the stored values before and after, writes them in one transaction, and shows them on the
// canvas when that timeline is the one shown (otherwise loading it later shows them). The first
// redo() does the change itself, so the window never changes the project around the stack.
class CanvasCommand : public QUndoCommand
{
public:
    CanvasCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text);

    qint32 timelineId() const { return mTimelineId; }

protected:
    Globals &g() const;
    ProjectDatabase &db() const;
    TimelineCanvas &canvas() const { return mCanvas; }
    // True when the command's timeline is the one on the canvas.
    bool shown() const;
    // The canvas changed its layout: new scroll extents, the selection marked again.
    void layoutChanged() const;

private:
    TimelineCanvas &mCanvas;
    qint32 mTimelineId;
};

// Pushes the command; when its first redo fails, the command is dropped and the failure passes on.
void pushCommand(QUndoStack &stack, std::unique_ptr<QUndoCommand> command);

// The event as stored, read without touching the working date that new records share.
std::unique_ptr<clEvent> loadEventAside(Globals &g, qint32 id);

} // namespace qm
