// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast event records with their element lists are saved and loaded in bulk.
#include "kit/benchmain.h"
#include "kit/project.h"

#include "store/clevent.h"
#include "store/sqlquery.h"

namespace {

constexpr int Count = 10000;

// Saves Count events, each with a few actors, places and keywords drawn from small pools, so that
// most names are found and some are created.
void saveEvents(qm::Globals &g)
{
    qm::TransactionGuard guard(g.ProjectDb);
    for (int i = 0; i < Count; ++i) {
        qm::clEvent e(g);
        e.EventDate = std::make_shared<qm::ExtDate>(static_cast<double>(i - 50000), qm::EraPlain);
        e.EventDateStr = e.EventDate->Render();
        e.Name = QStringLiteral("Event %1").arg(i);
        e.Description = QStringLiteral("What happened on day %1").arg(i);
        e.Actors = QStringLiteral("Actor %1, Actor %2").arg(i % 300).arg((i * 7) % 300);
        e.Places = QStringLiteral("Place %1").arg(i % 100);
        e.Keywords = QStringLiteral("kw%1, kw%2, kw%3").arg(i % 20).arg(i % 30).arg(i % 50);
        e.Save();
    }
    guard.commit();
}

void BM_Save10000EventsWithElements(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<qmtest::TempProject>();
        state.ResumeTiming();
        saveEvents(project->g);
        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_Save10000EventsWithElements)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Load10000EventsWithElements(benchmark::State &state)
{
    qmtest::TempProject project;
    saveEvents(project.g);
    const QList<qint32> ids = qm::eventIdsByDate(project.g.ProjectDb);
    for (auto _ : state) {
        qm::TransactionGuard guard(project.g.ProjectDb);
        qm::clEvent e(project.g);
        for (const qint32 id : ids) {
            e.Id = id;
            benchmark::DoNotOptimize(e.Load());
        }
        guard.commit();
    }
    state.SetItemsProcessed(state.iterations() * ids.size());
}
BENCHMARK(BM_Load10000EventsWithElements)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QCoreApplication)
