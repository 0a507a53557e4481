// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Working with many boxes and events: a keystroke of Find, the overview strip, element edits and
// moves of many events at once.
#include "edit/bulkcommands.h"
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "layout/canvasnavigation.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/overviewpainter.h"
#include "store/globals.h"

#include <QGuiApplication>
#include <QUndoStack>

namespace {

using qmtest::LoadedBoxes;

// One keystroke: the index is made once per change of the timeline, the search runs on every key.
void BM_FindKeystroke(benchmark::State &state)
{
    LoadedBoxes p(static_cast<int>(state.range(0)));
    qm::navigation::FindIndex index;
    index.build(p.canvas.model(), p.canvas.SortBoxes(),
                qm::navigation::elementTextsOfTimeline(p.g.ProjectDb, p.timelineId));
    const QString needles[] = {QStringLiteral("n"), QStringLiteral("number 1"), QStringLiteral("number 19999")};
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(index.find(needles[k++ % 3]).size());
}
BENCHMARK(BM_FindKeystroke)->Arg(20000)->Unit(benchmark::kMillisecond);

// The first keystroke after a change: the index is made again, then searched.
void BM_FindAfterAChange(benchmark::State &state)
{
    LoadedBoxes p(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        qm::navigation::FindIndex index;
        index.build(p.canvas.model(), p.canvas.SortBoxes(),
                    qm::navigation::elementTextsOfTimeline(p.g.ProjectDb, p.timelineId));
        benchmark::DoNotOptimize(index.find(QStringLiteral("number 1")).size());
    }
}
BENCHMARK(BM_FindAfterAChange)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OverviewRepaint(benchmark::State &state)
{
    LoadedBoxes p(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::paintOverview(p.canvas.model(), QSize(1400, 56), -1).width());
}
BENCHMARK(BM_OverviewRepaint)->Arg(20000)->Unit(benchmark::kMillisecond);

std::vector<qint32> firstIds(const qm::TimelineCanvas &canvas, std::size_t n)
{
    std::vector<qint32> ids = canvas.model().boxIds();
    ids.resize(std::min(n, ids.size()));
    return ids;
}

// A keyword given to 1,000 events, one step (undone between runs).
void BM_BulkElementEdit(benchmark::State &state)
{
    LoadedBoxes p(2000);
    const std::vector<qint32> ids = firstIds(p.canvas, static_cast<std::size_t>(state.range(0)));
    QUndoStack stack;
    for (auto _ : state) {
        qm::pushCommand(stack, std::make_unique<qm::EventElementsCommand>(p.g.ProjectDb, ids, QStringLiteral("K"),
                                                                          QStringList{QStringLiteral("Siege")}, true,
                                                                          QString()));
        state.PauseTiming();
        stack.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BulkElementEdit)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);

// 1,000 events of the timeline shown moved onto another timeline of 1,000 boxes, one step (undone
// between runs).
void BM_MoveToTimeline(benchmark::State &state)
{
    LoadedBoxes p(2000);
    const std::vector<qint32> all = p.canvas.model().boxIds();
    const auto half = static_cast<std::ptrdiff_t>(all.size() / 2);
    const qint32 other = qmtest::addTimeline(p.g, QStringLiteral("Other"), QStringLiteral("Other"));
    qm::placeOnTimeline(p.g, p.measurer, other, std::vector<qint32>(all.begin() + half, all.end()));
    const std::vector<qint32> moved(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(state.range(0)));
    QUndoStack stack;
    for (auto _ : state) {
        qm::pushCommand(stack,
                        std::make_unique<qm::PlaceOnTimelineCommand>(p.canvas, other, moved, p.timelineId, QString()));
        state.PauseTiming();
        stack.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MoveToTimeline)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
