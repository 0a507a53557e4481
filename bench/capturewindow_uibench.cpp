// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window over a 10 MB history text of some 70,000 dates: opening the file, and the scan with
// its marks until the window shows the first date and answers again.
#include "kit/benchmain.h"
#include "kit/project.h"

#include "capture/frmtext.h"
#include "capture/panemarks.h"
#include "common/userdialogs.h"
#include "common/windowsession.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextEdit>

namespace {

// About 10 MB, one date in every 150 characters, in paragraphs of a few sentences.
QString historyText()
{
    QString text;
    text.reserve(10'500'000);
    for (int i = 0; text.size() < 10'000'000; ++i) {
        text += QStringLiteral("The council of Rome met on March %1, %2 and talked of the grain, the roads and the "
                               "many ships that sailed from the harbour. ")
                    .arg(1 + i % 28)
                    .arg(1000 + i % 900);
        if (i % 4 == 3)
            text += u'\n';
    }
    return text;
}

void BM_CaptureTenMegabytes(benchmark::State &state)
{
    qmtest::TempProject project;
    const QString path = project.path(QStringLiteral("history.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(historyText().toUtf8()) < 0)
        state.SkipWithError("the text cannot be written");
    file.close();
    qm::PlatformDialogs dialogs;
    qm::WindowSession windows;
    double opened = 0;
    qsizetype found = 0;
    for (auto _ : state) {
        qm::frmText w(project.g, windows, dialogs);
        w.setProgressDelay(100);
        w.show();
        QApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        w.loadFile(path);
        QApplication::processEvents();
        opened = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        timer.restart();
        w.btnScan->trigger();
        // Until the marks are on the screen and the window takes events again.
        QApplication::processEvents();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        found = w.session().count();
        benchmark::DoNotOptimize(w.marks()->drawnCount());
        w.rtb->document()->setModified(false);
    }
    state.counters["dates"] = static_cast<double>(found);
    state.counters["open_s"] = opened;
}
BENCHMARK(BM_CaptureTenMegabytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

QM_BENCHMARK_MAIN(QApplication)
