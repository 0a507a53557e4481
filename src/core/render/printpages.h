// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagesetup.h"

#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

class QPainter;

namespace qm {

class CanvasModel;

// One printed sheet: the part of the canvas it shows and where that part lands on the sheet.
struct PrintedPage
{
    // Canvas twips, as the model holds them.
    QRectF source;
    // Twips of paper from the top-left corner of the printable area.
    QPointF target;
    // Neighbours in the poster, for the overlap marks.
    bool hasLeft = false;
    bool hasRight = false;
    bool hasAbove = false;
    bool hasBelow = false;
};

// Cuts a timeline into the printed pages its page setup asks for. The same pages serve printing,
// the print preview, PDF "pages as printed", the page grid of the canvas and qmtool pages. Pages
// are cut only where the content needs them; a cut that would split a box that fits on one page
// moves into the gap before the box; pages with nothing on them are left out. With more than one
// page each carries the title and its number ("2 / 3") in a header line.
class PrintPages
{
public:
    // Height of the header line over the pages of a timeline printed on more than one page.
    static constexpr double HeaderTwips = 400.0;
    // Poster sheets repeat this much of their neighbour's edge, so that they can be glued.
    static constexpr double OverlapTwips = 400.0;
    // No printout is longer: a scale that needs more makes none.
    static constexpr int MostPages = 1000;
    // What the user is told then.
    static QString tooManyMessage();

    // `model` is the canvas at `zoom`; `area` the printable area of one sheet in twips.
    PrintPages(const CanvasModel &model, double zoom, const PageSetup &setup, const QSizeF &area);

    // The printable area of a page layout, in twips.
    static QSizeF areaOf(const QPageLayout &layout);

    const std::vector<PrintedPage> &pages() const { return mPages; }
    int pageCount() const { return static_cast<int>(mPages.size()); }
    // Twips of paper per twip of the canvas.
    double scale() const { return mScale; }
    bool hasHeader() const { return mPages.size() > 1; }
    // The scale asked for would need more than MostPages pages; there are none.
    bool tooMany() const { return mTooMany; }

    // Paints page `index` with the painter's origin at the printable area's top-left corner,
    // `pixelsPerTwip` device pixels to the twip of paper. `title` heads the pages.
    void paintPage(QPainter &painter, const CanvasModel &model, int index, double pixelsPerTwip,
                   const QString &title) const;

private:
    void cut(const CanvasModel &model, double scale, const QSizeF &area, double overlap);

    std::vector<PrintedPage> mPages;
    double mScale = 1.0;
    int mColumns = 1;
    int mRows = 1;
    bool mTooMany = false;
    PageSetup::Fit mFit;
};

} // namespace qm
