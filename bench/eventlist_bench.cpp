// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The event list of a large project: reading it, and Select Events with filters and dates.
#include "kit/benchmain.h"
#include "kit/project.h"

#include "eventlistfill.h"
#include "store/eventlist.h"

namespace {

void BM_LoadEventList(benchmark::State &state)
{
    qmtest::TempProject project;
    qmbench::fillEventList(project.g, static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::loadEventList(project.g.ProjectDb, 1));
}
BENCHMARK(BM_LoadEventList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_SelectEvents(benchmark::State &state)
{
    qmtest::TempProject project;
    qmbench::fillEventList(project.g, static_cast<int>(state.range(0)));
    const std::vector<qm::EventListRow> rows = qm::loadEventList(project.g.ProjectDb, 1);
    qm::EventFilter filter;
    // Two element filters of several names each and a range over the middle half of the events.
    filter.names[0] = QStringList{QStringLiteral("Actor 3"), QStringLiteral("actor 17"), QStringLiteral("Actor 250")};
    filter.names[1] = QStringList{QStringLiteral("Place 1"), QStringLiteral("Place 2"), QStringLiteral("place 99")};
    filter.from = rows[rows.size() / 4].date;
    filter.to = rows[rows.size() * 3 / 4].date;
    for (auto _ : state)
        benchmark::DoNotOptimize(qm::selectEvents(project.g.ProjectDb, rows, filter));
}
BENCHMARK(BM_SelectEvents)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

QM_BENCHMARK_MAIN(QCoreApplication)
