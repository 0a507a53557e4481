// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain.h"

#include "frmabout.h"

#include <QMenuBar>

namespace qm {

frmMain::frmMain(Globals &globals, QWidget *parent) : QMainWindow(parent), g(globals)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmarsh"));
    resize(1200, 800);

    mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit = mnuFile->addAction(tr("E&xit"), this, &frmMain::mnuFileExit_Click);
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));

    mnuHelp = menuBar()->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpAbout = mnuHelp->addAction(tr("&About Quillmarsh"), this, &frmMain::mnuHelpAbout_Click);
    mnuHelpAbout->setObjectName(QStringLiteral("mnuHelpAbout"));
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

} // namespace qm
