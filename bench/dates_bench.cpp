// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast typed dates are read, and how fast a batch of dated events goes into a project.
#include "kit/benchmain.h"
#include "kit/project.h"

#include "dates/extdate.h"
#include "store/datequeries.h"
#include "store/sqlquery.h"

namespace {

// Whole dates in the forms people type: no year completion, so no query is involved.
const QStringList &wholeDates()
{
    static const QStringList texts = {
        QStringLiteral("7/4/1776"),         QStringLiteral("July 4, 1776"),
        QStringLiteral("15 March 44 BC"),   QStringLiteral("3/15/44 BC"),
        QStringLiteral("1/1/50 AD"),        QStringLiteral("3/15/44 10:05:00 PM BC"),
        QStringLiteral("12/31/1999"),       QStringLiteral("2/29/2000"),
        QStringLiteral("October 14, 1066"), QStringLiteral("6/18/1815 4:30:00 PM"),
    };
    return texts;
}

void BM_AssignWholeDates(benchmark::State &state)
{
    const QStringList &texts = wholeDates();
    qm::DateEnv env;
    env.clock = [] { return QDate(2026, 6, 15); };
    qsizetype i = 0;
    for (auto _ : state) {
        qm::ExtDate d;
        d.Assign(texts[i], env);
        benchmark::DoNotOptimize(d.Value);
        i = (i + 1) % texts.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AssignWholeDates);

// 10,000 typed dates read, moved to a free day and stored, as accepting a captured text does.
void BM_Insert10000EventsInOneTransaction(benchmark::State &state)
{
    constexpr int Count = 10000;
    for (auto _ : state) {
        state.PauseTiming();
        auto project = std::make_unique<qmtest::TempProject>();
        qm::ProjectDatabase &db = project->g.ProjectDb;
        const qm::DateEnv env = project->g.dateEnv();
        state.ResumeTiming();

        qm::TransactionGuard guard(db);
        for (int i = 0; i < Count; ++i) {
            qm::ExtDate d;
            d.Assign(QStringLiteral("%1/%2/%3").arg(i % 12 + 1).arg(i % 28 + 1).arg(1000 + i / 12), env);
            qm::FirstFreeDate(db, d);
            qm::execSql(db,
                        QStringLiteral("INSERT INTO Event (EventDate, EventEra, EventDateStr, Name, Description) "
                                       "VALUES (?, ?, ?, ?, '')"),
                        {d.Value, d.Era, d.Render(), QStringLiteral("Event %1").arg(i)});
        }
        guard.commit();

        state.PauseTiming();
        project.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_Insert10000EventsInOneTransaction)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QCoreApplication)
