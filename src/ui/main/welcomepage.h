// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/recentpaths.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace qm {

// What the main window shows while no project is open: the ways to a first timeline and the
// projects used last.
class WelcomePage : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomePage(QWidget *parent = nullptr);

    // Lists the recent projects with the names of their timelines.
    void setRecent(const RecentList &paths);

    QPushButton *cmdSample = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdGettingStarted = nullptr;
    QListWidget *lstRecent = nullptr;
    QLabel *lblRecent = nullptr;

signals:
    void sampleWanted();
    void newWanted();
    void openWanted();
    void gettingStartedWanted();
    // Entry `index` (1 to 5) of the recent list.
    void recentWanted(int index);

private:
    void recentActivated(QListWidgetItem *item);
};

} // namespace qm
