// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Events coloured by category: the categories dialog and the legend dragged on the canvas.
#include "frmmain.h"

#include "canvasview.h"
#include "dialogs/frmcategories.h"
#include "edit/categoriescommand.h"
#include "inplaceeditor.h"
#include "layout/timelinecanvas.h"
#include "store/categories.h"
#include "store/globals.h"

namespace qm {

void frmMain::mnuTimelineCategories_Click()
{
    guarded([this] {
        if (mState.timelineState() != MenuState::TimelineShown || g.CurTimeLineId <= 0)
            return;
        mEditor->commit();
        const Categories before = loadCategories(g.ProjectDb, g.CurTimeLineId);
        frmCategories dialog(g.ProjectDb, before, mDialogs, this);
        if (dialog.exec() != QDialog::Accepted || dialog.categories() == before)
            return;
        pushCommand(g.History, std::make_unique<CategoriesCommand>(*mCanvas, g.CurTimeLineId, dialog.categories(),
                                                                   tr("categories")));
        mView->refreshExtents();
    });
}

void frmMain::storeLegendPosition()
{
    Categories after = loadCategories(g.ProjectDb, g.CurTimeLineId);
    after.legendAt = mCanvas->legendPosition();
    after.legendPlaced = true;
    pushCommand(g.History,
                std::make_unique<CategoriesCommand>(*mCanvas, g.CurTimeLineId, after, tr("move of the legend")));
    mView->refreshExtents();
}

} // namespace qm
