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
#include <cstring>

namespace {

// Without a display Qt would abort deep inside its platform plugin; say so plainly instead.
bool haveDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || qEnvironmentVariableIsSet("DISPLAY") ||
           qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

// Also the source of the manual page, made from it at build time.
const char *const Usage = R"(Usage: quillmarsh [PROJECT]
Edits illustrated timelines of historical events.

Quillmarsh keeps the events of a project (one .qmp file and a folder of pictures
beside it) and lays named timelines out of them: boxes with a picture, a name and
a date, placed in date order or to scale. Timelines are printed and exported as
pictures, PDF, SVG and web pages; events are captured from texts in which the
dates are found, and exchanged with spreadsheets.

With PROJECT (the rest of the command line, blanks and all), that project opens.
Without it, the project left open at the last exit opens again; when there is
none, a welcome page offers the sample timeline, a new project, an open one and
the recent projects. A project that may not be changed (the installed sample, a
read-only file or disk) opens read-only, with a button that saves a copy.

Options:
  -h, --help     Shows this text.
  -v, --version  Shows the version.

The user guide is in the Help menu; qmtool(1) does the same work from a terminal.
)";

} // namespace

int main(int argc, char *argv[])
{
    // Answered without a display, so that a terminal and the manual page maker can ask.
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (argc == 2 && (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0)) {
        std::fputs("quillmarsh " QM_VERSION "\n", stdout);
        return 0;
    }
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
