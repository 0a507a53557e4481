// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Box placement: making, placing, storing and removing the boxes of the shown timeline.
#include "timelinecanvas.h"

#include "store/datequeries.h"

#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/sqlquery.h"
#include "textmeasurer.h"

#include <algorithm>
#include <optional>
#include <set>

namespace qm {

namespace {

// The menu state of the main window for a selected box.
constexpr int BoxSelectedMenuState = 2;
constexpr double PartGap = 50.0;
constexpr qint32 SelectedColor = 255;

// Edges included.
bool holds(const QRectF &r, double x, double y)
{
    return r.left() <= x && x <= r.left() + r.width() && r.top() <= y && y <= r.top() + r.height();
}

} // namespace

TimelineCanvas::TimelineCanvas(Globals &g, const TextMeasurer &measurer)
    : CurUple(g, measurer, &mPictures), mG(g), mMeasurer(measurer)
{
    if (!mG.CurFormat)
        mG.CurFormat = std::make_unique<clFormat>();
    if (!mG.CurTimeLine)
        mG.CurTimeLine = std::make_unique<clTimeLine>(mG.ProjectDb);
    mModel.height = LoadHeight;
    mModel.axis.p1 = QPointF(AxisLeft, LoadAxisY);
    mModel.axis.p2 = QPointF(AxisLeft, LoadAxisY);
    mModel.imPointer.rect = QRectF(0, 0, MarkerSide, MarkerSide);
}

void TimelineCanvas::changed()
{
    if (onChanged)
        onChanged();
}

bool TimelineCanvas::InsertNewBox()
{
    if (!mG.CurEvent || mG.CurEvent->Id <= 0 || mG.CurTimeLineId <= 0)
        return false;
    const qint32 id = mG.CurEvent->Id;
    const ExtDate date = mG.CurEvent->EventDate ? *mG.CurEvent->EventDate : ExtDate(0.0, EraInvalid);
    const double minDist = canvasMinDist();

    qint32 previous = -1;
    std::vector<qint32> later;
    std::set<qint32> seen;
    for (const DatedPlacement &row : datedPlacements(mG.ProjectDb, mG.CurTimeLineId)) {
        // Events without a box, the event's own old box and stray second rows play no part.
        if (row.eventId == id || !IsOnCanvas(row.eventId) || !seen.insert(row.eventId).second)
            continue;
        const QChar order = row.date.Compare(date);
        if (order == u'<')
            previous = row.eventId;
        else if (order == u'>')
            later.push_back(row.eventId);
    }

    // What the canvas looked like, to put it back when storing fails half way.
    std::vector<CanvasBox> before;
    for (const qint32 l : later)
        before.push_back(*mModel.box(l));
    std::optional<CanvasBox> oldBox;
    if (const CanvasBox *b = mModel.box(id))
        oldBox = *b;
    const CanvasMarker oldMarker = mModel.imPointer;
    const qint32 oldSelected = mG.SelectedId;

    const qint32 previousRight = previous < 0 ? 0 : LoadUple(previous).Right;
    const double x = previous < 0 ? minDist : previousRight + minDist;
    try {
        LoadBox(roundTwips(x), roundTwips(minDist));
        QRectF &pic = CurUple.Picture().rect;
        // The date may stick out left of the picture: it too keeps MinDist from what lies left of it.
        const double room = x - CurUple.Left;
        if (room > 0) {
            pic.translate(room, 0);
            CurUple.Arrange();
        }
        const QRectF &title = mModel.lblLabel.rect;
        if (title.left() + title.width() + minDist > pic.left() && title.top() + title.height() + minDist > pic.top()) {
            pic.moveTop(title.top() + title.height() + minDist);
            CurUple.Arrange();
        }

        // Later boxes make at least the usual room, and more for a wide box, so that none of them
        // ends up left of the new one or closer to it than MinDist.
        double shift = InsertShift * mG.Zoom;
        for (const qint32 l : later)
            shift = std::max(shift, CurUple.Right + minDist - LoadUple(l).Left);

        TransactionGuard guard(mG.ProjectDb);
        AddTimeLineEvent(id);
        for (const qint32 l : later) {
            mModel.box(l)->picture.rect.translate(shift, 0);
            ArrangeBox(l);
        }
        // One statement moves every later box of the file, however long the timeline.
        if (!later.empty() && date.isValid())
            execSql(mG.ProjectDb,
                    QStringLiteral("UPDATE TimeLineEvent SET BoxLeft = BoxLeft + ? WHERE TimeLineId = ? AND EventId IN "
                                   "(SELECT Id FROM Event WHERE Id <> ? AND typeof(EventDate) IN ('real', 'integer') "
                                   "AND (coalesce(EventEra, 0) > ? OR (coalesce(EventEra, 0) = ? AND EventDate > ?)))"),
                    {shift / mG.Zoom, mG.CurTimeLineId, id, date.Era, date.Era, date.Value});
        UpdateScrollExtents();
        ClearSelection();
        mG.SelectedId = id;
        mG.CurFormat->Save(mG.ProjectDb, id, mG.CurTimeLineId);
        CurUple.ApplyFormat(*mG.CurFormat);
        guard.commit();
    } catch (...) {
        mModel.removeBox(id);
        if (oldBox)
            mModel.restoreBox(*oldBox);
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
    return true;
}

qint32 TimelineCanvas::LoadBox(qint32 left, qint32 top)
{
    if (!mG.CurEvent)
        return -1;
    const qint32 id = mG.CurEvent->Id;
    // Read before the box exists, so that a failed read leaves no half-made box behind.
    mG.CurFormat->GetFormat(mG.ProjectDb, id, mG.CurTimeLineId);
    placeBox(left, top);
    return id;
}

void TimelineCanvas::placeBox(qint32 left, qint32 top)
{
    const qint32 id = mG.CurEvent->Id;
    CanvasBox &b = mModel.addBox(id);
    b.picture.rect = QRectF(left, top, 0, 0);
    LoadUple(id, CurUple);
    CurUple.ApplyFormat(*mG.CurFormat);
    CurUple.ApplyEvent(*mG.CurEvent);
    // The date text changed its width after the format hung it under the connector: centre it again.
    CurUple.Arrange();
}

void TimelineCanvas::RemoveBox(qint32 id, bool deleteEvent)
{
    if (id < 0)
        return;
    {
        TransactionGuard guard(mG.ProjectDb);
        execSql(mG.ProjectDb, QStringLiteral("DELETE FROM TimeLineEvent WHERE TimeLineId = ? AND EventId = ?"),
                {mG.CurTimeLineId, id});
        if (deleteEvent)
            DeleteEventRow(mG.ProjectDb, id);
        guard.commit();
    }
    mModel.removeBox(id);
    ClearSelection();
    mG.SelectedId = -1;
    changed();
}

clUple TimelineCanvas::LoadUple(qint32 id)
{
    clUple unit(mG, mMeasurer, &mPictures);
    unit.Init(mModel, id);
    return unit;
}

clUple &TimelineCanvas::LoadUple(qint32 id, clUple &unit)
{
    unit.Init(mModel, id);
    return unit;
}

std::vector<qint32> TimelineCanvas::SortBoxes() const
{
    struct Entry
    {
        double x;
        std::size_t order;
        qint32 id;
    };
    std::vector<Entry> entries;
    for (const auto &[id, box] : mModel.boxes())
        entries.push_back({box.connector.p1.x(), entries.size(), id});
    // A box goes after the last one left of it, so among equal x the later one comes first.
    std::sort(entries.begin(), entries.end(),
              [](const Entry &a, const Entry &b) { return a.x != b.x ? a.x < b.x : a.order > b.order; });
    std::vector<qint32> ids;
    ids.reserve(entries.size());
    for (const Entry &e : entries)
        ids.push_back(e.id);
    return ids;
}

void TimelineCanvas::ArrangeBox(qint32 id)
{
    if (!IsOnCanvas(id))
        return;
    // The same hanging as the unit's own, so that a moved box looks like a placed one.
    LoadUple(id).Arrange();
    if (onBoxArranged)
        onBoxArranged(id);
}

void TimelineCanvas::AddTimeLineEvent(qint32 id)
{
    const CanvasBox *b = mModel.box(id);
    if (!b)
        return;
    TransactionGuard guard(mG.ProjectDb);
    // One row per event and timeline: a second one would bring the box back twice.
    execSql(mG.ProjectDb, QStringLiteral("DELETE FROM TimeLineEvent WHERE TimeLineId = ? AND EventId = ?"),
            {mG.CurTimeLineId, id});
    execSql(mG.ProjectDb,
            QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (?, ?, ?, ?)"),
            {mG.CurTimeLineId, id, storedPositionOf(id).x(), storedPositionOf(id).y()});
    guard.commit();
}

void TimelineCanvas::SaveBoxPosition(qint32 id)
{
    if (!IsOnCanvas(id))
        return;
    const QPointF at = storedPositionOf(id);
    execSql(mG.ProjectDb,
            QStringLiteral("UPDATE TimeLineEvent SET BoxLeft = ?, BoxTop = ? WHERE TimeLineId = ? AND EventId = ?"),
            {at.x(), at.y(), mG.CurTimeLineId, id});
}

double TimelineCanvas::canvasMinDist() const
{
    return mG.MinDist * mG.Zoom;
}

QPointF TimelineCanvas::storedPositionOf(qint32 id) const
{
    const CanvasBox *b = mModel.box(id);
    if (!b)
        return {};
    const double zoom = mG.Zoom > 0 ? mG.Zoom : 1.0;
    return QPointF(storedTwips(b->picture.rect.left() / zoom), storedTwips(b->picture.rect.top() / zoom));
}

void TimelineCanvas::placeBoxAt(qint32 id, const QPointF &stored)
{
    CanvasBox *b = mModel.box(id);
    if (!b)
        return;
    b->picture.rect.moveTopLeft(stored * mG.Zoom);
    ArrangeBox(id);
    if (id == mG.SelectedId && b->picture.border)
        placeMarker();
    changed();
}

qint32 TimelineCanvas::neighbourInDateOrder(qint32 id, int step)
{
    std::vector<qint32> shown;
    for (const DatedPlacement &p : datedPlacements(mG.ProjectDb, mG.CurTimeLineId)) {
        if (IsOnCanvas(p.eventId) && std::find(shown.begin(), shown.end(), p.eventId) == shown.end())
            shown.push_back(p.eventId);
    }
    const auto it = std::find(shown.begin(), shown.end(), id);
    if (it == shown.end())
        return shown.empty() ? -1 : (step > 0 ? shown.front() : shown.back());
    const auto index = (it - shown.begin()) + step;
    return index < 0 || index >= static_cast<std::ptrdiff_t>(shown.size()) ? -1
                                                                           : shown[static_cast<std::size_t>(index)];
}

qint32 TimelineCanvas::HitTest(double x, double y) const
{
    for (const auto &[id, box] : mModel.boxes()) {
        if (holds(box.picture.rect, x, y))
            return id;
    }
    return -1;
}

qint32 TimelineCanvas::nameLabelAt(double x, double y) const
{
    for (const auto &[id, box] : mModel.boxes()) {
        if (box.name.visible && holds(box.name.rect, x, y))
            return id;
    }
    return -1;
}

void TimelineCanvas::BringToFront(qint32 id)
{
    mModel.BringToFront(id);
    changed();
}

void TimelineCanvas::ShowSelection()
{
    CanvasBox *b = mG.SelectedId < 0 ? nullptr : mModel.box(mG.SelectedId);
    if (!b)
        return;
    b->connector.color = SelectedColor;
    b->connector.dashed = true;
    b->picture.border = true;
    placeMarker();
    if (onSelectionChanged)
        onSelectionChanged(BoxSelectedMenuState);
    changed();
}

void TimelineCanvas::placeMarker()
{
    const CanvasBox *b = mG.SelectedId < 0 ? nullptr : mModel.box(mG.SelectedId);
    if (!b)
        return;
    QRectF &marker = mModel.imPointer.rect;
    const double gap = PartGap * mG.Zoom;
    marker.moveLeft(b->connector.p1.x() - marker.width() / 2);
    marker.moveTop(b->date.rect.top() + b->date.rect.height() + gap);
    mModel.imPointer.pointsDown = false;
    // Under the date it would cover the subtitle (the first boxes stand above it): it points down at
    // the picture from above instead, or, with no room there either, stands just above the subtitle.
    const CanvasLabel &sub = mModel.lblSub;
    const QRectF subtitle = sub.rect.adjusted(-gap, -gap, gap, gap);
    if (sub.visible && !sub.caption.isEmpty() && marker.intersects(subtitle)) {
        const double above = b->picture.rect.top() - gap - marker.height();
        if (above >= 0) {
            marker.moveTop(above);
            mModel.imPointer.pointsDown = true;
        } else {
            marker.moveTop(subtitle.top() - marker.height());
        }
    }
    mModel.imPointer.visible = true;
}

void TimelineCanvas::ClearSelection()
{
    unmark(mModel, mG.SelectedId);
    changed();
}

void TimelineCanvas::unmark(CanvasModel &model, qint32 id)
{
    if (CanvasBox *b = id < 0 ? nullptr : model.box(id)) {
        b->connector.color = 0;
        b->connector.dashed = false;
        b->picture.border = false;
    }
    model.imPointer.visible = false;
}

CanvasModel TimelineCanvas::outputModel() const
{
    CanvasModel out = mModel;
    unmark(out, mG.SelectedId);
    double rightmost = 0.0;
    for (const auto &entry : out.boxes())
        rightmost = std::max(rightmost, entry.second.name.rect.right());
    const double minDist = canvasMinDist();
    out.width =
        std::min(out.width, std::max({out.lblLabel.rect.right(), out.lblSub.rect.right(), rightmost}) + 4.0 * minDist);
    out.axis.p2.setX(out.width - minDist);
    return out;
}

} // namespace qm
