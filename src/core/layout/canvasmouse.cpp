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

void CanvasMouse::press(double x, double y, Qt::MouseButton button)
{
    mLabelPressed = false;
    const bool onPicture = mCanvas.HitTest(x, y) >= 0;
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
    mCanvas.pressAt(x, y, true);
}

void CanvasMouse::move(double x, double y)
{
    if (mCanvas.Dragging)
        mCanvas.dragTo(x, y);
}

CanvasClick CanvasMouse::release(double x, double y, Qt::MouseButton button)
{
    CanvasClick click;
    if (mCanvas.Dragging) {
        click.action = CanvasClick::Dropped;
        click.id = mCanvas.state().SelectedId;
        click.moves = mCanvas.drop();
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
    if (button != Qt::LeftButton)
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
