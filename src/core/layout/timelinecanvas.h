// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasmodel.h"
#include "cluple.h"
#include "dates/extdate.h"
#include "picturecache.h"
#include "scrollextents.h"
#include "store/placements.h"

#include <QString>

#include <functional>
#include <vector>

namespace qm {

class CanvasState;
class Globals;
class TextMeasurer;
class clEvent;
class clFormat;

// The canvas engine of the main window: loads a timeline's boxes, places new ones in date order,
// stores their positions, removes them, and keeps selection, zoom and scroll extents; headless, so
// that the widget only paints the model and forwards the mouse.
class TimelineCanvas
{
public:
    static constexpr double LoadHeight = 7725.0;
    static constexpr double LoadAxisY = 7000.0;
    static constexpr double AxisLeft = 240.0;
    // The room an inserted box makes: every box of a later event moves this far right.
    static constexpr double InsertShift = 2400.0;
    static constexpr double ZoomStep = 1.2;
    static constexpr double MarkerSide = 240.0;

    // The engine works on `state` alone; the window's canvas is made on its shared state, which the
    // commands of its history reach through globals().
    TimelineCanvas(CanvasState &state, const TextMeasurer &measurer);
    TimelineCanvas(Globals &g, const TextMeasurer &measurer);
    // CurUple points into the canvas's own picture cache.
    TimelineCanvas(const TimelineCanvas &) = delete;
    TimelineCanvas &operator=(const TimelineCanvas &) = delete;

    CanvasModel &model() { return mModel; }
    const CanvasModel &model() const { return mModel; }
    PictureCache &pictures() { return mPictures; }
    const TextMeasurer &measurer() const { return mMeasurer; }
    CanvasState &state() { return mG; }
    const CanvasState &state() const { return mG; }
    // The window's shared state; raises std::logic_error on a canvas made on a state of its own.
    Globals &globals() const;

    // The unit of the box being placed or selected.
    clUple CurUple;
    // Twips per step of the horizontal scroll bar: 1, 10 or 100.
    int ScrollUnit = 1;

    // The model changed: repaint.
    std::function<void()> onChanged;
    // The selection changed: the id of the selected box, -1 for none.
    std::function<void(qint32 selectedId)> onSelectionChanged;
    // Canvas size or scroll bar settings were computed again.
    std::function<void(const ScrollExtents &)> onScrollExtentsChanged;
    // A word for the status bar (a drag the canvas cannot follow).
    std::function<void(const QString &)> onStatusMessage;
    // ArrangeBox moved the box's name label: an open in-place editor follows it.
    std::function<void(qint32 id)> onBoxArranged;

    // Places a box for the stored event on the shown timeline right of the latest earlier event, moves the
    // boxes of later events right by what the new box needs (at least InsertShift, so that date order
    // and MinDist hold), stores every changed position (one transaction), and selects it. False (nothing done) without
    // a shown timeline or a stored event. An event that already had a box is placed again, never twice.
    bool InsertNewBox(const clEvent &event);
    // Places boxes for stored events on the shown timeline exactly as one InsertNewBox after another
    // in date order would (events of one date in the order given), reading the stored boxes once and
    // writing every row in one transaction; the last one placed is selected. The layout is made at
    // full size whatever the zoom. `placedOne` runs after each box (for progress; it may throw to stop,
    // which leaves the file and the canvas as they were). Returns the ids placed, in placing order.
    std::vector<qint32> PlaceEvents(const std::vector<const clEvent *> &events,
                                    const std::function<void()> &placedOne = {});
    // Runs a change that stores positions on the full-size canvas, then shows it at the zoom again.
    void atZoomOne(const std::function<void()> &change);
    // Makes the event's box with its picture at (left, top), formatted as stored for the shown
    // timeline and filled, with its unit in CurUple; returns the event id. An existing box of the
    // event is made again.
    qint32 LoadBox(const clEvent &event, qint32 left, qint32 top);
    // Takes the box off the canvas and off the timeline; with deleteEvent, deletes the event too.
    void RemoveBox(qint32 id, bool deleteEvent);
    clUple LoadUple(qint32 id);
    clUple &LoadUple(qint32 id, clUple &unit);
    // The ids of all boxes in ascending connector x; boxes at the same x in reverse enumeration order.
    std::vector<qint32> SortBoxes() const;
    bool IsOnCanvas(qint32 id) const { return mModel.hasBox(id); }
    // Hangs connector, date and name label on the picture again after the picture moved.
    void ArrangeBox(qint32 id);
    // Stores the box's position as its place on the shown timeline (one row per event and timeline).
    void AddTimeLineEvent(qint32 id);
    // Writes the box's position to its row of the shown timeline; nothing when there is none.
    void SaveBoxPosition(qint32 id);
    // The part of a box painted on top at the point (edges included): boxes front to back, within a
    // box the date label over the picture over the name label; hidden labels play no part.
    enum class BoxPart { None, Picture, Name, Date };
    struct PartHit
    {
        qint32 id = -1;
        BoxPart part = BoxPart::None;
    };
    PartHit partAt(double x, double y) const;
    // The box whose picture is on top at the point, or whose name where it has no picture; -1 where
    // none is, or where another label covers it.
    qint32 HitTest(double x, double y) const;
    // The box whose name label is on top at the point; -1 for none.
    qint32 nameLabelAt(double x, double y) const;
    void BringToFront(qint32 id);
    // Marks the selected box (red dashed connector, picture border, pointer under the date).
    void ShowSelection();
    // Unmarks the selected box and hides the pointer; the selected box stays, the others selected go.
    void ClearSelection();
    // Several boxes selected at once (Ctrl+click, a rubber band): SelectedId stays the box that the
    // commands of one box use. Every selected box on the canvas, SelectedId first.
    std::vector<qint32> selectedIds() const;
    bool isSelected(qint32 id) const;
    // The box joins the selection, or leaves it when it was in; when the selected box leaves, the
    // one chosen after it takes its place.
    void toggleSelected(qint32 id);
    // Adds the boxes whose pictures meet the area (canvas twips) to the selection.
    void selectWithin(const QRectF &area);

