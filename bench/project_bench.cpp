// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a large project, and saving one event with many elements into it.
#include "kit/benchmain.h"
#include "kit/project.h"

#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/projectlifecycle.h"
#include "store/sqlquery.h"

namespace {

// 10,000 events, 2,000 elements (500 of each type) and 20 timelines, written straight to the tables.
void fillLargeProject(qm::Globals &g)
{
    auto &db = g.ProjectDb;
    qm::TransactionGuard guard(db);
    qm::SqlQuery event(db, QStringLiteral("INSERT INTO Event (EventDate, EventEra, EventDateStr, Name) "
                                          "VALUES (?, 0, ?, ?)"));
    for (int i = 0; i < 10000; ++i) {
        event.bind(static_cast<double>(i - 60000)).bind(QStringLiteral("day %1").arg(i));
        event.bind(QStringLiteral("Event %1").arg(i)).exec();
    }
    qm::SqlQuery element(db, QStringLiteral("INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)"));
    for (const QString &type : {QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("S"), QStringLiteral("K")}) {
        for (int i = 0; i < 500; ++i)
            element.bind(type).bind(QStringLiteral("%1 name %2").arg(type).arg(i)).exec();
    }
    for (int t = 0; t < 20; ++t) {
        qm::clTimeLine timeline(db);
        timeline.Name = QStringLiteral("Timeline %1").arg(t, 2, 10, QChar(u'0'));
        timeline.Save();
    }
    guard.commit();
}

void BM_OpenLargeProjectAndListTimelines(benchmark::State &state)
{
    qmtest::TempProject project;
    fillLargeProject(project.g);
    const QString path = project.g.ProjectDb.path();
    project.g.ProjectDb.close();
    qm::Globals g;
    g.appFolder = project.dir.path();
    for (auto _ : state) {
        qm::setProjectPath(g, path);
        qm::openProjectStore(g, false);
        benchmark::DoNotOptimize(qm::timelinesByName(g.ProjectDb));
        state.PauseTiming();
        qm::closeProjectStore(g);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenLargeProjectAndListTimelines)->Unit(benchmark::kMillisecond);

void BM_SaveEventWithFortyElements(benchmark::State &state)
{
    qmtest::TempProject project;
    fillLargeProject(project.g);
    auto lists = [](const QString &type, int offset) {
        QStringList names;
        for (int i = 0; i < 10; ++i) // half known, half new
            names << QStringLiteral("%1 name %2").arg(type).arg(i % 2 ? offset + i : 10000 + offset + i);
        return names.join(QStringLiteral(", "));
    };
    int round = 0;
    for (auto _ : state) {
        qm::clEvent e(project.g);
        e.EventDate = std::make_shared<qm::ExtDate>(static_cast<double>(round * 3 + 20000), qm::EraPlain);
        e.EventDateStr = e.EventDate->Render();
        e.Name = QStringLiteral("New event");
        e.Actors = lists(QStringLiteral("A"), round * 20);
        e.Places = lists(QStringLiteral("P"), round * 20);
        e.Sources = lists(QStringLiteral("S"), round * 20);
        e.Keywords = lists(QStringLiteral("K"), round * 20);
        benchmark::DoNotOptimize(e.Save());
        ++round;
    }
}
BENCHMARK(BM_SaveEventWithFortyElements)->Unit(benchmark::kMillisecond);

} // namespace

QM_BENCHMARK_MAIN(QCoreApplication)
