// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast boxes follow the mouse, how fast a drop and a compression are stored and undone.
#include "edit/insertboxcommand.h"
#include "edit/moveboxescommand.h"
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "store/clevent.h"
#include "store/sqlquery.h"

#include <QGuiApplication>
#include <QUndoStack>

namespace {

// 1,000 boxes a day apart in five rows, loaded on a canvas; `first` is the leftmost.
struct LoadedBoxes : qmtest::LoadedBoxes
{
    LoadedBoxes() : qmtest::LoadedBoxes(1000) {}
    const qint32 first = canvas.SortBoxes().front();
};

// One mouse step of the leftmost box, carrying the 999 others: a pixel right, then back left (the
// left step runs every limit check).
void BM_DragStep1000Boxes(benchmark::State &state)
{
    LoadedBoxes b;
    const QPointF at = b.centreOf(b.first);
    b.canvas.pressAt(at.x(), at.y(), true);
    b.canvas.dragTo(at.x() + 300, at.y());
    bool right = true;
    for (auto _ : state) {
        b.canvas.dragTo(b.canvas.LastX + (right ? 15 : -15), b.canvas.LastY);
        right = !right;
    }
}
BENCHMARK(BM_DragStep1000Boxes)->Unit(benchmark::kMicrosecond);

// Releasing the leftmost box after a drag: all 1,000 positions stored in one transaction, as one step.
void BM_Drop1000Boxes(benchmark::State &state)
{
    LoadedBoxes b;
    QUndoStack stack;
    for (auto _ : state) {
        state.PauseTiming();
        const QPointF at = b.centreOf(b.first);
        b.canvas.pressAt(at.x(), at.y(), true);
        b.canvas.dragTo(at.x() + 15, at.y());
        state.ResumeTiming();
        std::vector<qm::BoxMove> moves = b.canvas.drop();
        state.counters["boxes"] = static_cast<double>(moves.size());
        qm::pushCommand(stack, std::make_unique<qm::MoveBoxesCommand>(b.canvas, b.timelineId, QStringLiteral("move"),
                                                                      std::move(moves)));
    }
}
BENCHMARK(BM_Drop1000Boxes)->Unit(benchmark::kMillisecond)->Iterations(20);

// Compress 2 of the 1,000 boxes, stored; then (untimed, or timed for the undo figure) taken back.
void BM_Compress2Of1000Boxes(benchmark::State &state)
{
    LoadedBoxes b;
    QUndoStack stack;
    const bool timeUndo = state.range(0) != 0;
    for (auto _ : state) {
        if (timeUndo)
            state.PauseTiming();
        qm::pushCommand(stack, std::make_unique<qm::Compress2Command>(b.canvas));
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        stack.undo();
        if (!timeUndo)
            state.ResumeTiming();
        state.counters["boxes"] = static_cast<double>(b.canvas.model().boxCount());
    }
}
BENCHMARK(BM_Compress2Of1000Boxes)->ArgName("undo")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(10);

// Include & Exit of 1,000 events of the same years that are not on the timeline yet, as one step
// (goal: under 300 ms); undone untimed.
void BM_Include1000Events(benchmark::State &state)
{
    LoadedBoxes b;
    qm::Globals &g = b.g;
    std::vector<qint32> ids;
    {
        qm::TransactionGuard guard(g.ProjectDb);
        for (int i = 0; i < 1000; ++i) {
            qm::clEvent e(g);
            e.EventDate = std::make_shared<qm::ExtDate>(10000.5 + i, qm::EraPlain);
            e.EventDateStr = e.EventDate->Render();
            e.Name = QStringLiteral("Included event %1").arg(i);
            ids.push_back(e.Save());
        }
        guard.commit();
    }
    QUndoStack stack;
    for (auto _ : state) {
        qm::pushCommand(stack, std::make_unique<qm::InsertBoxCommand>(b.canvas, ids, QStringLiteral("choice")));
        state.PauseTiming();
        state.counters["boxes"] = static_cast<double>(b.canvas.model().boxCount());
        stack.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Include1000Events)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
