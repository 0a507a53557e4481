// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window as the main window opens it: one at a time, placing accepted events on the
// timeline shown here.
#include "frmmain.h"

#include "canvasview.h"
#include "capture/frmtext.h"
#include "edit/canvascommand.h"
#include "edit/eventmadecommand.h"
#include "layout/timelinecanvas.h"
#include "store/globals.h"

#include <QUndoStack>

namespace qm {

frmText *frmMain::captureWindow() const
{
    return mCapture;
}

bool frmMain::closeCaptureWindow()
{
    // A window already closed waits only for its deletion and has nothing left to ask.
    return !mCapture || !mCapture->isVisible() || mCapture->close();
}

void frmMain::mnuToolsCapture_Click()
{
    if (!mCapture) {
        mCapture = new frmText(g, mSession, mDialogs, this);
        mCapture->setAttribute(Qt::WA_DeleteOnClose);
        CaptureTimeline timeline;
        // A captured event is new: undoing its placement takes it out of the project too.
        timeline.insertCurrentEvent = [this] { return placeCurrentEvent(true); };
        timeline.eventMade = [this](qint32 id, const QString &name) {
            pushCommand(g.History, std::make_unique<EventMadeCommand>(g.ProjectDb, id, name));
        };
        timeline.beginGroup = [this](const QString &text) { g.History.beginMacro(text); };
        timeline.endGroup = [this](bool keep) {
            g.History.endMacro();
            if (keep)
                return;
            // Nothing of the run is stored: the step goes without undoing what is not there.
            const_cast<QUndoCommand *>(g.History.command(g.History.index() - 1))->setObsolete(true);
            g.History.undo();
        };
        timeline.placed = [this] { mView->refreshExtents(); };
        timeline.reload = [this] {
            if (g.CurTimeLineId >= 1)
                showTimeline(g.CurTimeLineId);
        };
        mCapture->setTimeline(timeline);
    }
    mCapture->show();
    mCapture->raise();
    mCapture->activateWindow();
}

} // namespace qm
