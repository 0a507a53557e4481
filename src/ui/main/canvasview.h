// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QWidget>

#include <functional>
#include <vector>

class QPainter;
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
    // Scrolls as little as needed to show the area (twips); its left part first when it is wider.
    void ensureVisible(const QRectF &twips);
    // The point of the surface that shows a canvas point, in global screen coordinates.
    QPoint toGlobal(const QPointF &twips) const;
    // The surface's pixels that show an area of the canvas.
    QRect toSurface(const QRectF &twips) const;
    // Shows the outlines of the printed pages (canvas twips) that `pages` gives each time the canvas
    // is painted, so that they follow the boxes; an empty function shows none. The outlines are drawn
    // over the canvas by the view only, so they never reach an export.
    void setPageGrid(const std::function<std::vector<QRectF>()> &pages);
    bool showsPageGrid() const { return static_cast<bool>(mPageGrid); }
    // Painted over the canvas after it, by the view only (marks of a search, never part of an export):
    // the painter, the visible area in twips and pixels per twip.
    using Overlay = std::function<void(QPainter &, const QRectF &, double)>;
    void addOverlay(const Overlay &overlay) { mOverlays.push_back(overlay); }
    // A strip of the window under the canvas and its scroll bar; the canvas gets what it leaves.
    void addFooter(QWidget *footer);

signals:
    // The mouse on the canvas, in canvas twips.
    void pressed(QPointF twips, Qt::MouseButton button);
    void moved(QPointF twips);
    void released(QPointF twips, Qt::MouseButton button);
    void doubleClicked(QPointF twips, Qt::MouseButton button);
    // Left, Right, Home, End, Page Up, Page Down, Enter or Return with the canvas focused.
    void keyPressed(int key);
    // The canvas lost the keyboard focus.
    void focusLost();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    friend class CanvasSurface;
    TimelineCanvas &mCanvas;
    std::function<std::vector<QRectF>()> mPageGrid;
    std::vector<Overlay> mOverlays;
    std::vector<QWidget *> mFooters;
};

} // namespace qm
