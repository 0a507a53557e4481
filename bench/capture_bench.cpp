// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Date recognition over a long history text: the regular-expression pass alone, then the whole scan
// with every phrase read as a date, without and with a project to complete years from.
#include "capture/datepattern.h"
#include "capture/datescanner.h"
#include "capture/textfile.h"
#include "dates/platformdate.h"
#include "store/globals.h"
#include "store/sqlquery.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype TextSize = 5 * 1024 * 1024;

// The public-domain history text of the tests, repeated to 5 MiB of characters.
const QString &historyText()
{
    static const QString text = [] {
        QFile file(QStringLiteral(QM_TEST_DATA_DIR "/jargon-4.4.7-excerpt.txt"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("cannot read the history text");
        const QString unit = qm::toPaneLineBreaks(qm::decodeTextFile(file.readAll()));
        QString s;
        while (s.size() < TextSize)
            s += unit;
        return s.left(TextSize);
    }();
    return text;
}

void setProcessed(benchmark::State &state, const QString &text)
{
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(char16_t)));
}

void BM_DatePatternPass(benchmark::State &state)
{
    const QString &text = historyText();
    const qm::DatePattern &pattern = qm::DatePattern::shared();
    qsizetype matches = 0;
    for (auto _ : state) {
        matches = 0;
        pattern.forEachMatch(text, [&](qsizetype, qsizetype) { ++matches; });
        benchmark::DoNotOptimize(matches);
    }
    state.counters["matches"] = static_cast<double>(matches);
    setProcessed(state, text);
}
BENCHMARK(BM_DatePatternPass)->Unit(benchmark::kMillisecond);

void BM_ScanDates(benchmark::State &state)
{
    const QString &text = historyText();
    const qm::DateEnv env{[] { return QDate(2026, 6, 15); }, nullptr};
    qsizetype found = 0;
    for (auto _ : state) {
        found = qm::ScanDates(text, env).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    setProcessed(state, text);
}
BENCHMARK(BM_ScanDates)->Unit(benchmark::kMillisecond);

void BM_ScanDatesWithProject(benchmark::State &state)
{
    const QString &text = historyText();
    QTemporaryDir dir;
    qm::Globals g;
    g.clock = [] { return QDate(2026, 6, 15); };
    g.ProjectDb.create(dir.filePath(QStringLiteral("Bench.qmp")));
    for (int year = 1900; year < 2000; ++year) {
        qm::execSql(g.ProjectDb, QStringLiteral("INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, ?)"),
                    {*qm::platformdate::makeValue(year, 3, 1), qm::EraPlain, QStringLiteral("e")});
    }
    const qm::DateEnv env = g.dateEnv();
    qsizetype found = 0;
    for (auto _ : state) {
        found = qm::ScanDates(text, env).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    setProcessed(state, text);
}
BENCHMARK(BM_ScanDatesWithProject)->Unit(benchmark::kMillisecond);

// For comparison: what the scan would cost if every plain number were handed to Assign too, which
// then asks the project for the latest event of that year.
void BM_AssignEveryMatchWithProject(benchmark::State &state)
{
    const QString &text = historyText();
    QTemporaryDir dir;
    qm::Globals g;
    g.clock = [] { return QDate(2026, 6, 15); };
    g.ProjectDb.create(dir.filePath(QStringLiteral("Bench.qmp")));
    const qm::DateEnv env = g.dateEnv();
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        qm::ExtDate date;
        qm::DatePattern::shared().forEachMatch(text, [&](qsizetype first, qsizetype length) {
            date.Assign(text.mid(first, length), env);
            found += date.isValid() ? 1 : 0;
        });
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = static_cast<double>(found);
    setProcessed(state, text);
}
BENCHMARK(BM_AssignEveryMatchWithProject)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
