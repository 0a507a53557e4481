// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline commands of the main window: choosing, creating, editing, colouring and deleting.
#include "frmmain.h"

#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmtimeline.h"
#include "edit/lookcommands.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/sqlquery.h"

#include <QComboBox>

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
        auto fresh = std::make_unique<clTimeLine>(g.ProjectDb);
        fresh->Name = NewTimelineName(g.ProjectDb);
        fresh->LabelCaption = fresh->Name;
        const QString proposed = fresh->Name;
        auto remembered = std::move(g.CurTimeLine);
        g.CurTimeLine = std::move(fresh);
        g.DialogResult = -1;
        try {
            frmTimeLine dialog(g, mDialogs, this);
            dialog.exec();
        } catch (...) {
            g.CurTimeLine = std::move(remembered);
            throw;
        }
        if (g.DialogResult == -1) {
            g.CurTimeLine = std::move(remembered);
            return;
        }
        // A new timeline is titled with the name the user gave it, not the one proposed, unless the
        // title was given too.
        if (g.CurTimeLine->LabelCaption == proposed && g.CurTimeLine->LabelCaption != g.CurTimeLine->Name) {
            g.CurTimeLine->LabelCaption = g.CurTimeLine->Name;
            g.CurTimeLine->Save();
        }
        const qint32 id = g.CurTimeLine->Id;
        cmbTimeLine0->addItem(g.CurTimeLine->Name, id);
        showTimeline(id);
    });
}

void frmMain::mnuTimelineEdit_Click()
{
    guarded([this] {
        if (g.CurTimeLineId == 0)
            return;
        const QStringList captions{g.CurTimeLine->LabelCaption, g.CurTimeLine->SubCaption};
        frmTimeLine dialog(g, mDialogs, this);
        dialog.exec();
        // The list is filled again so that the new name takes its place in name order.
        if (g.DialogResult == 0)
            FillTimelineList();
        if (g.DialogResult == 0 && captions != QStringList{g.CurTimeLine->LabelCaption, g.CurTimeLine->SubCaption})
            showTimeline(g.CurTimeLineId);
    });
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
        pushCommand(*mUndo,
                    std::make_unique<BackdropCommand>(*mCanvas, g.CurTimeLineId, after, tr("background colour")));
        updateBackdropButtons();
    });
}

void frmMain::mnuTimeLineDelete_Click()
{
    guarded([this] {
        if (g.CurTimeLineId == 0)
            return;
        if (!mDialogs.question(this, QStringLiteral("Are you sure?"), QStringLiteral("Delete warning")))
            return;
        execSql(g.ProjectDb, QStringLiteral("DELETE FROM TimeLine WHERE Id = ?"), {g.CurTimeLineId});
        // Steps on the deleted timeline would write rows for a timeline that no longer exists.
        forgetHistory();
        g.CurTimeLineId = 0;
        g.SelectedId = -1;
        mCanvas->ClearCanvas();
        FillTimelineList();
        setTimelineState(MenuState::ProjectOpen);
    });
}

} // namespace qm
