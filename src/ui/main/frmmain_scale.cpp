// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The scale of the shown timeline: in date order or to scale, and the rows of boxes drawn to scale.
#include "frmmain.h"

#include "canvasview.h"
#include "dialogs/frmscale.h"
#include "edit/moveboxescommand.h"
#include "edit/scalecommands.h"
#include "inplaceeditor.h"
#include "layout/scalelayout.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUndoStack>

#include <utility>
#include <vector>

namespace qm {

void frmMain::buildScale()
{
    mnuFormat->addSeparator();
    mnuFormatScale = mnuFormat->addAction(tr("Sca&le..."), this, &frmMain::mnuFormatScale_Click);
    mnuFormatScale->setObjectName(QStringLiteral("mnuFormatScale"));
    mnuFormatArrangeRows = mnuFormat->addAction(tr("&Arrange rows"), this, &frmMain::mnuFormatArrangeRows_Click);
    mnuFormatArrangeRows->setObjectName(QStringLiteral("mnuFormatArrangeRows"));
    // The menus follow the scale of the timeline shown, however it changed: loading, the dialog, undo.
    const auto painted = mCanvas->onChanged;
    std::vector<std::pair<QAction *, QString>> compressTips;
    for (QAction *a : tbArrange->actions()) {
        if (a->objectName().startsWith(u"Compress"))
            compressTips.emplace_back(a, a->toolTip());
    }
    mCanvas->onChanged = [this, painted, compressTips] {
        if (painted)
            painted();
        const bool toScale = static_cast<bool>(mCanvas->model().timeScale);
        if (toScale != mState.toScale()) {
            mState.setToScale(toScale);
            applyState();
        }
        // A button that is off says why.
        for (const auto &[button, tip] : compressTips) {
            const QString shown = toScale ? tr("Off: the dates place the boxes of a timeline drawn to scale") : tip;
            if (button->toolTip() != shown)
                button->setToolTip(shown);
        }
    };
    statusBar();
    mCanvas->onStatusMessage = [this](const QString &message) { statusBar()->showMessage(message, 4000); };
}

void frmMain::mnuFormatScale_Click()
{
    guarded([this] {
        mEditor->commit();
        if (g.CurTimeLineId < 1 || !g.CurTimeLine)
            return;
        frmScale dialog({g.CurTimeLine->ToScale, g.CurTimeLine->YearsPerWidth}, this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        pushCommand(g.History, std::make_unique<TimeScaleCommand>(*mCanvas, g.CurTimeLineId, dialog.scale()));
        mView->hscrol->setValue(0);
        mView->refreshExtents();
    });
}

void frmMain::mnuFormatArrangeRows_Click()
{
    guarded([this] {
        mEditor->commit();
        if (g.CurTimeLineId < 1 || !mCanvas->model().timeScale)
            return;
        pushCommand(g.History, ScaleRowsCommand::arrangeRows(*mCanvas));
        mView->refreshExtents();
    });
}

void frmMain::pushDropToScale(qint32 id, const std::vector<BoxMove> &moves)
{
    const CanvasBox *b = mCanvas->model().box(id);
    pushCommand(g.History, ScaleRowsCommand::dropped(*mCanvas, moves, moveCaption(b ? b->name.caption : QString())));
}

} // namespace qm
