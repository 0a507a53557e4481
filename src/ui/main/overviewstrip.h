// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

namespace qm {

class CanvasView;
class TimelineCanvas;

// The whole timeline drawn small under the canvas, with the part the window shows framed; a click
// or a drag there scrolls the canvas to that place.
class OverviewStrip : public QWidget
{
    Q_OBJECT
public:
    OverviewStrip(TimelineCanvas &canvas, CanvasView &view, std::function<qint32()> selectedId,
                  QWidget *parent = nullptr);

    // The canvas changed: the drawing is made again when next shown.
    void invalidate();
    // The frame of the part shown, in the strip's pixels.
    QRect visibleFrame() const;
    // Scrolls the canvas so that the point of the strip is in the middle of the window.
    void scrollTo(const QPoint &stripPoint);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    TimelineCanvas &mCanvas;
    CanvasView &mView;
    std::function<qint32()> mSelectedId;
    QImage mDrawing;
};

} // namespace qm
