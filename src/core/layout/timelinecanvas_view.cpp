// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loading a timeline onto the canvas, zoom, scroll extents and the minimum distance.
#include "timelinecanvas.h"

#include "legend.h"
#include "scalelayout.h"
#include "store/canvasstate.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/mdlparms.h"
#include "store/placements.h"
#include "store/sqlquery.h"
#include "textmeasurer.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Where the title and the subtitle start; the subtitle's top follows the canvas bottom.
constexpr double TitleLeft = 240.0;
constexpr double TitleTop = 240.0;
constexpr double SubtitleGap = 50.0;

QRectF scaled(const QRectF &r, double f)
{
    return QRectF(r.left() * f, r.top() * f, r.width() * f, r.height() * f);
}

double pointSizeOf(const QString &text, double fallback)
{
    bool ok = false;
    const double size = text.trimmed().toDouble(&ok);
    return ok && size > 0 ? size : fallback;
}

} // namespace

void TimelineCanvas::setUpTitle(CanvasLabel &label, const QString &caption, const QString &font, const QString &size,
                                bool solid, bool border, qint32 back, qint32 fore, bool bold, bool italic)
{
    label.caption = caption;
    label.solid = solid;
    label.border = border;
    label.backColor = back;
    label.foreColor = fore;
    label.font = LabelFont{font, pointSizeOf(size, label.font.size), bold, italic};
    label.autoSize = true;
    AutoSizeLabel(label, mMeasurer);
}

bool TimelineCanvas::LoadTimeLine(qint32 id)
{
    // One timeline at a time: whatever is still shown goes first.
    if (mModel.boxCount() > 0)
        ClearCanvas();
    // A timeline without boxes drawn to scale still leaves its scale and axis marks behind.
    mModel.timeScale.reset();
    mModel.axisMarks.clear();
    mModel.axisLabels.clear();
    mModel.periodBars.clear();
    auto timeline = std::make_unique<clTimeLine>(mG.ProjectDb);
    if (id > 0)
        timeline->Load(id);
    if (id <= 0 || timeline->Id != id)
        return false;
    mPicturesOf = mG.ProjectDb.path();

    mG.Zoom = 1.0;
    mModel.height = LoadHeight;
    mModel.axis.p1 = QPointF(AxisLeft, LoadAxisY);
    mModel.axis.p2 = QPointF(mModel.axis.p2.x(), LoadAxisY);
    // A zoom of the timeline shown before must not leave the title or the pointer at its scale.
    mModel.imPointer = CanvasMarker{QRectF(0, 0, MarkerSide, MarkerSide), false};
    mModel.lblLabel.rect.moveTopLeft(QPointF(TitleLeft, TitleTop));
    mModel.lblSub.rect.moveLeft(TitleLeft);

    if (mG.CurTimeLine)
        mG.CurTimeLine->Eq(*timeline);
    else
        mG.CurTimeLine = std::move(timeline);
    const clTimeLine &t = *mG.CurTimeLine;
    mG.CurTimeLineId = id;
    mG.SelectedId = -1;

    setUpTitle(mModel.lblLabel, t.LabelCaption, t.LabelFont, t.LabelFontSize, t.LabelSolid, t.LabelShowBorder,
               t.LabelBackColor, t.LabelForeColor, t.LabelBold, t.LabelItalic);
    setUpTitle(mModel.lblSub, t.SubCaption, t.SubFont, t.SubFontSize, t.SubSolid, t.SubShowBorder, t.SubBackColor,
               t.SubForeColor, t.SubBold, t.SubItalic);
    // Only now does the subtitle have its own height.
    PlaceSubtitle();

    {
        // One read transaction for the whole load instead of one per statement.
        // The events and their formats come in two reads, not a few per box: a timeline of
        // thousands of boxes loads in a moment.
        TransactionGuard reading(mG.ProjectDb);
        const std::unordered_map<qint32, clFormat> formats = clFormat::GetEventFormats(mG.ProjectDb, id);
        const std::map<qint32, ExtDate> ends = periodEnds(mG.ProjectDb, id);
        visitPlacedEvents(mG.ProjectDb, id, [&](const Placement &box, const SqlQuery &row) {
            // A second row for the same event would only stack a second box on the first.
            if (IsOnCanvas(box.eventId))
                return;
            clEvent event;
            event.Id = box.eventId;
            event.fillFromRow(row, PlacedEventColumn);
            clFormat format;
            if (const auto end = ends.find(box.eventId); end != ends.end())
                event.EndDate = end->second;
            if (const auto f = formats.find(box.eventId); f != formats.end())
                format.Eq(f->second);
            else
                format.GetDefault();
            placeBox(event, format, roundTwips(box.BoxLeft), roundTwips(box.BoxTop));
        });
        reading.commit();
    }
    applyCategories();

    UpdateScrollExtents();
    if (isShownToScale(mG))
        layOutToScale(*this);
    mModel.backColor = t.BackColor;
    mModel.wallpaper = t.UseWallpaper ? mPictures.picture(mG, t.WallSource, QStringLiteral("W"), t.WallName) : QImage();
    mModel.useWallpaper = !mModel.wallpaper.isNull();
    changed();
    return true;
}

