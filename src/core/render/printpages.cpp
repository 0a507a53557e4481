// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "printpages.h"

#include "canvasrenderer.h"
#include "layout/canvasmodel.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// A part of the canvas that a cut must not split when it fits on one page.
struct Block
{
    double from;
    double to;
};

constexpr double MarkTwips = 200.0;
constexpr double BandMarginTwips = 30.0;
constexpr double HeaderPoints = 9.0;
// Fitting to sheets shrinks the timeline in these steps while moved cuts need more sheets than asked.
constexpr double ShrinkStep = 0.97;
constexpr int MostShrinks = 40;
constexpr double Eps = 0.01;

// Every block of the canvas along one direction.
std::vector<Block> blocksOf(const CanvasModel &model, bool across)
{
    std::vector<Block> blocks;
    auto add = [&](const QRectF &r) {
        if (r.isEmpty())
            return;
        blocks.push_back(across ? Block{r.left(), r.right()} : Block{r.top(), r.bottom()});
    };
    for (const auto &entry : model.boxes()) {
        const CanvasBox &b = entry.second;
        QRectF top;
        if (b.picture.visible)
            top = b.picture.rect;
        if (b.name.visible)
            top = top.isEmpty() ? b.name.rect : top.united(b.name.rect);
        add(top);
        if (b.date.visible)
            add(b.date.rect);
    }
    for (const CanvasLabel *l : {&model.lblLabel, &model.lblSub}) {
        if (l->visible && !l->caption.isEmpty())
            add(l->rect);
    }
    // A legend cut in two loses the colours of half the categories.
    if (model.legend.visible && !model.legend.entries.empty())
        add(model.legend.rect);
    // A year of the axis cut in two reads as two wrong years.
    for (const CanvasLabel &l : model.axisLabels)
        add(l.rect);
    // Down the page, the bars of the periods, the axis, its marks and years read as one band.
    if (!across && (!model.periodBars.empty() || !model.axisMarks.empty())) {
        QRectF band(model.axis.p1, model.axis.p2);
        band = band.normalized().adjusted(0, -0.5, 0, 0.5);
        for (const CanvasBar &bar : model.periodBars)
            band = band.united(bar.rect);
        for (const CanvasLine &mark : model.axisMarks)
            band = band.united(QRectF(mark.p1, mark.p2).normalized().adjusted(0, 0, 0.5, 0));
        for (const CanvasLabel &l : model.axisLabels)
            band = band.united(l.rect);
        // A cut right on the top bar would leave a sliver of it on the page above.
        add(band.adjusted(0, -BandMarginTwips, 0, 0));
    }
    return blocks;
}

// The blocks that fit on a page, sorted by start and by end, so that counting the blocks a cut
// would split takes two binary searches however many boxes there are.
class BlockIndex
{
public:
    BlockIndex(const std::vector<Block> &blocks, double capacity)
    {
        for (const Block &b : blocks) {
            if (b.to - b.from <= capacity) {
                mStarts.push_back(b.from);
                mEnds.push_back(b.to);
            }
        }
        std::sort(mStarts.begin(), mStarts.end());
        std::sort(mEnds.begin(), mEnds.end());
    }

    int splits(double x) const
    {
        const auto started = std::lower_bound(mStarts.begin(), mStarts.end(), x - Eps) - mStarts.begin();
        const auto ended = std::upper_bound(mEnds.begin(), mEnds.end(), x + Eps) - mEnds.begin();
        return static_cast<int>(std::max<std::ptrdiff_t>(0, started - ended));
    }

    // Where a page from `pos` ends at the latest `limit`: at the limit when that splits nothing, else
    // before the last block it would split, as long as that keeps the page at least half full. Boxes
    // drawn to scale stand in rows that overlap all along the axis; there the cut goes where it
    // splits fewest in the page's second half, rather than leaving a page all but empty.
    double cut(double pos, double limit, double capacity) const
    {
        int fewest = splits(limit);
        if (fewest == 0)
            return limit;
        const auto first = std::upper_bound(mStarts.begin(), mStarts.end(), pos + Eps);
        const auto last = std::lower_bound(first, mStarts.end(), limit - Eps);
        const double half = pos + capacity / 2;
        double best = limit;
        for (auto it = last; it != first;) {
            const double x = *--it;
            if (x < half)
                break;
            const int n = splits(x);
            if (n == 0)
                return x;
            if (n < fewest) {
                fewest = n;
                best = x;
            }
        }
        return best;
    }

private:
    std::vector<double> mStarts;
    std::vector<double> mEnds;
};

