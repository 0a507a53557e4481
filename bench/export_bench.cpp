// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long a timeline of many boxes takes to leave the program in each format, beside the encoder
// alone, and how much memory the drawings of very long timelines need. Run one benchmark per process
// (--benchmark_filter) to read a peak resident size that belongs to that format alone.
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "render/pictureexport.h"
#include "samplecanvas.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

namespace {

double peakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The timeline loaded on a canvas as the window shows it, its boxes showing pictures.
struct LoadedBoxes : qmtest::LoadedBoxes
{
    explicit LoadedBoxes(int count) : qmtest::LoadedBoxes(count, Pictures::Library) {}
};

qm::ExportOptions screen()
{
    qm::ExportOptions options;
    options.dpi = qm::ExportOptions::ScreenDpi;
    return options;
}

void exportLoop(benchmark::State &state, const qm::CanvasModel &model, const QString &path,
                const qm::ExportOptions &options = screen())
{
    for (auto _ : state) {
        QString error;
        if (!qm::PictureExport::exportCanvas(model, path, options, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["MiB_file"] = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
    state.counters["MiB_peak_rss"] = peakResidentMiB();
}

// Drawing the whole canvas and writing it in the format.
void BM_Export1000Boxes(benchmark::State &state, const QString &fileName)
{
    LoadedBoxes boxes(1000);
    const QSize size = qm::PictureExport::imageSize(boxes.canvas.model());
    state.counters["pixels"] = static_cast<double>(size.width()) * size.height();
    exportLoop(state, boxes.canvas.outputModel(), boxes.dir.filePath(fileName));
}
BENCHMARK_CAPTURE(BM_Export1000Boxes, png, QStringLiteral("t.png"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Export1000Boxes, jpeg, QStringLiteral("t.jpg"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Export1000Boxes, gif, QStringLiteral("t.gif"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Export1000Boxes, pdf, QStringLiteral("t.pdf"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Export1000Boxes, svg, QStringLiteral("t.svg"))->Unit(benchmark::kMillisecond)->Iterations(2);

// The encoder alone, from a picture already drawn: the floor of each raster export above.
void BM_Encode1000Boxes(benchmark::State &state, const QString &fileName)
{
    LoadedBoxes boxes(1000);
    const QImage image = qm::PictureExport::render(boxes.canvas.model());
    const QString path = boxes.dir.filePath(fileName);
    for (auto _ : state) {
        QString error;
        if (!qm::PictureExport::save(image, path, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
}
BENCHMARK_CAPTURE(BM_Encode1000Boxes, png, QStringLiteral("t.png"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Encode1000Boxes, jpeg, QStringLiteral("t.jpg"))->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK_CAPTURE(BM_Encode1000Boxes, gif, QStringLiteral("t.gif"))->Unit(benchmark::kMillisecond)->Iterations(2);

// Drawing the whole canvas into one picture, the other part of a raster export.
void BM_Render1000Boxes(benchmark::State &state)
{
    LoadedBoxes boxes(1000);
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::PictureExport::render(boxes.canvas.model()).width());
}
BENCHMARK(BM_Render1000Boxes)->Unit(benchmark::kMillisecond)->Iterations(2);

// Ten thousand boxes: nine million twips, far too wide for one picture, as a drawing.
void BM_Export10000Boxes(benchmark::State &state, const QString &fileName)
{
    LoadedBoxes boxes(10000);
    exportLoop(state, boxes.canvas.outputModel(), boxes.dir.filePath(fileName));
}
BENCHMARK_CAPTURE(BM_Export10000Boxes, pdf, QStringLiteral("t.pdf"))->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(BM_Export10000Boxes, svg, QStringLiteral("t.svg"))->Unit(benchmark::kMillisecond)->Iterations(1);

// A handout: the 1,000 boxes fitted to one landscape page of PDF, as printed (goal: under 1 s).
void BM_PdfFitToPage1000Boxes(benchmark::State &state)
{
    LoadedBoxes boxes(1000);
    qm::ExportOptions options;
    options.asPrinted = true;
    options.pages.fit = qm::PageSetup::Fit::OnePage;
    exportLoop(state, boxes.canvas.outputModel(), boxes.dir.filePath("fit.pdf"), options);
}
BENCHMARK(BM_PdfFitToPage1000Boxes)->Unit(benchmark::kMillisecond)->Iterations(3);

// The sample timeline as a picture to print: PNG at 300 dpi (goal: under 2 s).
void BM_SamplePng300Dpi(benchmark::State &state)
{
    QTemporaryDir dir;
    SampleCanvas sample;
    if (!sample.loaded) {
        state.SkipWithError("the sample project could not be loaded");
        return;
    }
    const qm::CanvasModel model = sample.canvas.outputModel();
    state.counters["boxes"] = static_cast<double>(model.boxCount());
    qm::ExportOptions options;
    options.dpi = 300;
    exportLoop(state, model, dir.filePath("sample.png"), options);
    state.counters["pixels"] =
        static_cast<double>(QImage(dir.filePath("sample.png")).width()) * QImage(dir.filePath("sample.png")).height();
}
BENCHMARK(BM_SamplePng300Dpi)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
