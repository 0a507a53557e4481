// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window as the main window opens it: one at a time, placing accepted events on the
// timeline shown here.
#include "frmmain.h"

#include "canvasview.h"
#include "capture/frmtext.h"
#include "layout/timelinecanvas.h"
#include "store/globals.h"

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
        timeline.insertCurrentEvent = [this] { return placeCurrentEvent(false); };
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