// The stretches of [start, end] that the pages along one direction show, each at most `capacity`
// long, each after the first beginning `overlap` before the end of the one before.
std::vector<Block> stretches(double start, double end, double capacity, double overlap,
                             const std::vector<Block> &blocks)
{
    std::vector<Block> result;
    const BlockIndex index(blocks, capacity);
    double pos = start;
    // One past the most pages, so that the caller sees that there are too many.
    while (result.size() <= static_cast<size_t>(PrintPages::MostPages)) {
        const double limit = pos + capacity;
        if (limit >= end - Eps) {
            result.push_back({pos, end});
            break;
        }
        const double cut = index.cut(pos, limit, capacity);
        result.push_back({pos, cut});
        pos = cut - overlap > pos + Eps ? cut - overlap : cut;
    }
    return result;
}

bool holdsSomething(const CanvasModel &model, const QRectF &r)
{
    const QLineF axis(model.axis.p1, model.axis.p2);
    if (model.axis.visible && axis.y1() >= r.top() && axis.y1() <= r.bottom() &&
        std::max(axis.x1(), axis.x2()) >= r.left() && std::min(axis.x1(), axis.x2()) <= r.right())
        return true;
    for (const CanvasLabel *l : {&model.lblLabel, &model.lblSub}) {
        if (l->visible && !l->caption.isEmpty() && l->rect.intersects(r))
            return true;
    }
    return !model.boxesInZOrder(r).empty();
}

} // namespace

QString PrintPages::tooManyMessage()
{
    return QStringLiteral("At this scale the timeline would need more than %1 pages. Choose a smaller scale in "
                          "File ▸ Page setup.")
        .arg(MostPages);
}

QSizeF PrintPages::areaOf(const QPageLayout &layout)
{
    return layout.paintRect(QPageLayout::Point).size() * 20.0;
}

PrintPages::PrintPages(const CanvasModel &model, double zoom, const PageSetup &setup, const QSizeF &area)
    : mFit(setup.fit)
{
    const double z = zoom > 0 ? zoom : 1.0;
    const QSizeF canvas(std::max(1.0, model.width), std::max(1.0, model.height));
    const QSizeF room(std::max(1.0, area.width()), std::max(1.0, area.height()));
    const QSizeF underHeader(room.width(), std::max(1.0, room.height() - HeaderTwips));
    switch (setup.fit) {
    case PageSetup::Fit::OnePage: {
        mScale = std::min(room.width() / canvas.width(), room.height() / canvas.height());
        const QSizeF used = canvas * mScale;
        mPages.push_back({QRectF(QPointF(0, 0), canvas),
                          QPointF((room.width() - used.width()) / 2, (room.height() - used.height()) / 2)});
        break;
    }
    case PageSetup::Fit::Percent:
        mScale = setup.percent / 100.0 / z;
        cut(model, mScale, room, 0.0);
        if (mPages.size() > 1)
            cut(model, mScale, underHeader, 0.0);
        break;
    case PageSetup::Fit::Pages: {
        const int wide = std::max(1, setup.pagesWide);
        const int high = setup.pagesHigh;
        const QSizeF a = wide * std::max(1, high) > 1 ? underHeader : room;
        const double byWidth = (wide * a.width() - (wide - 1) * OverlapTwips) / canvas.width();
        const double byHeight = high > 0 ? (high * a.height() - (high - 1) * OverlapTwips) / canvas.height() : byWidth;
        mScale = std::min(byWidth, byHeight);
        for (int i = 0; i < MostShrinks; ++i, mScale *= ShrinkStep) {
            cut(model, mScale, a, OverlapTwips);
            if (mColumns <= wide && (high <= 0 || mRows <= high))
                break;
        }
        break;
    }
    }
}

