// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/placements.h"

#include <QRectF>
#include <Qt>

#include <optional>
#include <vector>

namespace qm {

class TimelineCanvas;

// The texts of the canvas that can be edited in place, numbered as EditKind counts them.
enum class LabelKind { Title = 0, Subtitle = 1, Name = 2, Date = 3 };

// A text of the canvas under the pointer: its kind and, for a name or date, the event's id.
struct LabelHit
{
    LabelKind kind = LabelKind::Title;
    qint32 id = -1;
};

// What the window has to do after a mouse event on the canvas.
struct CanvasClick
{
    enum Action { None, EventMenu, TimelineMenu, EditEvent, EditTimeline, EditLabel, Dropped, LegendMoved };
    Action action = None;
    // The event of a menu, dialog or label; the label's kind for EditLabel.
    qint32 id = -1;
    LabelKind kind = LabelKind::Title;
    // For Dropped: the stored positions the drop changes (possibly none).
    std::vector<BoxMove> moves;
    // For LegendMoved: where the legend stood before the drag; the canvas shows where it stands now.
    QPointF legendBefore;
};

// The mouse on the timeline canvas: which press selects and drags, which release drops, opens a
// menu or a label for editing, which double click opens which dialog. The widget forwards the
// mouse in canvas twips and carries out the answer.
class CanvasMouse
{
public:
    explicit CanvasMouse(TimelineCanvas &canvas) : mCanvas(canvas) {}

    // Ctrl+press adds a box to the selection or takes it off; Shift+press off the pictures starts a
    // rubber band whose release adds the boxes it meets.
    void press(double x, double y, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void move(double x, double y);
    // The rubber band being drawn, in canvas twips.
    std::optional<QRectF> band() const { return mBand; }
    CanvasClick release(double x, double y, Qt::MouseButton button);
    CanvasClick doubleClick(double x, double y, Qt::MouseButton button);

    // The editable text under the point: title and subtitle (drawn over the boxes) first, then the
    // date and name labels; false when there is none.
    bool labelAt(double x, double y, LabelHit &hit) const;

private:
    TimelineCanvas &mCanvas;
    bool mLabelPressed = false;
    LabelHit mPressedLabel;
    std::optional<QRectF> mBand;
    // The legend being dragged: where the pointer was last and where the legend was stored.
    std::optional<QPointF> mLegendFrom;
    QPointF mLegendStored;
};

} // namespace qm
