// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The look of event boxes: the event format dialog over the selected boxes.
#include "frmmain.h"

#include "canvasview.h"
#include "dialogs/frmeventformat.h"
#include "edit/commandgroup.h"
#include "edit/eventformatcommand.h"
#include "edit/makeroom.h"
#include "inplaceeditor.h"
#include "layout/timelinecanvas.h"
#include "store/clformat.h"
#include "store/globals.h"

namespace qm {

void frmMain::mnuFormatEvent_Click()
{
    guarded([this] {
        std::vector<qint32> ids = mCanvas->selectedIds();
        if (ids.empty() || mState.timelineState() != MenuState::TimelineShown)
            return;
        mEditor->commit();
        clFormat shown;
        shown.GetFormat(g.ProjectDb, ids.front(), g.CurTimeLineId);
        frmEventFormat dialog(shown, mDialogs, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const clFormat look = dialog.format();
        if (dialog.applyToAll())
            ids = mCanvas->model().boxIds();
        QString text = tr("format of %1 events").arg(ids.size());
        if (dialog.applyToAll())
            text = tr("format of all boxes");
        else if (ids.size() == 1)
            text = tr("format of %1").arg(mCanvas->model().box(ids.front())->name.caption);
        // Larger fonts or borders push the later boxes on, in the same step.
        const BoxReach before = reachOf(*mCanvas, ids);
        runGroup(g.History, text, [&](CommandGroup &group) {
            group.add(std::make_unique<EventFormatCommand>(*mCanvas, ids, look, dialog.makeDefault(), QString()));
            makeRoomFor(group, *mCanvas, ids, before);
        });
        mView->refreshExtents();
    });
}

} // namespace qm
