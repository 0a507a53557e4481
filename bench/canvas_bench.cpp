// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the canvas loads, places and paints timelines of many boxes.
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

// 100 boxes in ten rows over a 1600 x 1000 pixel area, drawn as the canvas widget draws them.
void BM_Repaint100BoxesOn1600x1000(benchmark::State &state)
{
    qmtest::TempProject project;
    qm::Globals &g = project.g;
    g.ProjectFolder = project.dir.filePath(QStringLiteral("Bench")) + QDir::separator();
    qmtest::writePictures(g);
    const qm::FontTextMeasurer measurer;
    qm::PictureCache pictures;
    qm::CanvasModel model;
    model.width = 24000;
    model.height = 15000;
    model.axis.p1 = QPointF(240, 14000);
    model.axis.p2 = QPointF(23000, 14000);
    if (state.range(0) != 0) {
        model.wallpaper = pictures.file(g.ProjectFolder + QStringLiteral("Images/pic0.png"));
        model.useWallpaper = true;
    }
    qm::clFormat format;
    format.PictureWidth = 600;
    format.PictureHeight = 450;
    format.TextMaxWidth = 1200;
    format.TextSolid = state.range(0) != 0;
    for (int i = 0; i < 100; ++i) {
        qm::CanvasBox &b = model.addBox(i + 1);
        b.picture.rect = QRectF(300 + (i % 10) * 2350, 300 + (i / 10) * 1350, 0, 0);
        qm::clUple unit(g, measurer, &pictures);
        unit.Init(model, i + 1);
        qm::clEvent e(g);
        e.Name = QStringLiteral("Event number %1 of the grid").arg(i);
        e.ImageSource = QStringLiteral("C");
        e.ImageName = QStringLiteral("pic%1.png").arg(i % qmtest::PictureCount);
        unit.ApplyFormat(format);
        unit.ApplyEvent(e);
        unit.Arrange();
    }
    QImage target(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter p(&target);
        qm::CanvasRenderer::paint(p, model, QRectF(0, 0, 24000, 15000), 1.0 / 15);
    }
}
BENCHMARK(BM_Repaint100BoxesOn1600x1000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
