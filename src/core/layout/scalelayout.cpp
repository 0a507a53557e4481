// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scalelayout.h"

#include "axisticks.h"
#include "store/canvasstate.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/placements.h"
#include "textmeasurer.h"
#include "timelinecanvas.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace qm {

namespace {

// The gap between a box's parts, the length of the marks and the gap under them, at full size.
constexpr double PartGap = 50.0;
constexpr double MajorMark = 120.0;
constexpr double MinorMark = 60.0;
// How much wider the scale gets each time the rows cannot hold every box, and how often at most.
constexpr double Widening = 1.25;
constexpr int MostWidenings = 40;
// Period bars: their thickness, the distance between lanes, and the gap above the axis.
constexpr double BarHeight = 90.0;
constexpr double LanePitch = 130.0;
constexpr double BarGap = 60.0;

// The boxes kept in a row by the user, as spans of x, with the furthest right end among the first so many.
struct KeptSpans
{
    std::vector<std::pair<double, double>> spans; // sorted by left end
    std::vector<double> reach;                    // reach[i]: furthest right end of spans[0..i]

    void finish()
    {
        std::sort(spans.begin(), spans.end());
        reach.resize(spans.size());
        double furthest = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < spans.size(); ++i)
            reach[i] = furthest = std::max(furthest, spans[i].second);
    }
    bool clashes(double left, double right, double minDist) const
    {
        // Only spans starting before this one ends can touch it; of those the furthest reaching decides.
        const auto end = std::lower_bound(spans.begin(), spans.end(), std::make_pair(right + minDist, -1e300));
        if (end == spans.begin())
            return false;
        return reach[static_cast<std::size_t>(end - spans.begin()) - 1] + minDist > left;
    }
};

} // namespace

bool fitRows(std::vector<ScaleBox> &boxes, double firstTop, double rowHeight, int rowCount, double minDist)
{
    rowCount = std::max(rowCount, 1);
    std::vector<KeptSpans> kept(static_cast<std::size_t>(rowCount));
    std::vector<std::size_t> free;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        ScaleBox &b = boxes[i];
        if (!b.keptTop) {
            free.push_back(i);
            continue;
        }
        b.top = *b.keptTop;
        // A box the user put somewhere stands in the way in every row it reaches into.
        for (int r = 0; r < rowCount; ++r) {
            const double rowTop = firstTop + r * rowHeight;
            if (b.top < rowTop + rowHeight - minDist && b.top + b.height > rowTop)
                kept[static_cast<std::size_t>(r)].spans.emplace_back(b.x - b.leftReach, b.x + b.rightReach);
        }
    }
    for (KeptSpans &k : kept)
        k.finish();
    std::stable_sort(free.begin(), free.end(), [&](std::size_t a, std::size_t b) { return boxes[a].x < boxes[b].x; });

    std::vector<double> rowEnd(static_cast<std::size_t>(rowCount), -std::numeric_limits<double>::infinity());
    bool all = true;
    for (const std::size_t i : free) {
        ScaleBox &b = boxes[i];
        const double left = b.x - b.leftReach;
        const double right = b.x + b.rightReach;
        int row = -1;
        for (int r = 0; r < rowCount && row < 0; ++r) {
            const auto k = static_cast<std::size_t>(r);
            if (rowEnd[k] + minDist <= left && !kept[k].clashes(left, right, minDist))
                row = r;
        }
        if (row < 0) {
            all = false;
            row = static_cast<int>(std::min_element(rowEnd.begin(), rowEnd.end()) - rowEnd.begin());
        }
        const auto k = static_cast<std::size_t>(row);
        rowEnd[k] = std::max(rowEnd[k], right);
        b.top = firstTop + row * rowHeight;
    }
    return all;
}

bool isShownToScale(const CanvasState &g)
{
    return g.CurTimeLine && g.CurTimeLineId > 0 && g.CurTimeLine->Id == g.CurTimeLineId && g.CurTimeLine->ToScale;
}

