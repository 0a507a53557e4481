// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding one's way on a long timeline: the navigator's entries in the menus and its hooks on the canvas.
#include "frmmain.h"

#include "canvasnavigator.h"
#include "canvasview.h"
#include "layout/timelinecanvas.h"
#include "overviewstrip.h"

#include <QMenu>

namespace qm {

void frmMain::buildNavigation()
{
    mNavigator = new CanvasNavigator(
        g, *mCanvas, *mView, [this](qint32 id) { selectBox(id); }, this);
    // Before the separator that leads to the preferences.
    QAction *before = nullptr;
    for (QAction *a : mnuEdit->actions()) {
        if (a->isSeparator()) {
            before = a;
            break;
        }
    }
    mnuEdit->insertSeparator(before);
    mnuEdit->insertActions(before, {mNavigator->mnuEditFind, mNavigator->mnuEditGoToDate});
    mnuFormat->insertAction(mnuFormatCompress1, mNavigator->mnuFormatZoomFit);
    mnuFormat->insertSeparator(mnuFormatCompress1);

    const auto painted = mCanvas->onChanged;
    mCanvas->onChanged = [this, painted] {
        if (painted)
            painted();
        mNavigator->strip->invalidate();
    };
}

} // namespace qm
