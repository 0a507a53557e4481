// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/clformat.h"
#include "store/rowsnapshot.h"

#include <vector>

namespace qm {

// Copies what the event format dialog sets (the name and date labels' fonts, colours, fill and
// border, the picture's border, and the connector's colour, style and whether it shows) and leaves
// the rest, such as the picture's size, alone.
void copyLabelLook(const clFormat &from, clFormat &to);

// The event format dialog's look given to boxes of the shown timeline, each keeping the rest of its
// own format, and with makeDefault also made the timeline's look for new events; one step.
class EventFormatCommand : public CanvasCommand
{
public:
    EventFormatCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const clFormat &look, bool makeDefault,
                       const QString &text);

    void redo() override;
    void undo() override;

private:
    void show();

    std::vector<qint32> mIds;
    std::vector<std::pair<qint32, clFormat>> mAfter;
    clFormat mDefaultAfter;
    bool mMakeDefault = false;
    RowSnapshot mBefore;
    RowSnapshot mDefaultBefore;
};

} // namespace qm