std::vector<ScaleBox> layOutToScale(TimelineCanvas &canvas)
{
    CanvasState &g = canvas.state();
    CanvasModel &m = canvas.model();
    const double zoom = g.Zoom > 0 ? g.Zoom : 1.0;
    const double minDist = g.MinDist;

    std::unordered_map<qint32, double> when;
    for (const DatedPlacement &p : datedPlacements(g.ProjectDb, g.CurTimeLineId)) {
        if (const std::optional<double> at = yearPosition(p.date))
            when.emplace(p.eventId, *at);
    }
    const std::map<qint32, double> keptTops = scaleTops(g.ProjectDb, g.CurTimeLineId);

    // Everything at full size: the zoom only shows it larger.
    std::vector<ScaleBox> boxes;
    std::vector<double> at; // year position of each box; NaN for a box without a date
    double first = std::numeric_limits<double>::infinity();
    double last = -first;
    double widest = 0.0;
    double reachLeft = 0.0;
    double reachRight = 0.0;
    double tallest = 0.0;
    for (const auto &[id, b] : m.boxes()) {
        ScaleBox s;
        s.id = id;
        const double w = b.picture.rect.width() / zoom;
        const double dateW = b.date.visible ? b.date.rect.width() / zoom : 0.0;
        const double dateH = b.date.visible ? b.date.rect.height() / zoom + PartGap : 0.0;
        const double nameW = b.name.visible ? b.name.rect.width() / zoom + PartGap : 0.0;
        s.leftReach = std::max(w, dateW) / 2;
        s.rightReach = std::max(w / 2 + nameW, dateW / 2);
        const double nameH = b.name.visible ? b.name.rect.height() / zoom : 0.0;
        // Without a picture the date hangs under the name.
        s.height = b.picture.visible ? std::max(b.picture.rect.height() / zoom + dateH, nameH) : nameH + dateH;
        if (const auto k = keptTops.find(id); k != keptTops.end())
            s.keptTop = k->second;
        const auto w2 = when.find(id);
        at.push_back(w2 == when.end() ? std::numeric_limits<double>::quiet_NaN() : w2->second);
        if (w2 != when.end()) {
            first = std::min(first, w2->second);
            last = std::max(last, w2->second);
        }
        widest = std::max(widest, s.leftReach + s.rightReach);
        reachLeft = std::max(reachLeft, s.leftReach);
        reachRight = std::max(reachRight, s.rightReach);
        tallest = std::max(tallest, s.height);
        boxes.push_back(s);
    }
    if (first > last)
        first = last = 2000.0;

    // Periods in lanes along the axis, first fit in order of their starts: a lane takes a bar that
    // starts after its last one ends.
    struct Period
    {
        qint32 id;
        double from;
        double to;
        int lane = 0;
    };
    std::vector<Period> periods;
    for (const auto &[id, end] : periodEnds(g.ProjectDb, g.CurTimeLineId)) {
        const auto start = when.find(id);
        const std::optional<double> to = yearPosition(end);
        if (start != when.end() && to && m.hasBox(id)) {
            periods.push_back({id, start->second, std::max(*to, start->second)});
            last = std::max(last, *to);
        }
    }
    std::sort(periods.begin(), periods.end(), [](const Period &a, const Period &b) { return a.from < b.from; });
    std::vector<double> laneEnd;
    for (Period &p : periods) {
        std::size_t lane = 0;
        while (lane < laneEnd.size() && laneEnd[lane] >= p.from)
            ++lane;
        if (lane == laneEnd.size())
            laneEnd.push_back(p.to);
        laneEnd[lane] = p.to;
        p.lane = static_cast<int>(lane);
    }
    const double band = periods.empty() ? 0.0 : laneEnd.size() * LanePitch + BarGap;

    const double left = TimelineCanvas::AxisLeft + minDist + reachLeft;
    const double shown = canvas.viewport().width > 0 ? canvas.viewport().width / zoom : PageWidthTwips;
    TimeScale scale = fitTimeScale(first, last, left, std::max(shown - left - reachRight - minDist, 1000.0));
    const double years = g.CurTimeLine ? g.CurTimeLine->YearsPerWidth : 0.0;
    if (years > 0.0)
        scale.twipsPerYear = PageWidthTwips / years;

    const QRectF &title = m.lblLabel.rect;
    const double firstTop = (title.top() + title.height()) / zoom + minDist;
    const double rowHeight = tallest + minDist;
    const double axisY = m.axis.p1.y() / zoom;
    const int rowCount = std::max(1, static_cast<int>(std::floor((axisY - band - firstTop) / rowHeight)));
    for (int round = 0;; ++round) {
        std::size_t undated = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            boxes[i].x =
                std::isnan(at[i]) ? scale.xOf(last) + reachRight + (++undated) * (widest + minDist) : scale.xOf(at[i]);
        }
        if (fitRows(boxes, firstTop, rowHeight, rowCount, minDist) || round == MostWidenings)
            break;
        scale.twipsPerYear *= Widening;
    }

    m.timeScale = scale.scaled(zoom);
    m.periodBars.clear();
    for (const Period &p : periods) {
        const double from = scale.xOf(p.from);
        // A period of a day still shows as a short bar.
        const double to = std::max(scale.xOf(p.to), from + BarHeight);
        const double top = axisY - BarGap - (p.lane + 1) * LanePitch + (LanePitch - BarHeight);
        m.periodBars.push_back(
            {p.id, QRectF(from * zoom, top * zoom, (to - from) * zoom, BarHeight * zoom), m.box(p.id)->date.foreColor});
    }
    for (const ScaleBox &s : boxes) {
        CanvasBox &b = *m.box(s.id);
        b.picture.rect.moveTopLeft(QPointF(s.x * zoom - b.picture.rect.width() / 2, s.top * zoom));
        canvas.ArrangeBox(s.id);
    }
    canvas.UpdateScrollExtents();
    refreshAxisTicks(canvas);
    return boxes;
}

