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
    const QColor boxColor(40, 50, 90);
    const QColor nameColor(120, 130, 165);
    const QColor lineColor(90, 100, 140);
    for (const auto &[id, box] : model.boxes()) {
        if (id == selectedId)
            continue;
        if (box.name.visible)
            p.fillRect(block(box.name.rect), nameColor);
        if (box.connector.visible) {
            const QRect top = block(QRectF(box.connector.p1, QSizeF(0, 0)));
            p.fillRect(QRect(top.left(), top.top(), 1, std::max(1, static_cast<int>(axisY) - top.top())), lineColor);
        }
        p.fillRect(block(box.picture.rect), boxColor);
    }
    if (const CanvasBox *selected = model.box(selectedId)) {
        const QRect r = block(selected->picture.rect).adjusted(-2, -2, 2, 2);
        p.fillRect(r, QColor(220, 0, 0));
    }
    return image;
}

} // namespace qm
