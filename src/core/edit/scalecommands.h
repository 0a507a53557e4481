// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/placements.h"

#include <optional>
#include <utility>
#include <vector>

namespace qm {

// A timeline switched between "In date order" and "To scale", or given another number of years per
// page width: one step, which keeps the boxes' places in date order and their rows to scale.
class TimeScaleCommand : public CanvasCommand
{
public:
    struct Scale
    {
        bool toScale = false;
        double yearsPerWidth = 0.0; // 0: fit to the window

        friend bool operator==(const Scale &, const Scale &) = default;
    };
    TimeScaleCommand(TimelineCanvas &canvas, qint32 timelineId, Scale after);

    void redo() override;
    void undo() override;

private:
    void apply(const Scale &scale);

    Scale mBefore;
    Scale mAfter;
};

// The rows of boxes drawn to scale: a box dropped higher or lower (the canvas already shows it), or
// "Arrange rows", which lets the fitting place every box again.
class ScaleRowsCommand : public CanvasCommand
{
public:
    using Tops = std::vector<std::pair<qint32, std::optional<double>>>;
    ScaleRowsCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text, Tops before, Tops after,
                     bool alreadyShown);
    // The drop of a drag to scale, as the canvas reported it.
    static std::unique_ptr<ScaleRowsCommand> dropped(TimelineCanvas &canvas, const std::vector<BoxMove> &moves,
                                                     const QString &text);
    // Every row the user chose on the shown timeline forgotten, the rows fitted again.
    static std::unique_ptr<ScaleRowsCommand> arrangeRows(TimelineCanvas &canvas);

    void redo() override;
    void undo() override;

private:
    void apply(const Tops &tops);

    Tops mBefore;
    Tops mAfter;
    bool mShowFirst;
};

} // namespace qm
