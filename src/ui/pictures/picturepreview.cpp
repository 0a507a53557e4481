// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturepreview.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace qm {

PicturePreview::PicturePreview(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraPreview"));
    setMinimumSize(300, 260);
    setMouseTracking(true);
    rebuildHandles(QSizeF(720, 720));
}

double PicturePreview::twipsPerPixel() const
{
    return 1440.0 / std::max(1, logicalDpiX());
}

QRectF PicturePreview::toPixels(const QRectF &twips) const
{
    const double f = 1.0 / twipsPerPixel();
    return QRectF(twips.left() * f, twips.top() * f, twips.width() * f, twips.height() * f);
}

void PicturePreview::rebuildHandles(const QSizeF &size)
{
    const double t = twipsPerPixel();
    // The room ends at the area's edges: its inner width and, below, where the line check box begins.
    mHandles = std::make_unique<PictureHandles>(QRectF(QPointF(MarginTwips, MarginTwips), size), HandleSideTwips,
                                                width() * t, height() * t);
}

void PicturePreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    rebuildHandles(mHandles->preview().size());
}

void PicturePreview::setImage(const QImage &image)
{
    mImage = image;
    update();
}

void PicturePreview::setPictureSize(double widthTwips, double heightTwips)
{
    mHandles->setSize(widthTwips, heightTwips);
    update();
}

QSizeF PicturePreview::pictureSize() const
{
    return mHandles->preview().size();
}

void PicturePreview::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    const QRectF picture = toPixels(mHandles->preview());
    if (!mImage.isNull())
        p.drawImage(picture, mImage);
    p.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    p.drawRect(picture);
    p.setPen(Qt::black);
    p.setBrush(palette().highlight());
    p.drawRect(toPixels(mHandles->widthHandle()));
    p.drawRect(toPixels(mHandles->heightHandle()));
    p.drawRect(toPixels(mHandles->cornerHandle()));
}

void PicturePreview::mousePressEvent(QMouseEvent *event)
{
    const double t = twipsPerPixel();
    const QPointF at = event->position() * t;
    // A little slack around the handles: they are small.
    const double grace = 3 * t;
    if (mHandles->cornerHandle().adjusted(-grace, -grace, grace, grace).contains(at))
        mHandles->pressCorner(at);
    else if (mHandles->widthHandle().adjusted(-grace, -grace, grace, grace).contains(at))
        mHandles->press(PictureHandles::Width, at.x());
    else if (mHandles->heightHandle().adjusted(-grace, -grace, grace, grace).contains(at))
        mHandles->press(PictureHandles::Height, at.y());
}

void PicturePreview::mouseMoveEvent(QMouseEvent *event)
{
    const double t = twipsPerPixel();
    const QPointF at = event->position() * t;
    switch (mHandles->held()) {
    case PictureHandles::Width:
        if (mHandles->move(at.x()))
            update();
        break;
    case PictureHandles::Height:
        if (mHandles->move(at.y()))
            update();
        break;
    case PictureHandles::Corner:
        // Shift frees the proportions.
        if (mHandles->moveCorner(at, event->modifiers() & Qt::ShiftModifier))
            update();
        break;
    case PictureHandles::None: {
        if (mHandles->cornerHandle().contains(at))
            setCursor(Qt::SizeFDiagCursor);
        else if (mHandles->widthHandle().contains(at))
            setCursor(Qt::SizeHorCursor);
        else
            setCursor(mHandles->heightHandle().contains(at) ? Qt::SizeVerCursor : Qt::ArrowCursor);
        break;
    }
    }
}

void PicturePreview::mouseReleaseEvent(QMouseEvent *)
{
    if (mHandles->held() == PictureHandles::None)
        return;
    mHandles->release();
    emit sizeChanged();
}

} // namespace qm
