// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scalecommands.h"

#include "layout/scalelayout.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QCoreApplication>

#include <cmath>

namespace qm {

namespace {

QString scaleCaption(bool toScale)
{
    return toScale ? QCoreApplication::translate("TimeScaleCommand", "To scale")
                   : QCoreApplication::translate("TimeScaleCommand", "In date order");
}

} // namespace

TimeScaleCommand::TimeScaleCommand(TimelineCanvas &canvas, qint32 timelineId, Scale after)
    : CanvasCommand(canvas, timelineId, scaleCaption(after.toScale)), mAfter(after)
{
    clTimeLine t(canvas.globals().ProjectDb);
    t.Load(timelineId);
    mBefore = {t.ToScale, t.YearsPerWidth};
}

void TimeScaleCommand::redo()
{
    apply(mAfter);
    setObsolete(mBefore == mAfter);
}

void TimeScaleCommand::undo()
{
    apply(mBefore);
}

void TimeScaleCommand::apply(const Scale &scale)
{
    storeTimelineScale(db(), timelineId(), scale.toScale, scale.yearsPerWidth);
    if (!shown())
        return;
    const qint32 selected = g().SelectedId;
    canvas().LoadTimeLine(timelineId());
    g().SelectedId = canvas().IsOnCanvas(selected) ? selected : -1;
    layoutChanged();
}

ScaleRowsCommand::ScaleRowsCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &text, Tops before,
                                   Tops after, bool alreadyShown)
    : CanvasCommand(canvas, timelineId, text), mBefore(std::move(before)), mAfter(std::move(after)),
      mShowFirst(!alreadyShown)
{}

std::unique_ptr<ScaleRowsCommand> ScaleRowsCommand::dropped(TimelineCanvas &canvas, const std::vector<BoxMove> &moves,
                                                            const QString &text)
{
    Tops before;
    Tops after;
    for (const BoxMove &m : moves) {
        before.emplace_back(m.eventId, std::isnan(m.before.y()) ? std::nullopt : std::optional<double>(m.before.y()));
        after.emplace_back(m.eventId, m.after.y());
    }
    return std::make_unique<ScaleRowsCommand>(canvas, canvas.globals().CurTimeLineId, text, std::move(before),
                                              std::move(after), true);
}

std::unique_ptr<ScaleRowsCommand> ScaleRowsCommand::arrangeRows(TimelineCanvas &canvas)
{
    Globals &g = canvas.globals();
    Tops before;
    Tops after;
    for (const auto &[id, top] : scaleTops(g.ProjectDb, g.CurTimeLineId)) {
        before.emplace_back(id, top);
        after.emplace_back(id, std::nullopt);
    }
    return std::make_unique<ScaleRowsCommand>(canvas, g.CurTimeLineId,
                                              QCoreApplication::translate("ScaleRowsCommand", "Arrange rows"),
                                              std::move(before), std::move(after), false);
}

void ScaleRowsCommand::redo()
{
    if (!mShowFirst) {
        // The canvas shows the drop already: only the file follows, and on a failure the canvas shows it.
        try {
            storeScaleTops(db(), timelineId(), mAfter);
        } catch (...) {
            if (shown() && canvas().model().timeScale)
                layOutToScale(canvas());
            throw;
        }
        mShowFirst = true;
        return;
    }
    apply(mAfter);
}

void ScaleRowsCommand::undo()
{
    apply(mBefore);
}

void ScaleRowsCommand::apply(const Tops &tops)
{
    storeScaleTops(db(), timelineId(), tops);
    if (shown())
        layoutChanged();
}

} // namespace qm
