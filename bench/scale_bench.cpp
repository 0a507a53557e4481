// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast timelines are laid out to scale, rows fitted, and painted with their axis marks.
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "layout/scalelayout.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"
#include "store/cltimeline.h"
#include "store/sqlquery.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

using qmtest::BoxedProject;

// Spreads the events of the project evenly from `firstYear` over `years` (astronomical years).
void spreadDates(BoxedProject &p, int count, int firstYear, int years)
{
    qm::TransactionGuard guard(p.g.ProjectDb);
    qm::SqlQuery q(p.g.ProjectDb, QStringLiteral("UPDATE Event SET EventDate = ?, EventEra = ? WHERE Id = ?"));
    for (int i = 0; i < count; ++i) {
        const int astro = firstYear + static_cast<int>(static_cast<double>(i) * years / count);
        const int stored = qm::storedYearOf(astro);
        const qint16 era = astro >= 100 ? qm::EraPlain : (astro >= 1 ? qm::EraEarlyAD : qm::EraBC);
        q.bind(static_cast<double>(qm::platformdate::serialOf(stored, 1 + i % 12, 1 + i % 28)))
            .bind(era)
            .bind(i + 1)
            .exec();
    }
    guard.commit();
}

void BM_ToScaleLayout3000BCtoAD2000(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    BoxedProject p(count);
    spreadDates(p, count, qm::astroYear(3000, true), 5000);
    const qm::FontTextMeasurer measurer;
    qm::TimelineCanvas canvas(p.g, measurer);
    canvas.LoadTimeLine(p.timelineId);
    p.g.CurTimeLine->ToScale = true;
    for (auto _ : state) {
        const std::vector<qm::ScaleBox> boxes = qm::layOutToScale(canvas);
        benchmark::DoNotOptimize(boxes.size());
    }
    state.counters["twipsPerYear"] = canvas.model().timeScale->twipsPerYear;
    state.counters["marks"] = static_cast<double>(canvas.model().axisMarks.size());
}
BENCHMARK(BM_ToScaleLayout3000BCtoAD2000)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond)->Iterations(3);

// 100 boxes of ten years laid out to scale, painted as the canvas widget paints a 1600 x 1000 window.
void BM_Repaint100BoxesToScale(benchmark::State &state)
{
    BoxedProject p(100);
    spreadDates(p, 100, 1789, 11);
    const qm::FontTextMeasurer measurer;
    qm::TimelineCanvas canvas(p.g, measurer);
    canvas.UpdateScrollExtents(24000, 15000);
    qm::storeTimelineScale(p.g.ProjectDb, p.timelineId, true, 0.0);
    canvas.LoadTimeLine(p.timelineId);
    QImage target(1600, 1000, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        qm::CanvasRenderer::paint(painter, canvas.model(), QRectF(0, 0, 24000, 15000), 1.0 / 15);
    }
    state.counters["marks"] = static_cast<double>(canvas.model().axisMarks.size());
}
BENCHMARK(BM_Repaint100BoxesToScale)->Unit(benchmark::kMillisecond);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
