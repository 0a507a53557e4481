// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Box placement: making, placing, storing and removing the boxes of the shown timeline.
#include "timelinecanvas.h"

#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/datequeries.h"
#include "store/globals.h"
#include "store/sqlquery.h"
#include "textmeasurer.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <stdexcept>

namespace qm {

namespace {

constexpr double PartGap = 50.0;
constexpr qint32 SelectedColor = 255;

// Edges included.
bool holds(const QRectF &r, double x, double y)
{
    return r.left() <= x && x <= r.left() + r.width() && r.top() <= y && y <= r.top() + r.height();
}

} // namespace

TimelineCanvas::TimelineCanvas(CanvasState &state, const TextMeasurer &measurer)
    : CurUple(state, measurer, &mPictures), mG(state), mMeasurer(measurer)
{
    if (!mG.CurTimeLine)
        mG.CurTimeLine = std::make_unique<clTimeLine>(mG.ProjectDb);
    mModel.height = LoadHeight;
    mModel.axis.p1 = QPointF(AxisLeft, LoadAxisY);
    mModel.axis.p2 = QPointF(AxisLeft, LoadAxisY);
    mModel.imPointer.rect = QRectF(0, 0, MarkerSide, MarkerSide);
}

TimelineCanvas::TimelineCanvas(Globals &g, const TextMeasurer &measurer)
    : TimelineCanvas(static_cast<CanvasState &>(g), measurer)
{
    mGlobals = &g;
    // The window's format of the selected box, which the edit band and the format commands share.
    if (!g.CurFormat)
        g.CurFormat = std::make_unique<clFormat>();
}

Globals &TimelineCanvas::globals() const
{
    if (!mGlobals)
        throw std::logic_error("This canvas works on a state of its own, not the window's");
    return *mGlobals;
}

void TimelineCanvas::changed()
{
    if (onChanged)
        onChanged();
}

qint32 TimelineCanvas::LoadBox(const clEvent &event, qint32 left, qint32 top)
{
    // Read before the box exists, so that a failed read leaves no half-made box behind.
    clFormat format;
    format.GetFormat(mG.ProjectDb, event.Id, mG.CurTimeLineId);
    placeBox(event, format, left, top);
    return event.Id;
}

void TimelineCanvas::placeBox(const clEvent &event, const clFormat &format, qint32 left, qint32 top)
{
    const qint32 id = event.Id;
    CanvasBox &b = mModel.addBox(id);
    b.picture.rect = QRectF(left, top, 0, 0);
    LoadUple(id, CurUple);
    CurUple.ApplyFormat(format);
    CurUple.ApplyEvent(event);
    // The date text changed its width after the format hung it under the connector: centre it again.
    CurUple.Arrange();
}

void TimelineCanvas::RemoveBox(qint32 id, bool deleteEvent)
{
    if (id < 0)
        return;
    {
        TransactionGuard guard(mG.ProjectDb);
        removePlacements(mG.ProjectDb, mG.CurTimeLineId, {id});
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
    const QPointF at = storedPositionOf(id);
    replacePlacements(mG.ProjectDb, mG.CurTimeLineId, {{id, at.x(), at.y()}});
}

void TimelineCanvas::SaveBoxPosition(qint32 id)
{
    if (!IsOnCanvas(id))
        return;
    storeBoxPositions(mG.ProjectDb, mG.CurTimeLineId, {{id, storedPositionOf(id)}});
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
    if (zoom == 1.0)
        return QPointF(storedTwips(b->picture.rect.left()), storedTwips(b->picture.rect.top()));
    // A box moved at another zoom lands on whole twips, as it would at full size.
    return QPointF(std::round(b->picture.rect.left() / zoom), std::round(b->picture.rect.top() / zoom));
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

TimelineCanvas::PartHit TimelineCanvas::partAt(double x, double y) const
{
    PartHit top;
    quint64 topZ = 0;
    for (const auto &[id, box] : mModel.boxes()) {
        if (top.id >= 0 && box.z < topZ)
            continue;
        BoxPart part = BoxPart::None;
        if (box.date.visible && holds(box.date.rect, x, y))
            part = BoxPart::Date;
        else if (box.picture.visible && holds(box.picture.rect, x, y))
            part = BoxPart::Picture;
        else if (box.name.visible && holds(box.name.rect, x, y))
            part = BoxPart::Name;
        if (part != BoxPart::None) {
            top = {id, part};
            topZ = box.z;
        }
    }
    return top;
}

qint32 TimelineCanvas::HitTest(double x, double y) const
{
    const PartHit hit = partAt(x, y);
    if (hit.part == BoxPart::Picture)
        return hit.id;
    // A box without a picture is held by its name.
    const CanvasBox *b = hit.part == BoxPart::Name ? mModel.box(hit.id) : nullptr;
    return b && !b->picture.visible ? hit.id : -1;
}

qint32 TimelineCanvas::nameLabelAt(double x, double y) const
{
    const PartHit hit = partAt(x, y);
    return hit.part == BoxPart::Name ? hit.id : -1;
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
    mark(*b);
    markOthers();
    placeMarker();
    if (onSelectionChanged)
        onSelectionChanged(mG.SelectedId);
    changed();
}

void TimelineCanvas::mark(CanvasBox &b)
{
    b.connector.color = SelectedColor;
    b.connector.dashed = true;
    b.picture.border = true;
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
    for (const qint32 id : mAlsoSelected)
        unmark(mModel, id);
    mAlsoSelected.clear();
    unmark(mModel, mG.SelectedId);
    changed();
}

void TimelineCanvas::unmark(CanvasModel &model, qint32 id)
{
    if (CanvasBox *b = id < 0 ? nullptr : model.box(id)) {
        b->connector.color = b->lineColor;
        b->connector.dashed = false;
        b->picture.border = false;
    }
    model.imPointer.visible = false;
}

CanvasModel TimelineCanvas::outputModel() const
{
    CanvasModel out = mModel;
    for (const qint32 id : mAlsoSelected)
        unmark(out, id);
    unmark(out, mG.SelectedId);
    double rightmost = 0.0;
    for (const auto &entry : out.boxes())
        rightmost = std::max(rightmost, entry.second.name.rect.right());
    if (out.legend.visible)
        rightmost = std::max(rightmost, out.legend.rect.right());
    const double minDist = canvasMinDist();
    if (out.timeScale) {
        // To scale the spacing between boxes plays no part: the axis ends a little after the last thing
        // drawn, so that a printout gets no page holding only the axis's tail.
        for (const auto &entry : out.boxes())
            rightmost = std::max({rightmost, entry.second.bounds().right()});
        for (const CanvasBar &bar : out.periodBars)
            rightmost = std::max(rightmost, bar.rect.right());
        const double end = std::max({out.lblLabel.rect.right(), out.lblSub.rect.right(), rightmost}) + minDist;
        out.width = std::min(out.width, end + minDist);
        out.axis.p2.setX(std::min(out.axis.p2.x(), end));
        const double axisEnd = out.axis.p2.x();
        std::erase_if(out.axisMarks, [axisEnd](const CanvasLine &mark) { return mark.p1.x() > axisEnd; });
        std::erase_if(out.axisLabels, [&out](const CanvasLabel &label) { return label.rect.right() > out.width; });
        return out;
    }
    out.width =
        std::min(out.width, std::max({out.lblLabel.rect.right(), out.lblSub.rect.right(), rightmost}) + 4.0 * minDist);
    out.axis.p2.setX(out.width - minDist);
    return out;
}

} // namespace qm
