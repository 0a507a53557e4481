// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline commands of the main window: choosing, creating, editing, colouring and deleting.
#include "frmmain.h"

#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmtimeline.h"
#include "edit/lookcommands.h"
#include "edit/timelinecommands.h"
#include "inplaceeditor.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QComboBox>
#include <QTimer>

namespace qm {

void frmMain::cmbTimeLine0_Click(int row)
{
    if (row < 0)
        return;
    guarded([this, row] { showTimeline(cmbTimeLine0->itemData(row).toInt()); });
}

void frmMain::mnuTimeLineNew_Click()
{
    guarded([this] {
        mEditor->commit();
        auto fresh = std::make_unique<clTimeLine>(g.ProjectDb);
        fresh->Name = NewTimelineName(g.ProjectDb);
        fresh->LabelCaption = fresh->Name;
        const QString proposed = fresh->Name;
        // The dialog shows the proposal as the current record; the shown timeline's comes back after.
        auto remembered = std::move(g.CurTimeLine);
        g.CurTimeLine = std::move(fresh);
        try {
            frmTimeLine dialog(g, mDialogs, this);
            dialog.store = [this, proposed](clTimeLine &t) {
                // A new timeline is titled with the name the user gave it, not the one proposed, unless
                // the title was given too.
                if (t.LabelCaption == proposed)
                    t.LabelCaption = t.Name;
                pushCommand(g.History,
                            std::make_unique<SaveTimelineCommand>(*mCanvas, t, tr("new timeline %1").arg(t.Name),
                                                                  [this](qint32 show) { timelinesChanged(show); }));
                return true;
            };
            dialog.exec();
        } catch (...) {
            g.CurTimeLine = std::move(remembered);
            throw;
        }
        // A timeline made is shown by the step, which loads its record.
        g.CurTimeLine = std::move(remembered);
    });
}

void frmMain::mnuTimelineEdit_Click()
{
    guarded([this] {
        if (g.CurTimeLineId == 0 || !g.CurTimeLine)
            return;
        mEditor->commit();
        frmTimeLine dialog(g, mDialogs, this);
        dialog.store = [this](clTimeLine &t) {
            pushCommand(g.History,
                        std::make_unique<SaveTimelineCommand>(*mCanvas, t, tr("edit of timeline %1").arg(t.Name),
                                                              [this](qint32 show) { timelinesChanged(show); }));
            return true;
        };
        dialog.exec();
    });
}

void frmMain::timelinesChanged(qint32 show)
{
    // Filled again so that a new name takes its place in name order.
    FillTimelineList();
    if (show > 0) {
        showTimeline(show);
        return;
    }
    if (g.CurTimeLineId == 0 || cmbTimeLine0->findData(g.CurTimeLineId) >= 0)
        return;
    // The timeline shown is gone: the project stays open without one.
    tmrUnload->stop();
    g.CurTimeLineId = 0;
    g.SelectedId = -1;
    mCanvas->ClearCanvas();
    setTimelineState(MenuState::ProjectOpen);
}

void frmMain::mnuTimelineColor_Click()
{
    guarded([this] {
        updateBackdropButtons();
        if (g.CurTimeLineId == 0)
            return;
        const QColor chosen = mDialogs.color(this, colorFromLong(g.CurTimeLine->BackColor));
        if (!chosen.isValid())
            return;
        const Backdrop after{false, g.CurTimeLine->WallSource, g.CurTimeLine->WallName, longFromColor(chosen)};
        pushCommand(g.History,
                    std::make_unique<BackdropCommand>(*mCanvas, g.CurTimeLineId, after, tr("background colour")));
        updateBackdropButtons();
    });
}

void frmMain::mnuTimeLineDelete_Click()
{
    guarded([this] {
        if (g.CurTimeLineId == 0)
            return;
        mEditor->commit();
        const QString name = g.CurTimeLine ? g.CurTimeLine->Name : QString();
        if (!mDialogs.warning(this, tr("Delete the timeline \"%1\"? Its events stay in the project.").arg(name),
                              QStringLiteral("Delete warning")))
            return;
        pushCommand(g.History, std::make_unique<DeleteTimelineCommand>(
                                   *mCanvas, g.CurTimeLineId, tr("deletion of timeline %1").arg(name),
                                   [this](qint32 show) { timelinesChanged(show); }));
    });
}

} // namespace qm
