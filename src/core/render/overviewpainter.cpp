// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "overviewpainter.h"

#include <QPainter>

#include <algorithm>

namespace qm {

QPointF overviewScale(const CanvasModel &model, const QSize &size)
{
    const double w = std::max(1.0, model.width);
    const double h = std::max(1.0, model.height);
    return {w / std::max(1, size.width()), h / std::max(1, size.height())};
}

QImage paintOverview(const CanvasModel &model, const QSize &size, qint32 selectedId)
{
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    image.fill(colorFromLong(model.backColor));
    const QPointF scale = overviewScale(model, image.size());
    QPainter p(&image);
    p.setPen(QColor(0, 0, 0));
    const double axisY = model.axis.p1.y() / scale.y();
    p.drawLine(QPointF(model.axis.p1.x() / scale.x(), axisY), QPointF(model.axis.p2.x() / scale.x(), axisY));
    // Blocks of at least a pixel, so that a box never vanishes however long the timeline.
    auto block = [&scale](const QRectF &r) {
        return QRect(static_cast<int>(r.left() / scale.x()), static_cast<int>(r.top() / scale.y()),
                     std::max(1, static_cast<int>(r.width() / scale.x())),
                     std::max(1, static_cast<int>(r.height() / scale.y())));
    };
    p.end();
    // Tens of thousands of blocks of a few pixels each: written straight into the pixels, which takes
    // a fraction of what a painter call for each would.
    const QRect bounds = image.rect();
    auto fill = [&image, &bounds](const QRect &r, QRgb color) {
        const QRect clipped = r.intersected(bounds);
        for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            std::fill(line + clipped.left(), line + clipped.right() + 1, color);
        }
    };
    const QRgb boxColor = qRgb(40, 50, 90);
    const QRgb nameColor = qRgb(120, 130, 165);
    const QRgb lineColor = qRgb(90, 100, 140);
    for (const auto &[id, box] : model.boxes()) {
        if (id == selectedId)
            continue;
        if (box.name.visible)
            fill(block(box.name.rect), nameColor);
        if (box.connector.visible) {
            const QRect top = block(QRectF(box.connector.p1, QSizeF(0, 0)));
            fill(QRect(top.left(), top.top(), 1, std::max(1, static_cast<int>(axisY) - top.top())), lineColor);
        }
        if (box.picture.visible)
            fill(block(box.picture.rect), boxColor);
    }
    p.begin(&image);
    if (const CanvasBox *selected = model.box(selectedId)) {
        const QRect r = block(selected->grabRect()).adjusted(-2, -2, 2, 2);
        p.fillRect(r, QColor(220, 0, 0));
    }
    return image;
}

} // namespace qm
