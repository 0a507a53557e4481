// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "overviewstrip.h"

#include "canvasview.h"
#include "layout/timelinecanvas.h"
#include "render/overviewpainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace qm {

namespace {

constexpr int StripHeight = 56;

} // namespace

OverviewStrip::OverviewStrip(TimelineCanvas &canvas, CanvasView &view, std::function<qint32()> selectedId,
                             QWidget *parent)
    : QWidget(parent), mCanvas(canvas), mView(view), mSelectedId(std::move(selectedId))
{
    setObjectName(QStringLiteral("OverviewStrip"));
    setFixedHeight(StripHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setToolTip(tr("The whole timeline: click or drag to go there"));
    connect(view.hscrol, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
    connect(view.vscrol, &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize OverviewStrip::sizeHint() const
{
    return {200, StripHeight};
}

void OverviewStrip::invalidate()
{
    mDrawing = QImage();
    update();
}

QRect OverviewStrip::visibleFrame() const
{
    const QPointF scale = overviewScale(mCanvas.model(), size());
    const QRectF shown = mView.visibleTwips();
    return QRectF(shown.left() / scale.x(), shown.top() / scale.y(), shown.width() / scale.x(),
                  shown.height() / scale.y())
        .toAlignedRect()
        .intersected(rect().adjusted(0, 0, -1, -1));
}

void OverviewStrip::scrollTo(const QPoint &stripPoint)
{
    const QPointF scale = overviewScale(mCanvas.model(), size());
    const QRectF shown = mView.visibleTwips();
    const double x = stripPoint.x() * scale.x() - shown.width() / 2;
    const double y = stripPoint.y() * scale.y() - shown.height() / 2;
    mView.hscrol->setValue(static_cast<int>(std::lround(std::max(0.0, x) / std::max(1, mCanvas.ScrollUnit))));
    mView.vscrol->setValue(static_cast<int>(std::lround(std::max(0.0, y))));
}

void OverviewStrip::paintEvent(QPaintEvent *)
{
    if (mDrawing.size() != size())
        mDrawing = paintOverview(mCanvas.model(), size(), mSelectedId());
    QPainter p(this);
    p.drawImage(0, 0, mDrawing);
    QPen pen(palette().color(QPalette::Highlight), 2);
    p.setPen(pen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawRect(visibleFrame());
}

void OverviewStrip::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        scrollTo(event->position().toPoint());
}

void OverviewStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        scrollTo(event->position().toPoint());
}

} // namespace qm
