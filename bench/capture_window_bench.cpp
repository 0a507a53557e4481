// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Accept all of 500 dates found in a text, each event placed on the shown timeline, as the capture
// window does it: in text order (each box lands right of the others) and in reverse (each box lands
// first and moves all the others).
#include "capture/capturesession.h"
#include "kit/benchmain.h"
#include "kit/project.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"

#include <QDir>
#include <QGuiApplication>

namespace {

constexpr int DateCount = 500;

// One short paragraph per date, a year apart, in the order asked for.
QString historyText(bool reversed)
{
    QString text;
    for (int i = 0; i < DateCount; ++i) {
        const int year = 1300 + (reversed ? DateCount - 1 - i : i);
        text += QStringLiteral("In the annals, on March %1, %2 the council of Rome met. It decided much.\n")
                    .arg(1 + i % 28)
                    .arg(year);
    }
    return text;
}

void BM_AcceptAllIntoTimeline(benchmark::State &state)
{
    const QString text = historyText(state.range(0) != 0);
    const qm::FontTextMeasurer measurer;
    int accepted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        qmtest::TempProject project;
        qm::Globals &g = project.g;
        g.ProjectFolder = project.dir.path() + QDir::separator();
        g.CurTimeLineId = qmtest::addTimeline(g, QStringLiteral("Rome"), {});
        g.CurTimeLine = std::make_unique<qm::clTimeLine>(g.ProjectDb);
        g.CurTimeLine->Load(g.CurTimeLineId);
        qm::TimelineCanvas canvas(g, measurer);
        canvas.LoadTimeLine(g.CurTimeLineId);
        qm::CaptureSession session(g);
        session.timeline.insertCurrentEvent = [&canvas, &g] { return canvas.InsertNewBox(*g.CurEvent); };
        session.timeline.placed = [&canvas] { canvas.UpdateScrollExtents(); };
        if (session.scan(text) != DateCount)
            state.SkipWithError("the text does not hold the expected dates");
        const qm::FoundDateFields first = session.fieldsOf(1, true);
        const qm::CaptureFields shown{first.txtDate,  first.context.txtShort, first.context.txtLong, first.txtActors,
                                      first.txtWhere, first.txtSource,        first.txtKeyword};
        state.ResumeTiming();

        accepted = session.acceptAll(shown, first.acceptEnabled, true, true).accepted;
        benchmark::DoNotOptimize(accepted);
    }
    state.counters["accepted"] = accepted;
}
BENCHMARK(BM_AcceptAllIntoTimeline)->Arg(0)->Arg(1)->ArgName("reversed")->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
