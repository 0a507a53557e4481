// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "layout/canvasmodel.h"
#include "layout/canvasmouse.h"
#include "store/clformat.h"

#include <memory>

namespace qm {

// A text of the canvas as the in-place editor shows and changes it: the text and its look, with
// the font size at full size (the zoom taken out).
struct LabelLook
{
    QString text;
    LabelFont font;
    qint32 foreColor = 0;
    qint32 backColor = 0xFFFFFF;
    bool solid = false;
    bool border = false;

    friend bool operator==(const LabelLook &, const LabelLook &) = default;
};

// The look of a text on the canvas: the title, the subtitle, or the name or date label of event `id`.
LabelLook lookOf(const TimelineCanvas &canvas, LabelKind kind, qint32 id);

// A text edited in place: the title and subtitle go to the timeline record, an event's name or date
// text to the event and its look to the event's format on the timeline. The date value never
// changes; the stored date text keeps its first 20 characters while the canvas shows all of it.
class EditLabelCommand : public CanvasCommand
{
public:
    static constexpr int DateTextLength = 20;

    EditLabelCommand(TimelineCanvas &canvas, LabelKind kind, qint32 eventId, const LabelLook &before,
                     const LabelLook &after);

    void redo() override;
    void undo() override;

private:
    void apply(const LabelLook &look, bool after);
    void writeTitle(const LabelLook &look);

    LabelKind mKind;
    qint32 mEventId;
    LabelLook mBefore;
    LabelLook mAfter;
    // The event's format on the timeline before and after; no row before shows as hadFormat false.
    clFormat mFormatBefore;
    clFormat mFormatAfter;
    bool mHadFormat = false;
};

// The step that commits an edit of the text, or none when nothing changed.
std::unique_ptr<EditLabelCommand> makeLabelEdit(TimelineCanvas &canvas, LabelKind kind, qint32 eventId,
                                                const LabelLook &after);

} // namespace qm
