// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Windows over large projects: the event list of 10,000 events, the picture chooser over a library
// of 500 pictures until its first thumbnails are shown.
#include "kit/benchmain.h"
#include "kit/project.h"

#include "common/userdialogs.h"
#include "dialogs/eventlistmodel.h"
#include "dialogs/frmlistevents.h"
#include "eventlistfill.h"
#include "pictures/frmselectimage.h"
#include "pictures/picturegrid.h"
#include "store/projectfiles.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>

namespace {

void BM_OpenEventList(benchmark::State &state)
{
    qmtest::TempProject project;
    qmbench::fillEventList(project.g, static_cast<int>(state.range(0)));
    project.g.CurTimeLineId = 1;
    qm::PlatformDialogs dialogs;
    for (auto _ : state) {
        qm::frmListEvents list(project.g, dialogs);
        list.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(list.model().rowCount());
    }
}
BENCHMARK(BM_OpenEventList)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenPictureChooser(benchmark::State &state)
{
    qmtest::TempProject project;
    qm::Globals &g = project.g;
    g.ProjectFolder = qm::projectFolderOf(g.ProjectDb.path());
    qm::makeProjectFolders(g.ProjectFolder);
    // Photographs of an ordinary camera's size, as teachers import them.
    QImage photo(1600, 1200, QImage::Format_RGB32);
    for (int i = 0; i < static_cast<int>(state.range(0)); ++i) {
        photo.fill(QColor::fromHsv(i % 360, 180, 200));
        photo.save(g.ProjectFolder + QStringLiteral("Images/photo%1.jpg").arg(i, 3, 10, QChar(u'0')), nullptr, 85);
    }
    qm::PlatformDialogs dialogs;
    for (auto _ : state) {
        QElapsedTimer shown;
        shown.start();
        auto *chooser = new qm::frmSelectImage(g, dialogs);
        chooser->optSource_Click(QStringLiteral("C"));
        chooser->show();
        // Until the first thumbnail is on the screen.
        while (chooser->lstFiles->library().thumbnailsLoaded() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        QApplication::processEvents();
        state.SetIterationTime(shown.nsecsElapsed() / 1e9);
        delete chooser;
    }
}
BENCHMARK(BM_OpenPictureChooser)->Arg(500)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

QM_BENCHMARK_MAIN(QApplication)