void refreshAxisTicks(TimelineCanvas &canvas)
{
    CanvasModel &m = canvas.model();
    m.axisMarks.clear();
    m.axisLabels.clear();
    if (!m.timeScale)
        return;
    const CanvasState &g = canvas.state();
    const double zoom = g.Zoom > 0 ? g.Zoom : 1.0;
    // The marks speak in the timeline's own date font.
    const clFormat &f = g.CurTimeLine ? g.CurTimeLine->DefaultFormat : clFormat();
    const LabelFont font{f.DateFont, f.DateFontSize * zoom, false, false};
    const TextMeasurer &measurer = canvas.measurer();
    const AxisTicks ticks = chooseAxisTicks(*m.timeScale, m.axis.p1.x(), m.axis.p2.x(), [&](const QString &text) {
        return measurer.naturalSize(font, text).width();
    });
    const double axisY = m.axis.p1.y();
    for (const AxisTick &t : ticks.ticks) {
        CanvasLine mark;
        mark.p1 = QPointF(t.x, axisY);
        mark.p2 = QPointF(t.x, axisY + (t.major ? MajorMark : MinorMark) * zoom);
        m.axisMarks.push_back(mark);
        if (!t.major)
            continue;
        CanvasLabel label;
        label.caption = t.label;
        label.font = font;
        label.foreColor = f.DateForeColor;
        label.autoSize = true;
        AutoSizeLabel(label, measurer);
        label.rect.moveTopLeft(QPointF(t.x - label.rect.width() / 2, axisY + (MajorMark + PartGap) * zoom));
        m.axisLabels.push_back(label);
    }
}

bool dragToScale(TimelineCanvas &canvas, double dx, double dy)
{
    CanvasModel &m = canvas.model();
    const CanvasState &g = canvas.state();
    CanvasBox *b = g.SelectedId < 0 ? nullptr : m.box(g.SelectedId);
    if (!b)
        return true;
    const double minDist = canvas.canvasMinDist();
    QRectF &pic = b->picture.rect;
    const double bottom = std::max(b->hangY() + PartGap * g.Zoom + (b->date.visible ? b->date.rect.height() : 0.0),
                                   b->name.visible ? b->name.rect.top() + b->name.rect.height() : 0.0);
    // Up or down only, and never onto the axis or off the top.
    double move = dy;
    if (pic.top() + move < minDist)
        move = std::min(0.0, minDist - pic.top());
    if (bottom + move > m.axis.p1.y() - minDist)
        move = std::max(0.0, m.axis.p1.y() - minDist - bottom);
    if (move != 0.0) {
        pic.translate(0, move);
        canvas.ArrangeBox(g.SelectedId);
    }
    // A small sideways twitch of the hand is no attempt to move the box in time.
    return std::abs(dx) <= std::max(std::abs(dy), 3.0 * 15.0 * g.Zoom);
}

std::vector<BoxMove> dropToScale(TimelineCanvas &canvas)
{
    const CanvasState &g = canvas.state();
    const CanvasBox *b = g.SelectedId < 0 ? nullptr : canvas.model().box(g.SelectedId);
    if (!b)
        return {};
    const std::map<qint32, double> kept = scaleTops(canvas.state().ProjectDb, g.CurTimeLineId);
    const auto k = kept.find(g.SelectedId);
    const double before = k == kept.end() ? std::numeric_limits<double>::quiet_NaN() : k->second;
    const double zoom = g.Zoom > 0 ? g.Zoom : 1.0;
    const double after = storedTwips(std::round(b->picture.rect.top() / zoom));
    // A click without a move keeps the box in the rows the fitting gives it.
    if (before == after || b->picture.rect.top() == canvas.DragStartTop)
        return {};
    return {{g.SelectedId, QPointF(0, before), QPointF(0, after)}};
}

void showInDateOrder(TimelineCanvas &canvas)
{
    CanvasModel &m = canvas.model();
    m.timeScale.reset();
    m.axisMarks.clear();
    m.axisLabels.clear();
    m.periodBars.clear();
    const std::map<qint32, QPointF> stored = storedBoxPositions(canvas.state().ProjectDb, canvas.state().CurTimeLineId);
    const double zoom = canvas.state().Zoom > 0 ? canvas.state().Zoom : 1.0;
    for (const auto &[id, at] : stored) {
        if (CanvasBox *b = m.box(id)) {
            b->picture.rect.moveTopLeft(at * zoom);
            canvas.ArrangeBox(id);
        }
    }
    canvas.UpdateScrollExtents();
}

QString sidewaysDragMessage()
{
    return QCoreApplication::translate("TimelineCanvas",
                                       "To scale, a box's date decides where it stands: it moves only up or down");
}

} // namespace qm
