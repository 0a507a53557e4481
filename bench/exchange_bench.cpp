// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast the events of a project go to a spreadsheet file and come back (goal: 10,000 events each
// way in under 2 s, the import in one transaction).
#include "exchange/eventexport.h"
#include "exchange/eventimport.h"
#include "kit/benchmain.h"
#include "kit/fakemeasurer.h"
#include "kit/project.h"

namespace {

constexpr int Count = 10000;

// A sheet of `count` new events on distinct days, each with a few element names from small pools,
// all to go on the timeline `timeline` when it is not empty.
QString newEventsSheet(int count, const QString &timeline = {})
{
    QString csv = QStringLiteral("Date,Name,Description,Actors,Places,Keywords,Timelines\r\n");
    for (int i = 0; i < count; ++i) {
        csv += QStringLiteral("%1/%2/%3,\"Event %4\",\"What happened, on day %4\",\"Actor %5, Actor %6\",Place %7,"
                              "\"kw%8, kw%9\",%10\r\n")
                   .arg(i % 336 / 28 + 1)
                   .arg(i % 28 + 1)
                   .arg(1000 + i / 336)
                   .arg(i)
                   .arg(i % 300)
                   .arg(i * 7 % 300)
                   .arg(i % 100)
                   .arg(i % 20)
                   .arg(i % 50)
                   .arg(timeline);
    }
    return csv;
}

void importSheet(qm::Globals &g, const QString &csv)
{
    const qmtest::FakeMeasurer measurer;
    qm::EventImport import(g, measurer, qm::CsvDocument::parseText(csv));
    if (import.plan().writesAnything())
        import.apply();
}

void BM_ImportNewEvents(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString csv = newEventsSheet(count);
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<qmtest::TempProject>();
        state.ResumeTiming();
        importSheet(project->g, csv);
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ImportNewEvents)->Arg(Count)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExportEvents(benchmark::State &state)
{
    qmtest::TempProject project;
    importSheet(project.g, newEventsSheet(Count));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::eventsCsv(project.g.ProjectDb));
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_ExportEvents)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every row of an exported file read back and compared: the preview of an unchanged round trip.
void BM_ImportUnchangedRoundTrip(benchmark::State &state)
{
    qmtest::TempProject project;
    importSheet(project.g, newEventsSheet(Count));
    const QString csv = QString::fromUtf8(qm::eventsCsv(project.g.ProjectDb));
    for (auto _ : state)
        importSheet(project.g, csv);
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_ImportUnchangedRoundTrip)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every event renamed in the sheet: 10,000 updates in one transaction (timed), then undone (not timed).
void BM_ImportUpdates(benchmark::State &state)
{
    qmtest::TempProject project;
    importSheet(project.g, newEventsSheet(Count));
    QString csv = QString::fromUtf8(qm::eventsCsv(project.g.ProjectDb));
    csv.replace(QStringLiteral("\"Event "), QStringLiteral("\"Renamed "));
    const qmtest::FakeMeasurer measurer;
    for (auto _ : state) {
        qm::EventImport import(project.g, measurer, qm::CsvDocument::parseText(csv));
        import.apply();
        state.PauseTiming();
        import.revert();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_ImportUpdates)->Unit(benchmark::kMillisecond)->Iterations(3);

// New events placed on a timeline as insertions place them (goal: 10,000 in under 1 s), onto an empty
// timeline or one that already holds a box later than all of them, which every new box moves on.
void BM_ImportOntoTimeline(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const bool laterBox = state.range(1) != 0;
    const QString csv = newEventsSheet(count, QStringLiteral("Main"));
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<qmtest::TempProject>();
        if (laterBox)
            importSheet(project->g, QStringLiteral("Date,Name,Timelines\r\n1/1/1900,The end,Main\r\n"));
        state.ResumeTiming();
        importSheet(project->g, csv);
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_ImportOntoTimeline)
    ->ArgNames({"events", "laterBox"})
    ->Args({1000, 0})
    ->Args({Count, 0})
    ->Args({Count, 1})
    ->Args({2 * Count, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

QM_BENCHMARK_MAIN(QCoreApplication)
