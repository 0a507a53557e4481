// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the canvas loads, places and paints timelines of many boxes.
#include "boxgrid.h"
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "layout/cluple.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"
#include "store/clevent.h"
#include "store/clformat.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

namespace {

using qmtest::BoxedProject;

void BM_LoadTimeline(benchmark::State &state)
{
    BoxedProject p(static_cast<int>(state.range(0)), BoxedProject::Pictures::Library);
    const qm::FontTextMeasurer measurer;
    for (auto _ : state) {
        // A new canvas each time: its picture cache starts empty, as after opening a project.
        qm::TimelineCanvas canvas(p.g, measurer);
        canvas.LoadTimeLine(p.timelineId);
        benchmark::DoNotOptimize(canvas.model().boxCount());
    }
}
BENCHMARK(BM_LoadTimeline)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_InsertEarliest(benchmark::State &state)
{
    BoxedProject p(static_cast<int>(state.range(0)), BoxedProject::Pictures::Library);
    qm::Globals &g = p.g;
    const qm::FontTextMeasurer measurer;
    qm::TimelineCanvas canvas(g, measurer);
    canvas.LoadTimeLine(p.timelineId);
    int day = 0;
    for (auto _ : state) {
        state.PauseTiming();
        g.CurEvent = std::make_unique<qm::clEvent>(g);
        g.CurEvent->EventDate = std::make_shared<qm::ExtDate>(static_cast<double>(5000 - ++day), qm::EraPlain);
        g.CurEvent->EventDateStr = g.CurEvent->EventDate->Render();
        g.CurEvent->Name = QStringLiteral("Earlier than all");
        g.CurEvent->Save();
        state.ResumeTiming();
        canvas.InsertNewBox(*g.CurEvent);
        state.PauseTiming();
        canvas.RemoveBox(g.CurEvent->Id, true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertEarliest)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(10);

// 100 boxes in ten rows over a 1600 x 1000 pixel area, with solid names over a wallpaper or not.
void BM_Repaint100BoxesOn1600x1000(benchmark::State &state)
{
    BoxGrid grid(state.range(0) != 0);
    if (state.range(0) != 0) {
        grid.model.wallpaper = grid.pictures.file(grid.g.ProjectFolder + QStringLiteral("Images/pic0.png"));
        grid.model.useWallpaper = true;
    }
    for (auto _ : state)
        grid.paint();
}
BENCHMARK(BM_Repaint100BoxesOn1600x1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