void TimelineCanvas::refreshTitles()
{
    if (!mG.CurTimeLine)
        return;
    const clTimeLine &t = *mG.CurTimeLine;
    setUpTitle(mModel.lblLabel, t.LabelCaption, t.LabelFont, t.LabelFontSize, t.LabelSolid, t.LabelShowBorder,
               t.LabelBackColor, t.LabelForeColor, t.LabelBold, t.LabelItalic);
    setUpTitle(mModel.lblSub, t.SubCaption, t.SubFont, t.SubFontSize, t.SubSolid, t.SubShowBorder, t.SubBackColor,
               t.SubForeColor, t.SubBold, t.SubItalic);
    // The records keep sizes at full size; the canvas shows them at its zoom.
    for (CanvasLabel *label : {&mModel.lblLabel, &mModel.lblSub}) {
        label->font.size *= mG.Zoom;
        AutoSizeLabel(*label, mMeasurer);
    }
    PlaceSubtitle();
    changed();
}

void TimelineCanvas::ClearCanvas()
{
    if (!mG.ProjectDb.isOpen() || mG.ProjectDb.path() != mPicturesOf)
        mPictures.clear();
    mModel.clearBoxes();
    mModel.legend = CanvasLegend();
    mModel.categoryColors.clear();
    mModel.timeScale.reset();
    mModel.axisMarks.clear();
    mModel.axisLabels.clear();
    mModel.periodBars.clear();
    mModel.imPointer.visible = false;
    for (CanvasLabel *label : {&mModel.lblLabel, &mModel.lblSub}) {
        label->caption.clear();
        if (label->autoSize)
            AutoSizeLabel(*label, mMeasurer);
    }
    changed();
}

ScrollExtents TimelineCanvas::UpdateScrollExtents(double viewportWidthTwips, double viewportHeightTwips,
                                                  double hBarHeightTwips, double vBarWidthTwips)
{
    // A timeline drawn to fit the window is fitted again when the window's width changes, so that the
    // scale shown never depends on the size the window had when the timeline was loaded.
    const bool fitted = mModel.timeScale && !(mG.CurTimeLine && mG.CurTimeLine->YearsPerWidth > 0.0);
    const bool refit = fitted && std::abs(viewportWidthTwips - mViewport.width) >= 1.0;
    mViewport = CanvasViewport{viewportWidthTwips, viewportHeightTwips, hBarHeightTwips, vBarWidthTwips};
    if (refit) {
        layOutToScale(*this);
        return mExtents;
    }
    return UpdateScrollExtents();
}

