// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QMenu;

namespace qm {

class Globals;

// The main window: menus, tool bars and the timeline canvas of the open project.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(Globals &globals, QWidget *parent = nullptr);

    QMenu *mnuFile = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuFileExit = nullptr;
    QAction *mnuHelpAbout = nullptr;

public slots:
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();

private:
    Globals &g;
};

} // namespace qm
