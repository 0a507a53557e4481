// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSize>
#include <QSizeF>

#include <vector>

class QPainter;

namespace qm {

// Where the canvas is cut into printed pages: landscape pages at the canvas's true size, running down
// each strip of the canvas, then strip after strip from left to right, with no margin taken off.
class PageGrid
{
public:
    // `page` is the printable area of one landscape page in whole twips.
    PageGrid(const QSizeF &canvas, const QSize &page);

    // The printable area of an A4 page in landscape with the margins of Qt's PDF printer (10 points).
    static QSize defaultPage();

    const QSize &page() const { return mPage; }
    int columns() const { return mColumns; }
    int rows() const { return mRows; }
    int pageCount() const { return mColumns * mRows; }
    // The boundaries between pages inside the canvas: every multiple of the page width (height)
    // short of the canvas edge.
    std::vector<double> verticalLines() const;
    std::vector<double> horizontalLines() const;
    // The part of the canvas each page shows, in printing order.
    std::vector<QRectF> pages() const;

    // Draws the boundaries over a canvas painted by CanvasRenderer with the same area and scale.
    void paint(QPainter &painter, const QRectF &twipsArea, double pixelsPerTwip) const;

private:
    QSizeF mCanvas;
    QSize mPage;
    int mColumns = 1;
    int mRows = 1;
};

} // namespace qm
