// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/placements.h"

#include <Qt>

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
    enum Action { None, EventMenu, TimelineMenu, EditEvent, EditTimeline, EditLabel, Dropped };
    Action action = None;
    // The event of a menu, dialog or label; the label's kind for EditLabel.
    qint32 id = -1;
    LabelKind kind = LabelKind::Title;
    // For Dropped: the stored positions the drop changes (possibly none).
    std::vector<BoxMove> moves;
};

// The mouse on the timeline canvas: which press selects and drags, which release drops, opens a
// menu or a label for editing, which double click opens which dialog. The widget forwards the
// mouse in canvas twips and carries out the answer.
class CanvasMouse
{
public:
    explicit CanvasMouse(TimelineCanvas &canvas) : mCanvas(canvas) {}

    void press(double x, double y, Qt::MouseButton button);
    void move(double x, double y);
    CanvasClick release(double x, double y, Qt::MouseButton button);
    CanvasClick doubleClick(double x, double y, Qt::MouseButton button);

    // The editable text under the point: title and subtitle (drawn over the boxes) first, then the
    // date and name labels; false when there is none.
    bool labelAt(double x, double y, LabelHit &hit) const;

private:
    TimelineCanvas &mCanvas;
    bool mLabelPressed = false;
    LabelHit mPressedLabel;
};

} // namespace qm
