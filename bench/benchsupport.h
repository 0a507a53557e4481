// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/globals.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace qmbench {

// A fresh, empty project in a temporary folder, opened in its own Globals.
struct BenchProject
{
    BenchProject()
    {
        g.clock = [] { return QDate(2026, 6, 15); };
        g.ProjectDb.create(dir.filePath(QStringLiteral("Bench.qmp")));
    }

    QTemporaryDir dir;
    qm::Globals g;
};

} // namespace qmbench

// Qt SQL finds its drivers through the application object, so the benchmarks get one.
#define QM_BENCHMARK_MAIN()                                                                                            \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        QCoreApplication app(argc, argv);                                                                              \
        benchmark::Initialize(&argc, argv);                                                                            \
        if (benchmark::ReportUnrecognizedArguments(argc, argv))                                                        \
            return 1;                                                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                           \
        benchmark::Shutdown();                                                                                         \
        return 0;                                                                                                      \
    }