ScrollExtents TimelineCanvas::UpdateScrollExtents()
{
    double rightmost = 0.0;
    for (const auto &entry : mModel.boxes())
        rightmost = std::max(rightmost, entry.second.name.rect.left() + entry.second.name.rect.width());
    if (mModel.legend.visible)
        rightmost = std::max(rightmost, mModel.legend.rect.right());
    mExtents = computeScrollExtents(rightmost, mModel.height, mG.MinDist, mViewport);
    mModel.width = mExtents.canvasWidth;
    // The axis runs to MinDist short of the canvas's right edge, whatever its width.
    mModel.axis.p2.setX(mModel.width - mG.MinDist);
    ScrollUnit = mExtents.ScrollUnit;
    if (onScrollExtentsChanged)
        onScrollExtentsChanged(mExtents);
    return mExtents;
}

void TimelineCanvas::PlaceSubtitle()
{
    mModel.lblSub.rect.moveTop(mModel.height - SubtitleGap - mModel.lblSub.rect.height());
}

void TimelineCanvas::ScaleCanvas(double f)
{
    auto scaleLabel = [this, f](CanvasLabel &label) {
        label.rect = scaled(label.rect, f);
        label.font.size *= f;
        if (label.autoSize)
            AutoSizeLabel(label, mMeasurer);
    };

    mModel.height *= f;
    scaleLabel(mModel.lblLabel);
    mModel.axis.p1.setY(mModel.axis.p1.y() * f);
    mModel.axis.p2 = QPointF(mModel.axis.p2.x() * f, mModel.axis.p1.y());
    scaleLabel(mModel.lblSub);
    mModel.imPointer.rect = scaled(mModel.imPointer.rect, f);

    for (const qint32 id : mModel.boxIds()) {
        CanvasBox &b = *mModel.box(id);
        b.picture.rect = scaled(b.picture.rect, f);
        b.picture.formatSize *= f;
        b.picture.frameWidth *= f;
        scaleLabel(b.name);
        scaleLabel(b.date);
        const QRectF &pic = b.picture.rect;
        const double x = pic.left() + pic.width() * 0.5;
        // Text does not grow exactly with its font: the date stays centred under the connector.
        b.date.rect.moveLeft(x - b.date.rect.width() * 0.5);
        FitLabel(mG, mMeasurer, b.name, b.name.caption);
        b.connector.p1 = QPointF(x, b.hangY());
        b.connector.p2 = QPointF(x, mModel.axis.p1.y());
    }
    layOutLegend(mModel.legend, mMeasurer, mG.Zoom);
    for (CanvasBar &bar : mModel.periodBars)
        bar.rect = scaled(bar.rect, f);
    if (mModel.timeScale) {
        mModel.timeScale = mModel.timeScale->scaled(f);
        for (const qint32 id : mModel.boxIds())
            ArrangeBox(id);
    }
    UpdateScrollExtents();
    refreshAxisTicks(*this);
    changed();
}

void TimelineCanvas::zoomIn()
{
    mG.Zoom *= ZoomStep;
    ScaleCanvas(ZoomStep);
}

void TimelineCanvas::zoomOut()
{
    // The step back is taken in single precision, so that in then out is not exactly 1.
    const double f = static_cast<float>(1.0 / ZoomStep);
    mG.Zoom *= f;
    ScaleCanvas(f);
}

void TimelineCanvas::setMinDistFromSlider(int value)
{
    mG.MinDist = value * 50 + 50;
    if (mG.ProjectDb.isOpen() && !mG.ProjectDb.isReadOnly())
        mdlParms::SetParm(mG.ProjectDb, QStringLiteral("MinDist"), QString::number(mG.MinDist));
}

int TimelineCanvas::sliderValueFor(int minDist)
{
    return std::clamp(static_cast<int>(std::nearbyint((minDist - 50) / 50.0)), 0, 10);
}

} // namespace qm
