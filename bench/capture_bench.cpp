// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Date recognition over a long history text: the regular-expression pass alone, then the whole scan
// with every phrase read as a date, without and with a project to complete years from.
#include "capture/datecontext.h"
#include "capture/datepattern.h"
#include "capture/datescanner.h"
#include "capture/textfile.h"
#include "dates/platformdate.h"
#include "kit/benchmain.h"
#include "kit/project.h"
#include "store/sqlquery.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

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
    const qm::DateEnv env{[] { return qmtest::testToday(); }, nullptr};
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
    qmtest::TempProject project;
    qm::Globals &g = project.g;
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
    qmtest::TempProject project;
    const qm::DateEnv env = project.g.dateEnv();
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

// The whole scan against the one pattern alone (PCRE2 with its JIT, as Qt runs it), timed in the same
// run on the same 5 MiB; "ratio" is scan time over pattern time.
void BM_ScanAgainstPattern(benchmark::State &state)
{
    const QString &text = historyText();
    const qm::DateEnv env{[] { return qmtest::testToday(); }, nullptr};
    const qm::DatePattern &pattern = qm::DatePattern::shared();
    std::chrono::duration<double> patternTime{};
    std::chrono::duration<double> scanTime{};
    qsizetype found = 0;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        qsizetype matches = 0;
        pattern.forEachMatch(text, [&](qsizetype, qsizetype) { ++matches; });
        benchmark::DoNotOptimize(matches);
        auto t1 = std::chrono::steady_clock::now();
        found = qm::ScanDates(text, env).size();
        benchmark::DoNotOptimize(found);
        auto t2 = std::chrono::steady_clock::now();
        patternTime += t1 - t0;
        scanTime += t2 - t1;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["pattern_ms"] = patternTime.count() * 1000 / n;
    state.counters["scan_ms"] = scanTime.count() * 1000 / n;
    state.counters["ratio"] = scanTime.count() / patternTime.count();
    state.counters["found"] = static_cast<double>(found);
}
BENCHMARK(BM_ScanAgainstPattern)->Unit(benchmark::kMillisecond);

// The whole command-line scan of the 5 MiB text against the one pattern run by grep -oiP, each writing
// its output to a file, timed in the same run; "ratio" is scan time over grep time.
void BM_QmtoolScanAgainstGrep(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString textPath = dir.filePath(QStringLiteral("history.txt"));
    {
        QFile out(textPath);
        if (!out.open(QIODevice::WriteOnly) || out.write(historyText().toUtf8()) < 0)
            qFatal("cannot write the history text");
    }
    const auto run = [&](const QString &program, const QStringList &args, const QString &outPath) {
        QProcess p;
        p.setStandardOutputFile(outPath);
        const auto t0 = std::chrono::steady_clock::now();
        p.start(program, args);
        if (!p.waitForFinished(600000) || p.exitStatus() != QProcess::NormalExit)
            qFatal("%s did not finish", qPrintable(program));
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0);
    };
    std::chrono::duration<double> grepTime{};
    std::chrono::duration<double> scanTime{};
    for (auto _ : state) {
        grepTime += run(QStringLiteral("grep"), {QStringLiteral("-oiP"), qm::DatePattern::patternText(), textPath},
                        dir.filePath(QStringLiteral("grep.out")));
        scanTime += run(QStringLiteral(QM_QMTOOL), {QStringLiteral("scan"), textPath},
                        dir.filePath(QStringLiteral("scan.out")));
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["grep_ms"] = grepTime.count() * 1000 / n;
    state.counters["scan_ms"] = scanTime.count() * 1000 / n;
    state.counters["ratio"] = scanTime.count() / grepTime.count();
}
BENCHMARK(BM_QmtoolScanAgainstGrep)->Unit(benchmark::kMillisecond)->Iterations(3);

// A megabyte on one line holding 100,000 dates: the scan and the descriptions of every date, as qmtool
// scan makes them.
void BM_HugeLineScanAndDescribe(benchmark::State &state)
{
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("On %1 May 1%2 x; ").arg(i % 28 + 1).arg(i % 900 + 100);
    const qm::DateEnv env{[] { return qmtest::testToday(); }, nullptr};
    qsizetype described = 0;
    for (auto _ : state) {
        described = 0;
        for (const qm::FoundDate &d : qm::ScanDates(text, env))
            described += qm::FindDateContext(text, d.FirstIndex, d.Length).txtLong.size();
        benchmark::DoNotOptimize(described);
    }
    state.counters["chars_described"] = static_cast<double>(described);
    setProcessed(state, text);
}
BENCHMARK(BM_HugeLineScanAndDescribe)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

QM_BENCHMARK_MAIN(QCoreApplication)
