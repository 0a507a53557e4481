// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long a timeline takes to become a web page, from the project to the written file, and how
// large the page is: 1,000 events without pictures (goal: under 2 s and 1.5 MB), the same with a
// picture each, and the sample project (goal: under 1 MB).
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "render/webpagecontent.h"
#include "render/webpageexport.h"
#include "samplecanvas.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

namespace {

void exportLoop(benchmark::State &state, qm::Globals &g, const qm::TimelineCanvas &canvas, const QString &path)
{
    for (auto _ : state) {
        const qm::WebPageContent page = qm::WebPageContent::gather(g.ProjectDb, *g.CurTimeLine, canvas.outputModel(),
                                                                   g.Zoom, g.ProjectPath, QDate::currentDate());
        QString error;
        if (!qm::WebPageExport::exportPage(page, path, &error))
            state.SkipWithError(error.toUtf8().constData());
    }
    state.counters["events"] = static_cast<double>(canvas.model().boxCount());
    state.counters["MiB_page"] = static_cast<double>(QFileInfo(path).size()) / (1024.0 * 1024.0);
}

void BM_WebPage1000Events(benchmark::State &state, qmtest::BoxedProject::Pictures pictures)
{
    qmtest::LoadedBoxes boxes(1000, pictures);
    exportLoop(state, boxes.g, boxes.canvas, boxes.dir.filePath(QStringLiteral("t.html")));
}
BENCHMARK_CAPTURE(BM_WebPage1000Events, no_pictures, qmtest::BoxedProject::Pictures::None)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_WebPage1000Events, pictures, qmtest::BoxedProject::Pictures::Library)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

void BM_WebPageSample(benchmark::State &state)
{
    QTemporaryDir dir;
    SampleCanvas sample;
    if (!sample.loaded) {
        state.SkipWithError("the sample project could not be loaded");
        return;
    }
    exportLoop(state, sample.g, sample.canvas, dir.filePath(QStringLiteral("sample.html")));
}
BENCHMARK(BM_WebPageSample)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
