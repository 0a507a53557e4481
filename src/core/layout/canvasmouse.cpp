// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasmouse.h"

#include "store/canvasstate.h"
#include "timelinecanvas.h"

namespace qm {

namespace {

bool holds(const CanvasLabel &label, double x, double y)
{
    const QRectF &r = label.rect;
    return label.visible && r.left() <= x && x <= r.right() && r.top() <= y && y <= r.bottom();
}

} // namespace

bool CanvasMouse::labelAt(double x, double y, LabelHit &hit) const
{
    const CanvasModel &m = mCanvas.model();
    if (holds(m.lblLabel, x, y)) {
        hit = {LabelKind::Title, -1};
        return true;
    }
    if (holds(m.lblSub, x, y)) {
        hit = {LabelKind::Subtitle, -2};
        return true;
    }
    // The label the user sees there: the one painted on top, not one hidden under another box.
    const TimelineCanvas::PartHit top = mCanvas.partAt(x, y);
    if (top.part == TimelineCanvas::BoxPart::Date)
        hit = {LabelKind::Date, top.id};
    else if (top.part == TimelineCanvas::BoxPart::Name)
        hit = {LabelKind::Name, top.id};
    else
        return false;
    return true;
}

void CanvasMouse::press(double x, double y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    mLabelPressed = false;
    mBand.reset();
    mLegendFrom.reset();
    LabelHit title;
    // The legend lies over the boxes, under the titles.
    if (button == Qt::LeftButton && mCanvas.legendAt(x, y) &&
        !(labelAt(x, y, title) && (title.kind == LabelKind::Title || title.kind == LabelKind::Subtitle))) {
        mLegendFrom = QPointF(x, y);
        mLegendStored = mCanvas.legendPosition();
        return;
    }
    const qint32 held = mCanvas.HitTest(x, y);
    const bool onPicture = held >= 0;
    if (button == Qt::LeftButton && (modifiers & Qt::ControlModifier)) {
        // The box of whatever part was hit, so that a label selects its box too.
        const TimelineCanvas::PartHit hit = mCanvas.partAt(x, y);
        if (hit.id >= 0)
            mCanvas.toggleSelected(hit.id);
        return;
    }
    if (button == Qt::LeftButton && (modifiers & Qt::ShiftModifier) && !onPicture) {
        mBand = QRectF(x, y, 0, 0);
        return;
    }
    if (button == Qt::RightButton) {
        // Selects the box for its menu; never drags.
        if (onPicture)
            mCanvas.pressAt(x, y, false);
        return;
    }
    if (!onPicture && labelAt(x, y, mPressedLabel)) {
        // A text is opened for editing when the button comes up on it again.
        mLabelPressed = true;
        return;
    }
    // A box without a picture is held by its name: once the box is selected, a click on the name that
    // moves nothing opens the name for editing as other names open.
    if (held == mCanvas.state().SelectedId && labelAt(x, y, mPressedLabel) && mPressedLabel.kind == LabelKind::Name &&
        mPressedLabel.id == held)
        mLabelPressed = true;
    mCanvas.pressAt(x, y, true);
}

void CanvasMouse::move(double x, double y)
{
    if (mLegendFrom) {
        mCanvas.moveLegendBy(x - mLegendFrom->x(), y - mLegendFrom->y());
        mLegendFrom = QPointF(x, y);
    } else if (mBand) {
        mBand->setBottomRight(QPointF(x, y));
    } else if (mCanvas.Dragging) {
        mCanvas.dragTo(x, y);
    }
}

CanvasClick CanvasMouse::release(double x, double y, Qt::MouseButton button)
{
    CanvasClick click;
    if (mLegendFrom) {
        move(x, y);
        mLegendFrom.reset();
        if (mCanvas.legendPosition() != mLegendStored) {
            click.action = CanvasClick::LegendMoved;
            click.legendBefore = mLegendStored;
        }
        return click;
    }
    if (mBand) {
        mBand->setBottomRight(QPointF(x, y));
        mCanvas.selectWithin(*mBand);
        mBand.reset();
        return click;
    }
    if (mCanvas.Dragging) {
        click.action = CanvasClick::Dropped;
        click.id = mCanvas.state().SelectedId;
        click.moves = mCanvas.drop();
        LabelHit hit;
        if (mLabelPressed && click.moves.empty() && labelAt(x, y, hit) && hit.kind == LabelKind::Name &&
            hit.id == click.id) {
            click.action = CanvasClick::EditLabel;
            click.kind = hit.kind;
        }
        mLabelPressed = false;
        return click;
    }
    if (button == Qt::RightButton) {
        const qint32 id = mCanvas.HitTest(x, y);
        click.action = id >= 0 ? CanvasClick::EventMenu : CanvasClick::TimelineMenu;
        click.id = id;
        return click;
    }
    LabelHit hit;
    if (mLabelPressed && labelAt(x, y, hit) && hit.kind == mPressedLabel.kind && hit.id == mPressedLabel.id) {
        click.action = CanvasClick::EditLabel;
        click.kind = hit.kind;
        click.id = hit.id;
    }
    mLabelPressed = false;
    return click;
}

CanvasClick CanvasMouse::doubleClick(double x, double y, Qt::MouseButton button)
{
    CanvasClick click;
    mLabelPressed = false;
    // The legend is only dragged: what lies under it is not opened through it.
    if (button != Qt::LeftButton || mCanvas.legendAt(x, y))
        return click;
    qint32 id = mCanvas.HitTest(x, y);
    LabelHit hit;
    if (id < 0 && labelAt(x, y, hit)) {
        // A name label stands for its event; the other texts are being edited by now.
        if (hit.kind != LabelKind::Name)
            return click;
        id = hit.id;
    }
    if (id >= 0) {
        click.action = CanvasClick::EditEvent;
        click.id = id;
    } else {
        click.action = CanvasClick::EditTimeline;
    }
    return click;
}

} // namespace qm
