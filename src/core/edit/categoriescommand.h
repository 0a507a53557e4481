// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/categories.h"
#include "store/rowsnapshot.h"

namespace qm {

// A timeline's categories and legend changed (the categories dialog, the legend dragged or hidden):
// one step. Undo puts back the rows as they were, or none where there were none.
class CategoriesCommand : public CanvasCommand
{
public:
    CategoriesCommand(TimelineCanvas &canvas, qint32 timelineId, const Categories &after, const QString &text);

    void redo() override;
    void undo() override;

private:
    void show();

    Categories mAfter;
    RowSnapshot mRules;
    RowSnapshot mLegend;
    bool mHadTables = false;
};

} // namespace qm
