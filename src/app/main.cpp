// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/userdialogs.h"
#include "frmsplash.h"
#include "main/frmmain.h"
#include "render/fontsubstitutes.h"
#include "store/globals.h"
#include "store/recentpaths.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QIcon>
#include <QThread>

#include <cstdio>

namespace {

// Without a display Qt would abort deep inside its platform plugin; say so plainly instead.
bool haveDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!haveDisplay()) {
        std::fputs("quillmarsh: no display is available (DISPLAY is not set). Start it from a desktop session, "
                   "or under xvfb-run.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmarsh"));
    QApplication::setOrganizationName(QStringLiteral("Quillmarsh"));
    QApplication::setApplicationVersion(QStringLiteral(QM_VERSION));
    // The desktop entry's name lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillmarsh.Quillmarsh"));
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quillmarsh-%1.png").arg(size), QSize(size, size));
    QApplication::setWindowIcon(icon);
    qm::installFontSubstitutes();

    qm::Globals globals;
    // The whole command line names the project to open, blanks and all.
    const QString path = QApplication::arguments().mid(1).join(u' ');
    globals.ProjectPath = QFileInfo(path).isFile() ? QFileInfo(path).absoluteFilePath() : QString();
    qm::LoadPaths(globals.RecentPaths);

    std::unique_ptr<qm::frmSplash> splash;
    if (qm::frmSplash::wanted()) {
        splash = std::make_unique<qm::frmSplash>();
        splash->show();
        QElapsedTimer shown;
        shown.start();
        while (shown.elapsed() < qm::frmSplash::ShowMilliseconds) {
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(20);
        }
    }

    qm::PlatformDialogs dialogs;
    qm::frmMain window(globals, dialogs);
    window.show();
    if (splash)
        splash->finish(&window);
    window.Form_Load();
    return QApplication::exec();
}