void PrintPages::cut(const CanvasModel &model, double scale, const QSizeF &area, double overlap)
{
    mPages.clear();
    const std::vector<Block> columns =
        stretches(0.0, std::max(1.0, model.width), area.width() / scale, overlap / scale, blocksOf(model, true));
    const std::vector<Block> rows =
        stretches(0.0, std::max(1.0, model.height), area.height() / scale, overlap / scale, blocksOf(model, false));
    mColumns = static_cast<int>(columns.size());
    mRows = static_cast<int>(rows.size());
    mTooMany = columns.size() * rows.size() > static_cast<size_t>(MostPages);
    if (mTooMany)
        return;
    const bool header = columns.size() * rows.size() > 1;
    for (size_t r = 0; r < rows.size(); ++r) {
        for (size_t c = 0; c < columns.size(); ++c) {
            PrintedPage page;
            page.source = QRectF(QPointF(columns[c].from, rows[r].from), QPointF(columns[c].to, rows[r].to));
            if (!holdsSomething(model, page.source))
                continue;
            page.target = QPointF(0, header ? HeaderTwips : 0.0);
            page.hasLeft = c > 0;
            page.hasRight = c + 1 < columns.size();
            page.hasAbove = r > 0;
            page.hasBelow = r + 1 < rows.size();
            mPages.push_back(page);
        }
    }
    if (mPages.size() == 1)
        mPages.front().target = QPointF(0, 0);
}

void PrintPages::paintPage(QPainter &p, const CanvasModel &model, int index, double pixelsPerTwip,
                           const QString &title) const
{
    if (index < 0 || index >= pageCount())
        return;
    const PrintedPage &page = mPages[static_cast<size_t>(index)];
    const QSizeF shown = page.source.size() * mScale;
    p.save();
    if (hasHeader()) {
        QFont font(model.lblLabel.font.name);
        font.setPointSizeF(HeaderPoints * 72.0 / p.device()->logicalDpiY() * pixelsPerTwip * 20.0);
        p.setFont(font);
        p.setPen(Qt::black);
        const QRectF line(0, 0, std::max(shown.width(), 3000.0) * pixelsPerTwip, HeaderTwips * 0.8 * pixelsPerTwip);
        const QString number = QStringLiteral("%1 / %2").arg(index + 1).arg(pageCount());
        p.drawText(line, Qt::AlignRight | Qt::AlignTop | Qt::TextDontClip, number);
        const QRectF left = line.adjusted(0, 0, -p.fontMetrics().horizontalAdvance(number + QStringLiteral("    ")), 0);
        p.drawText(left, Qt::AlignLeft | Qt::AlignTop,
                   p.fontMetrics().elidedText(title, Qt::ElideRight, static_cast<int>(left.width())));
    }
    p.translate(page.target * pixelsPerTwip);
    CanvasRenderer::paint(p, model, page.source, mScale * pixelsPerTwip);

    // Where the neighbouring sheets begin, so that a poster is glued edge to mark.
    QPen pen(Qt::black, std::max(1.0, 10.0 * pixelsPerTwip));
    p.setPen(pen);
    const double w = shown.width() * pixelsPerTwip;
    const double h = shown.height() * pixelsPerTwip;
    const double mark = MarkTwips * pixelsPerTwip;
    const double overlap = OverlapTwips * pixelsPerTwip;
    auto vertical = [&](double x) {
        p.drawLine(QPointF(x, -mark), QPointF(x, 0));
        p.drawLine(QPointF(x, h), QPointF(x, h + mark));
    };
    auto horizontal = [&](double y) {
        p.drawLine(QPointF(-mark, y), QPointF(0, y));
        p.drawLine(QPointF(w, y), QPointF(w + mark, y));
    };
    if (mFit == PageSetup::Fit::Pages) {
        if (page.hasRight)
            vertical(w - overlap);
        if (page.hasLeft)
            vertical(overlap);
        if (page.hasBelow)
            horizontal(h - overlap);
        if (page.hasAbove)
            horizontal(overlap);
    }
    p.restore();
}

} // namespace qm
