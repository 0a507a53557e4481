// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Placing boxes in date order: one pass for any number of events, as one insertion after another would.
#include "timelinecanvas.h"

#include "scalelayout.h"
#include "store/canvasstate.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/placements.h"
#include "store/sqlquery.h"

#include <algorithm>
#include <limits>
#include <set>
#include <unordered_map>

namespace qm {

namespace {

bool hasFormatRow(ProjectDatabase &db, qint32 eventId, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT 1 FROM Format WHERE TimelineId = ? AND EventId = ?"));
    q.bind(timelineId).bind(eventId).exec();
    return q.next();
}

// Chronological order as the file sorts boxes: era, date, then id.
bool chronologicallyBefore(const ExtDate &a, qint32 aId, const ExtDate &b, qint32 bId)
{
    const QChar order = a.Compare(b);
    if (order == u'<')
        return true;
    if (order == u'>')
        return false;
    return aId < bId;
}

} // namespace

void TimelineCanvas::atZoomOne(const std::function<void()> &change)
{
    const double zoom = mG.Zoom;
    if (zoom == 1.0 || zoom <= 0.0) {
        change();
        return;
    }
    // Stored layouts are what the timeline looks like at full size: labels wrap and measure there, so
    // the change is made on the full-size canvas and then shown at the zoom again.
    ScaleCanvas(1.0 / zoom);
    mG.Zoom = 1.0;
    auto back = [this, zoom] {
        mG.Zoom = zoom;
        ScaleCanvas(zoom);
        if (mG.SelectedId >= 0 && mModel.imPointer.visible)
            placeMarker();
    };
    try {
        change();
    } catch (...) {
        back();
        throw;
    }
    back();
}

bool TimelineCanvas::InsertNewBox(const clEvent &event)
{
    if (event.Id <= 0 || mG.CurTimeLineId <= 0)
        return false;
    std::vector<const clEvent *> one{&event};
    return !PlaceEvents(one).empty();
}

std::vector<qint32> TimelineCanvas::PlaceEvents(const std::vector<const clEvent *> &events,
                                                const std::function<void()> &placedOne)
{
    std::vector<qint32> placed;
    if (mG.CurTimeLineId <= 0 || events.empty())
        return placed;
    if (!mModel.timeScale) {
        atZoomOne([&] { placed = placeInDateOrder(events, placedOne); });
        return placed;
    }
    // To scale the boxes still get their place in date order, for the day the timeline goes back to
    // it; that place is worked out on the canvas as it stands in date order.
    try {
        atZoomOne([&] {
            showInDateOrder(*this);
            placed = placeInDateOrder(events, placedOne);
        });
    } catch (...) {
        layOutToScale(*this);
        throw;
    }
    layOutToScale(*this);
    ShowSelection();
    return placed;
}

std::vector<qint32> TimelineCanvas::placeInDateOrder(const std::vector<const clEvent *> &events,
                                                     const std::function<void()> &placedOne)
{
    struct New
    {
        const clEvent *event;
        qint32 id;
        ExtDate date;
    };
    std::vector<New> news;
    std::set<qint32> newIds;
    for (const clEvent *e : events) {
        if (!e || e->Id <= 0 || !newIds.insert(e->Id).second)
            continue;
        news.push_back({e, e->Id, e->EventDate ? *e->EventDate : ExtDate(0.0, EraInvalid)});
    }
    // One insertion after another in date order, events of the same date in the order given; those
    // without a date stand apart from the others and go last.
    std::stable_sort(news.begin(), news.end(), [](const New &a, const New &b) {
        if (a.date.isValid() != b.date.isValid())
            return a.date.isValid();
        return a.date.Compare(b.date) == u'<';
    });

    // The boxes already there, read once. Events placed again and boxes without a date play no part,
    // nor does a stray second row of an event.
    struct Existing
    {
        qint32 id;
        ExtDate date;
        double left; // leftmost extent before this pass
    };
    std::vector<Existing> existing;
    {
        std::set<qint32> seen;
        for (const DatedPlacement &row : datedPlacements(mG.ProjectDb, mG.CurTimeLineId)) {
            if (newIds.count(row.eventId) || !IsOnCanvas(row.eventId) || !row.date.isValid() ||
                !seen.insert(row.eventId).second)
                continue;
            existing.push_back({row.eventId, row.date, static_cast<double>(LoadUple(row.eventId).Left)});
        }
        // The file sorts a missing era apart from era 0, which the dates compare as equal: the pass
        // below needs them in the order the dates compare.
        std::stable_sort(existing.begin(), existing.end(),
                         [](const Existing &a, const Existing &b) { return a.date.Compare(b.date) == u'<'; });
    }
    // The left edge nearest the start among the boxes from each one on: what a new box must keep clear of.
    std::vector<double> leftFrom(existing.size() + 1, std::numeric_limits<double>::infinity());
    for (std::size_t i = existing.size(); i-- > 0;)
        leftFrom[i] = std::min(leftFrom[i + 1], existing[i].left);

    // What the canvas looked like, to put it back when storing fails half way.
    std::vector<CanvasBox> before;
    for (const Existing &e : existing)
        before.push_back(*mModel.box(e.id));
    for (const New &n : news) {
        if (const CanvasBox *b = mModel.box(n.id))
            before.push_back(*b);
    }
    const CanvasMarker oldMarker = mModel.imPointer;
    const qint32 oldSelected = mG.SelectedId;

    const double minDist = mG.MinDist;
    // Boxes from `next` on have not been passed yet: every insertion before them moved them by
    // `pending` more, which the canvas learns once they are passed or at the end.
    std::size_t next = 0;
    double pending = 0.0;
    std::vector<double> shiftOf(existing.size(), 0.0);
    auto pass = [&](std::size_t i) {
        shiftOf[i] = pending;
        if (pending != 0.0) {
            mModel.box(existing[i].id)->picture.rect.translate(pending, 0);
            ArrangeBox(existing[i].id);
        }
    };
    std::vector<qint32> placed;
    std::vector<Placement> rows;
    // The formats the boxes already have on this timeline, read at once; the others start from the default.
    const std::unordered_map<qint32, clFormat> stored = news.size() > 1
                                                            ? clFormat::GetEventFormats(mG.ProjectDb, mG.CurTimeLineId)
                                                            : std::unordered_map<qint32, clFormat>{};
    clFormat format;
    // A box new to the timeline starts with the look the timeline gives its new events.
    clFormat timelineDefault;
    timelineDefault.GetFormat(mG.ProjectDb, 0, mG.CurTimeLineId);
    std::vector<std::pair<qint32, clFormat>> formats;
    try {
        ClearSelection();
        for (std::size_t k = 0; k < news.size(); ++k) {
            const New &n = news[k];
            if (n.date.isValid()) {
                while (next < existing.size() && existing[next].date.Compare(n.date) != u'>')
                    pass(next++);
            }
            // The latest box of an earlier date, old or new.
            qint32 previous = -1;
            if (n.date.isValid()) {
                std::size_t e = next;
                while (e > 0 && existing[e - 1].date.Compare(n.date) != u'<')
                    --e;
                if (e > 0)
                    previous = existing[e - 1].id;
                for (std::size_t j = k; j-- > 0;) {
                    if (news[j].date.Compare(n.date) != u'<')
                        continue;
                    if (previous < 0 || chronologicallyBefore(existing[e - 1].date, previous, news[j].date, news[j].id))
                        previous = news[j].id;
                    break;
                }
            }
            const double x = previous < 0 ? minDist : LoadUple(previous).Right + minDist;

            mModel.removeBox(n.id);
            if (news.size() == 1) {
                if (hasFormatRow(mG.ProjectDb, n.id, mG.CurTimeLineId))
                    format.GetFormat(mG.ProjectDb, n.id, mG.CurTimeLineId);
                else
                    format.Eq(timelineDefault);
            } else if (const auto f = stored.find(n.id); f != stored.end()) {
                format.Eq(f->second);
            } else {
                format.Eq(timelineDefault);
            }
            placeBox(*n.event, format, roundTwips(x), roundTwips(minDist));
            QRectF &pic = CurUple.Picture().rect;
            // The date may stick out left of the picture: it too keeps MinDist from what lies left of it.
            const double room = x - CurUple.Left;
            if (room > 0) {
                pic.translate(room, 0);
                CurUple.Arrange();
            }
            const QRectF &title = mModel.lblLabel.rect;
            if (title.left() + title.width() + minDist > pic.left() &&
                title.top() + title.height() + minDist > pic.top()) {
                pic.moveTop(title.top() + title.height() + minDist);
                CurUple.Arrange();
            }
            // Later boxes make at least the usual room, and more for a wide box, so that none of them
            // ends up left of the new one or closer to it than MinDist.
            if (n.date.isValid() && next < existing.size())
                pending += std::max(InsertShift, CurUple.Right + minDist - (leftFrom[next] + pending));
            rows.push_back({n.id, storedPositionOf(n.id).x(), storedPositionOf(n.id).y()});
            placed.push_back(n.id);
            formats.emplace_back(n.id, format);
            if (placedOne)
                placedOne();
        }
        while (next < existing.size())
            pass(next++);

        // Boxes that moved by the same amount stand together in date order: a long run of them moves
        // in one statement over its dates, the few others one by one.
        constexpr std::size_t LongRun = 32;
        std::vector<std::pair<qint32, double>> shifts;
        std::vector<DateRangeShift> ranges;
        for (std::size_t i = 0; i < existing.size();) {
            std::size_t end = i + 1;
            while (end < existing.size() && shiftOf[end] == shiftOf[i])
                ++end;
            if (shiftOf[i] != 0.0 && end - i >= LongRun) {
                ranges.push_back({existing[i].date, existing[end - 1].date, shiftOf[i]});
            } else if (shiftOf[i] != 0.0) {
                for (std::size_t j = i; j < end; ++j)
                    shifts.emplace_back(existing[j].id, shiftOf[j]);
            }
            i = end;
        }
        TransactionGuard guard(mG.ProjectDb);
        // Moved before the new rows go in, which the ranges of dates must not catch.
        shiftPlacementsByDate(mG.ProjectDb, mG.CurTimeLineId, ranges);
        shiftPlacements(mG.ProjectDb, mG.CurTimeLineId, shifts);
        replacePlacements(mG.ProjectDb, mG.CurTimeLineId, rows);
        clFormat::SaveEventFormats(mG.ProjectDb, mG.CurTimeLineId, formats);
        UpdateScrollExtents();
        if (!placed.empty())
            mG.SelectedId = placed.back();
        guard.commit();
    } catch (...) {
        for (const qint32 id : placed)
            mModel.removeBox(id);
        for (const CanvasBox &b : before)
            mModel.restoreBox(b);
        mModel.imPointer = oldMarker;
        mG.SelectedId = oldSelected;
        ShowSelection();
        UpdateScrollExtents();
        changed();
        throw;
    }
    ShowSelection();
    changed();
    return placed;
}

} // namespace qm
