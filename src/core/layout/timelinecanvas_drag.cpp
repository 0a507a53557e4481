// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting and dragging boxes, and packing them together.
#include "timelinecanvas.h"

#include "scalelayout.h"
#include "store/canvasstate.h"
#include "store/cltimeline.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace qm {

qint32 TimelineCanvas::pressAt(double x, double y, bool startDrag)
{
    const qint32 hit = HitTest(x, y);
    // A press on one of several selected boxes keeps them selected, for a menu or a format of all.
    if (hit >= 0 && isSelected(hit))
        keepSelectionAround(hit);
    else
        ClearSelection();
    mG.SelectedId = hit;
    Dragging = false;
    mDragBoxes.clear();
    if (mG.SelectedId < 0) {
        if (onSelectionChanged)
            onSelectionChanged(-1);
        changed();
        return -1;
    }
    LoadUple(mG.SelectedId, CurUple);
    BringToFront(mG.SelectedId);
    ShowSelection();
    if (!startDrag)
        return mG.SelectedId;

    // The dates are read once: every step compares the dragged box with every other one.
    std::unordered_map<qint32, ExtDate> dates;
    for (const DatedPlacement &p : datedPlacements(mG.ProjectDb, mG.CurTimeLineId))
        dates.emplace(p.eventId, p.date);
    mDragBoxes.reserve(mModel.boxCount());
    for (const qint32 id : mModel.boxIds()) {
        const auto it = dates.find(id);
        // A box without a stored date never stands in the way.
        const ExtDate date = it == dates.end() ? ExtDate(0.0, EraInvalid) : it->second;
        if (id == mG.SelectedId)
            mDragDate = date;
        else
            mDragBoxes.emplace_back(mModel.box(id), date);
    }
    Dragging = true;
    DragStartTop = mModel.box(mG.SelectedId)->picture.rect.top();
    LastX = x;
    LastY = y;
    return mG.SelectedId;
}

void TimelineCanvas::dragTo(double x, double y)
{
    CanvasBox *dragged = mG.SelectedId < 0 ? nullptr : mModel.box(mG.SelectedId);
    if (!Dragging || !dragged || !CurUple.isBound() || CurUple.id() != mG.SelectedId)
        return;
    const double dx = x - LastX;
    const double dy = y - LastY;
    if (mModel.timeScale) {
        if (!dragToScale(*this, dx, dy) && onStatusMessage)
            onStatusMessage(sidewaysDragMessage());
        placeMarker();
        LastX = x;
        LastY = y;
        changed();
        return;
    }
    const double minDist = canvasMinDist();
    const double oldX = dragged->connector.p1.x();
    QRectF &pic = dragged->picture.rect;
    pic.translate(dx, dy);
    CurUple.Arrange();
    const double newX = dragged->connector.p1.x();

    // Date order: no box of a later date may end up left of it, none of an earlier date right of it.
    bool horizontalUndone = false;
    for (const auto &[other, date] : mDragBoxes) {
        const double otherX = other->connector.p1.x();
        const QChar order = date.Compare(mDragDate);
        if ((otherX < newX && order == u'>') || (otherX > newX && order == u'<')) {
            horizontalUndone = true;
            break;
        }
    }
    if (!horizontalUndone && x < LastX) {
        if (CurUple.Left < minDist) {
            horizontalUndone = true;
        } else {
            const double dateLeft = dragged->date.rect.left();
            for (const auto &[other, date] : mDragBoxes) {
                if (other->connector.p1.x() < newX && other->date.rect.right() + minDist > dateLeft) {
                    horizontalUndone = true;
                    break;
                }
            }
        }
    }
    bool verticalUndone = false;
    if (y > LastY)
        verticalUndone = mModel.axis.p1.y() < CurUple.Bottom + minDist;
    else if (y < LastY)
        verticalUndone = CurUple.Top < minDist;
    if (horizontalUndone)
        pic.translate(-dx, 0);
    if (verticalUndone)
        pic.translate(0, -dy);
    if (horizontalUndone || verticalUndone)
        CurUple.Arrange();

    if (!horizontalUndone && dx != 0.0) {
        // The boxes right of it come along. A box it just passed (one of the same date) stays where
        // it is, so that it is really passed rather than pulled along.
        const double from = std::max(oldX, newX);
        clUple unit(mG, mMeasurer, &mPictures);
        for (const auto &[other, date] : mDragBoxes) {
            if (other->connector.p1.x() > from) {
                other->picture.rect.translate(dx, 0);
                LoadUple(other->id, unit).Arrange();
            }
        }
    }
    placeMarker();
    LastX = x;
    LastY = y;
    changed();
}

