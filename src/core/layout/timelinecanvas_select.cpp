// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Several boxes selected at once, for the commands that act on all of them in one step.
#include "timelinecanvas.h"

#include "store/canvasstate.h"

#include <algorithm>
#include <set>

namespace qm {

std::vector<qint32> TimelineCanvas::selectedIds() const
{
    std::vector<qint32> ids;
    if (mG.SelectedId < 0 || !IsOnCanvas(mG.SelectedId))
        return ids;
    ids.push_back(mG.SelectedId);
    // Boxes a step took off the canvas are no longer selected, whatever the list still says.
    for (const qint32 id : mAlsoSelected) {
        if (IsOnCanvas(id) && id != mG.SelectedId)
            ids.push_back(id);
    }
    return ids;
}

bool TimelineCanvas::isSelected(qint32 id) const
{
    const std::vector<qint32> ids = selectedIds();
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

void TimelineCanvas::keepSelectionAround(qint32 id)
{
    if (id == mG.SelectedId)
        return;
    std::vector<qint32> others;
    if (mG.SelectedId >= 0)
        others.push_back(mG.SelectedId);
    for (const qint32 other : mAlsoSelected) {
        if (other != id)
            others.push_back(other);
    }
    mAlsoSelected = std::move(others);
    mG.SelectedId = id;
}

void TimelineCanvas::markOthers()
{
    std::erase_if(mAlsoSelected, [this](qint32 id) { return id == mG.SelectedId || !IsOnCanvas(id); });
    for (const qint32 id : mAlsoSelected)
        mark(*mModel.box(id));
}

void TimelineCanvas::toggleSelected(qint32 id)
{
    if (!IsOnCanvas(id))
        return;
    const std::vector<qint32> before = selectedIds();
    if (std::find(before.begin(), before.end(), id) == before.end()) {
        if (before.empty()) {
            mAlsoSelected.clear();
            mG.SelectedId = id;
            LoadUple(id, CurUple);
        } else {
            mAlsoSelected.push_back(id);
        }
        ShowSelection();
        return;
    }
    unmark(mModel, id);
    std::erase(mAlsoSelected, id);
    if (id == mG.SelectedId) {
        mG.SelectedId = -1;
        if (!mAlsoSelected.empty()) {
            mG.SelectedId = mAlsoSelected.front();
            mAlsoSelected.erase(mAlsoSelected.begin());
        }
    }
    if (mG.SelectedId < 0) {
        if (onSelectionChanged)
            onSelectionChanged(-1);
        changed();
        return;
    }
    LoadUple(mG.SelectedId, CurUple);
    ShowSelection();
}

void TimelineCanvas::selectWithin(const QRectF &area)
{
    const QRectF band = area.normalized();
    const std::vector<qint32> before = selectedIds();
    const std::set<qint32> selected(before.begin(), before.end());
    bool added = false;
    // Left to right, so that the leftmost box caught becomes the selected one when there was none.
    for (const qint32 id : SortBoxes()) {
        const CanvasBox &b = *mModel.box(id);
        if (!b.grabRect().intersects(band) || selected.count(id) != 0)
            continue;
        if (mG.SelectedId < 0 || !IsOnCanvas(mG.SelectedId)) {
            mAlsoSelected.clear();
            mG.SelectedId = id;
            LoadUple(id, CurUple);
        } else {
            mAlsoSelected.push_back(id);
        }
        added = true;
    }
    if (added)
        ShowSelection();
}

} // namespace qm