    // The category colours of the boxes and the legend as the file has them now, at the zoom shown.
    void applyCategories();
    // Whether the point is on the legend shown.
    bool legendAt(double x, double y) const;
    // Moves the legend on the canvas only (never off its top or left edge); legendPosition() is then
    // where the file is to keep it.
    void moveLegendBy(double dx, double dy);
    QPointF legendPosition() const;
    // The canvas as exports and printing show it: without the selection, and only as wide as the
    // boxes need whatever the window's width, with the margins of the zoom shown.
    CanvasModel outputModel() const;

    // Shows the timeline with all its stored boxes at zoom 1; false (canvas left empty) when there
    // is no such timeline.
    bool LoadTimeLine(qint32 id);
    // Empties the canvas; once the project is closed or another one is open, forgets its pictures too.
    void ClearCanvas();
    // Sizes the canvas to the boxes for this viewport (remembered for later calls) and sets ScrollUnit.
    ScrollExtents UpdateScrollExtents(double viewportWidthTwips, double viewportHeightTwips,
                                      double hBarHeightTwips = 0.0, double vBarWidthTwips = 0.0);
    // The same for the last viewport given.
    ScrollExtents UpdateScrollExtents();
    const ScrollExtents &scrollExtents() const { return mExtents; }
    const CanvasViewport &viewport() const { return mViewport; }
    // Multiplies every position, size and font size by the factor; stored positions stay.
    void ScaleCanvas(double factor);
    void PlaceSubtitle();

    // MinDist as the canvas shows it: stored layouts keep it at zoom 1, so it grows with the zoom.
    double canvasMinDist() const;
    // The box's position as the file keeps it (zoom 1, single precision).
    QPointF storedPositionOf(qint32 id) const;
    // Puts the box's picture at a stored position, at the zoom shown, and hangs its parts on it.
    void placeBoxAt(qint32 id, const QPointF &stored);
    // The title and subtitle of the shown timeline's record, at the zoom shown, where they stand.
    void refreshTitles();
    // The box before (step -1) or after (step 1) the box in date order; -1 when there is none.
    qint32 neighbourInDateOrder(qint32 id, int step);

    // Selection and dragging. A press selects the box whose picture holds the point (-1: none) and,
    // with startDrag, starts dragging it.
    qint32 pressAt(double x, double y, bool startDrag);
    // One drag step to the pointer position: refused, horizontally or vertically alone, when it would
    // break date order, a minimum distance or the axis; the boxes right of the dragged one come along.
    void dragTo(double x, double y);
    // Ends the drag: the dragged box and those right of it whose stored positions differ, with their
    // stored positions before and now; the caller stores them (one undoable step).
    std::vector<BoxMove> drop();
    bool Dragging = false;
    double LastX = 0.0;
    double LastY = 0.0;
    // Where the dragged box's picture stood when the drag began (its top, at the zoom shown).
    double DragStartTop = 0.0;

    // Packs the boxes into one row, on the canvas only; false when there is nothing to pack.
    bool Compress();
    // Packs the boxes into descending cascades under the title; returns every box whose stored
    // position changes, for the compression command to store.
    std::vector<BoxMove> Compress2();

    // Zoom x 1.2, or x 1/1.2 taken in single precision, with the canvas scaled to match.
    void zoomIn();
    void zoomOut();
    // MinDist = 50 + 50 x value, remembered in the project.
    void setMinDistFromSlider(int value);
    // The slider position (0 to 10) for a minimum distance.
    static int sliderValueFor(int minDist);

private:
    // Takes the marks of the selection off the box and hides the pointer.
    static void unmark(CanvasModel &model, qint32 id);
    static void mark(CanvasBox &box);
    // The selected box becomes `id`, one of the other selected ones, which keep their marks.
    void keepSelectionAround(qint32 id);
    void markOthers();
    // Makes the event's box with its picture at (left, top) in the format given, as LoadBox does.
    void placeBox(const clEvent &event, const clFormat &format, qint32 left, qint32 top);
    std::vector<qint32> placeInDateOrder(const std::vector<const clEvent *> &events,
                                         const std::function<void()> &placedOne);
    void changed();
    void placeMarker();
    // Moves of the boxes whose stored position differs from the one the canvas shows.
    std::vector<BoxMove> movesOf(const std::vector<qint32> &ids);
    // Shared frame of both compressions: false when no timeline is shown or no box is loaded.
    bool compressAll(bool cascades);
    void setUpTitle(CanvasLabel &label, const QString &caption, const QString &font, const QString &size, bool solid,
                    bool border, qint32 back, qint32 fore, bool bold, bool italic);

    CanvasState &mG;
    Globals *mGlobals = nullptr;
    const TextMeasurer &mMeasurer;
    PictureCache mPictures;
    CanvasModel mModel;
    CanvasViewport mViewport;
    ScrollExtents mExtents;
    // The project whose pictures the cache holds.
    QString mPicturesOf;
    // The boxes with their event dates while a drag lasts; the map keeps its elements in place.
    std::vector<std::pair<CanvasBox *, ExtDate>> mDragBoxes;
    ExtDate mDragDate;
    // The selected boxes besides SelectedId, in the order chosen.
    std::vector<qint32> mAlsoSelected;
};

} // namespace qm
