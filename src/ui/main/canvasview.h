// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QScrollBar;

namespace qm {

class TimelineCanvas;

// The scrolled window onto the timeline canvas: paints the visible part of the canvas model and
// turns mouse clicks into canvas twips.
class CanvasView : public QWidget
{
    Q_OBJECT
public:
    CanvasView(TimelineCanvas &canvas, QWidget *parent = nullptr);

    QWidget *Pic = nullptr;
    QScrollBar *hscrol = nullptr;
    QScrollBar *vscrol = nullptr;

    double twipsPerPixel() const;
    // The canvas point under a point of the drawing surface.
    QPointF toTwips(const QPoint &surfacePoint) const;
    // The part of the canvas the surface shows, in twips.
    QRectF visibleTwips() const;
    // Sizes the canvas for the visible area and sets the scroll bars from it.
    void refreshExtents();
    // Shows where pages of this size (twips) would cut the canvas; an empty size shows no grid. The
    // grid is drawn over the canvas by the view only, so it never reaches an export.
    void setPageGrid(const QSize &page);
    QSize pageGrid() const { return mPageGrid; }

signals:
    void boxClicked(qint32 id);
    void boxDoubleClicked(qint32 id);
    void backgroundClicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class CanvasSurface;
    // The box whose picture or name label holds the point; -1 for none.
    qint32 boxAt(const QPointF &twips) const;

    TimelineCanvas &mCanvas;
    QSize mPageGrid;
};

} // namespace qm
