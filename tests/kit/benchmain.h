// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

#include <benchmark/benchmark.h>

namespace qmtest {

// Runs the benchmarks asked for on the command line inside an application object: Qt SQL finds its
// drivers through one, and fonts, painting and windows need a QGuiApplication or QApplication, which
// run here on the windowless platform unless another is set.
template <class App> int runBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    App app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace qmtest

#define QM_BENCHMARK_MAIN(App)                                                                                         \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        return qmtest::runBenchmarks<App>(argc, argv);                                                                 \
    }
