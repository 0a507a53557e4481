// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagegrid.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Pages a side of `length` twips takes; an empty canvas still prints on one page.
int piecesOf(double length, int page)
{
    return std::max(1, static_cast<int>(std::ceil(length / page)));
}

const QColor GridColor(96, 96, 96);

} // namespace

PageGrid::PageGrid(const QSizeF &canvas, const QSize &page)
    : mCanvas(canvas), mPage(std::max(1, page.width()), std::max(1, page.height()))
{
    mColumns = piecesOf(mCanvas.width(), mPage.width());
    mRows = piecesOf(mCanvas.height(), mPage.height());
}

QSize PageGrid::defaultPage()
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                         QPageLayout::Point);
    const QRectF area = a4.paintRect(QPageLayout::Point);
    return {static_cast<int>(std::lround(area.width() * 20)), static_cast<int>(std::lround(area.height() * 20))};
}

std::vector<double> PageGrid::verticalLines() const
{
    std::vector<double> lines;
    for (int i = 1; i < mColumns; ++i)
        lines.push_back(static_cast<double>(i) * mPage.width());
    return lines;
}

std::vector<double> PageGrid::horizontalLines() const
{
    std::vector<double> lines;
    for (int i = 1; i < mRows; ++i)
        lines.push_back(static_cast<double>(i) * mPage.height());
    return lines;
}

std::vector<QRectF> PageGrid::pages() const
{
    std::vector<QRectF> result;
    result.reserve(static_cast<size_t>(pageCount()));
    for (int column = 0; column < mColumns; ++column) {
        for (int row = 0; row < mRows; ++row)
            result.emplace_back(static_cast<double>(column) * mPage.width(), static_cast<double>(row) * mPage.height(),
                                mPage.width(), mPage.height());
    }
    return result;
}

void PageGrid::paint(QPainter &p, const QRectF &twipsArea, double pixelsPerTwip) const
{
    if (pageCount() <= 1 || pixelsPerTwip <= 0)
        return;
    p.save();
    QPen pen(GridColor, 1, Qt::DashLine, Qt::FlatCap);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setRenderHint(QPainter::Antialiasing, false);
    auto at = [&](double x, double y) { return (QPointF(x, y) - twipsArea.topLeft()) * pixelsPerTwip; };
    for (double x : verticalLines()) {
        if (x >= twipsArea.left() && x <= twipsArea.right())
            p.drawLine(at(x, 0), at(x, mCanvas.height()));
    }
    for (double y : horizontalLines()) {
        if (y >= twipsArea.top() && y <= twipsArea.bottom())
            p.drawLine(at(0, y), at(mCanvas.width(), y));
    }
    p.restore();
}

} // namespace qm