std::vector<BoxMove> TimelineCanvas::drop()
{
    if (!Dragging)
        return {};
    Dragging = false;
    mDragBoxes.clear();
    const CanvasBox *dragged = mG.SelectedId < 0 ? nullptr : mModel.box(mG.SelectedId);
    if (!dragged)
        return {};
    if (mModel.timeScale) {
        changed();
        return dropToScale(*this);
    }
    // The dragged box and every box right of it, as they were carried along.
    const double x = dragged->connector.p1.x();
    std::vector<qint32> ids{mG.SelectedId};
    for (const auto &[id, box] : mModel.boxes()) {
        if (id != mG.SelectedId && box.connector.p1.x() > x)
            ids.push_back(id);
    }
    UpdateScrollExtents();
    changed();
    return movesOf(ids);
}

std::vector<BoxMove> TimelineCanvas::movesOf(const std::vector<qint32> &ids)
{
    const std::map<qint32, QPointF> stored = storedBoxPositions(mG.ProjectDb, mG.CurTimeLineId);
    std::vector<BoxMove> moves;
    for (const qint32 id : ids) {
        const auto it = stored.find(id);
        // A box without a row has no stored place to change.
        if (it == stored.end())
            continue;
        const QPointF now = storedPositionOf(id);
        const QPointF before(storedTwips(it->second.x()), storedTwips(it->second.y()));
        if (now != before)
            moves.push_back({id, it->second, now});
    }
    return moves;
}

bool TimelineCanvas::Compress()
{
    return compressAll(false);
}

std::vector<BoxMove> TimelineCanvas::Compress2()
{
    std::vector<BoxMove> moves;
    atZoomOne([this, &moves] {
        if (compressAll(true))
            moves = movesOf(SortBoxes());
    });
    return moves;
}

bool TimelineCanvas::compressAll(bool cascades)
{
    // To scale the dates decide where boxes stand: there is nothing to pack.
    if (mG.CurTimeLineId < 1 || mModel.boxCount() == 0 || mModel.timeScale)
        return false;
    // Whole twips as the running values always were; MinDist at the zoom shown.
    const qint32 minDist = roundTwips(canvasMinDist());
    const QRectF title = mModel.lblLabel.rect;
    const double axisY = mModel.axis.p2.y();
    qint32 nextX = minDist;
    qint32 restartX = minDist;
    qint32 cascadeY = roundTwips(title.top() + title.height()) + minDist;
    qint32 freeDateX = minDist;

    clUple unit(mG, mMeasurer, &mPictures);
    for (const qint32 id : SortBoxes()) {
        LoadUple(id, unit);
        CanvasBox &b = *mModel.box(id);
        QRectF &pic = b.picture.rect;
        if (!cascades) {
            pic.moveLeft(nextX);
        } else {
            const qint32 band = roundTwips(axisY - cascadeY - minDist);
            if (pic.height() < band && b.name.rect.height() < band) {
                pic.moveTopLeft(QPointF(nextX, cascadeY));
            } else {
                // A box that does not fit starts a new cascade at the top, under the title only
                // where the title reaches that far.
                pic.moveLeft(restartX);
                pic.moveTop(title.left() + title.width() + minDist <= restartX
                                ? minDist
                                : title.top() + title.height() + minDist);
            }
        }
        unit.Arrange();
        if (b.date.rect.left() < freeDateX) {
            pic.translate(freeDateX - b.date.rect.left(), 0);
            unit.Arrange();
        }
        if (cascades) {
            nextX = roundTwips(pic.left() + pic.width()) + minDist;
            cascadeY = roundTwips(b.name.rect.top() + b.name.rect.height()) + minDist;
            restartX = roundTwips(b.name.rect.left() + b.name.rect.width()) + minDist;
        } else {
            nextX = roundTwips(b.name.rect.left() + b.name.rect.width()) + minDist;
        }
        freeDateX = roundTwips(b.date.rect.left() + b.date.rect.width()) + minDist;
    }
    UpdateScrollExtents();
    ShowSelection();
    changed();
    return true;
}

} // namespace qm
