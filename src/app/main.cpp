// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/frmmain.h"
#include "store/globals.h"

#include <QApplication>

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

    qm::Globals globals;
    qm::frmMain window(globals);
    window.show();
    return QApplication::exec();
}
