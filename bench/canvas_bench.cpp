// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the canvas loads, places, paints and exports timelines of many boxes.
#include "benchsupport.h"

#include "layout/cluple.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"
#include "render/pictureexport.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/sqlquery.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int PictureCount = 30;

// Pictures of a few hundred pixels, as scanned or downloaded illustrations are, in the project's
// own library.
void writePictures(qm::Globals &g)
{
    QDir().mkpath(g.ProjectFolder + QStringLiteral("Images"));
    for (int i = 0; i < PictureCount; ++i) {
        QImage image(320, 240, QImage::Format_RGB32);
        QPainter p(&image);
        QLinearGradient gradient(0, 0, 320, 240);
        gradient.setColorAt(0, QColor::fromHsv(i * 12, 200, 230));
        gradient.setColorAt(1, QColor::fromHsv((i * 12 + 120) % 360, 200, 80));
        p.fillRect(image.rect(), gradient);
        p.drawEllipse(40 + i, 30, 200, 160);
        p.end();
        image.save(g.ProjectFolder + QStringLiteral("Images/pic%1.png").arg(i));
    }
}

// A project whose one timeline holds `count` boxes, a day apart, each showing one of the pictures,
// placed in five rows so that the whole timeline still fits a JPEG picture.
struct BoxedProject
{
    explicit BoxedProject(int count)
    {
        project.g.ProjectFolder = project.dir.filePath(QStringLiteral("Bench")) + QDir::separator();
        project.g.MinDist = 100;
        writePictures(project.g);
        qm::clTimeLine t(project.g.ProjectDb);
        t.Name = QStringLiteral("Bench");
        t.LabelCaption = QStringLiteral("A thousand years");
        timelineId = t.Save();
        qm::TransactionGuard guard(project.g.ProjectDb);
        for (int i = 0; i < count; ++i) {
            qm::clEvent e(project.g);
            e.EventDate = std::make_shared<qm::ExtDate>(static_cast<double>(10000 + i), qm::EraPlain);
            e.EventDateStr = e.EventDate->Render();
            e.Name = QStringLiteral("Event number %1 of the long timeline").arg(i);
            e.ImageSource = QStringLiteral("C");
            e.ImageName = QStringLiteral("pic%1.png").arg(i % PictureCount);
            const qint32 id = e.Save();
            qm::execSql(project.g.ProjectDb,
                        QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                                       "VALUES (?, ?, ?, ?)"),
                        {timelineId, id, 1500 + i * 900, 900 + (i % 5) * 1200});
        }
        guard.commit();
    }

    qmbench::BenchProject project;
    qint32 timelineId = 0;
};

void BM_LoadTimeline(benchmark::State &state)
{
    BoxedProject p(static_cast<int>(state.range(0)));
    const qm::FontTextMeasurer measurer;
    for (auto _ : state) {
        // A new canvas each time: its picture cache starts empty, as after opening a project.
        qm::TimelineCanvas canvas(p.project.g, measurer);
        canvas.LoadTimeLine(p.timelineId);
        benchmark::DoNotOptimize(canvas.model().boxCount());
    }
}
BENCHMARK(BM_LoadTimeline)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_InsertEarliest(benchmark::State &state)
{
    BoxedProject p(static_cast<int>(state.range(0)));
    qm::Globals &g = p.project.g;
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
        canvas.InsertNewBox();
        state.PauseTiming();
        canvas.RemoveBox(g.CurEvent->Id, true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertEarliest)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(10);

// 100 boxes in ten rows over a 1600 x 1000 pixel area, drawn as the canvas widget draws them.
void BM_Repaint100BoxesOn1600x1000(benchmark::State &state)
{
    qmbench::BenchProject project;
    qm::Globals &g = project.g;
    g.ProjectFolder = project.dir.filePath(QStringLiteral("Bench")) + QDir::separator();
    writePictures(g);
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
        e.ImageName = QStringLiteral("pic%1.png").arg(i % PictureCount);
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

void BM_Export1000Boxes(benchmark::State &state, const QString &fileName)
{
    BoxedProject p(1000);
    const qm::FontTextMeasurer measurer;
    qm::TimelineCanvas canvas(p.project.g, measurer);
    canvas.LoadTimeLine(p.timelineId);
    const QString path = p.project.dir.filePath(fileName);
    for (auto _ : state) {
        const QImage image = qm::PictureExport::render(canvas.model());
        QString error;
        if (!qm::PictureExport::save(image, path, &error))
            state.SkipWithError(error.toUtf8().constData());
        state.counters["pixels"] = static_cast<double>(image.width()) * image.height();
    }
}
BENCHMARK_CAPTURE(BM_Export1000Boxes, png, QStringLiteral("t.png"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Export1000Boxes, jpeg, QStringLiteral("t.jpg"))->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

// Fonts and painting need a GUI application; it runs without a window.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
