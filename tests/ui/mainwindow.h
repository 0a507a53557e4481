// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main/frmmain.h"
#include "store/preferences.h"
#include "store/projectcopy.h"
#include "store/recentpaths.h"
#include "testsupport.h"
#include "ui/scripteddialogs.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qmtest {

// Lets the deferred timeline switch happen.
inline void settle()
{
    QTest::qWait(40);
}

// Runs `act` on the next modal dialog as soon as it is shown.
inline void onNextModal(std::function<void(QWidget *)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

// A main window over its own Globals, with a clean recent list and scripted answers.
struct MainWindow : public ::testing::Test
{
    QTemporaryDir dir;
    qm::Globals g;
    ScriptedDialogs dialogs;
    std::unique_ptr<qm::frmMain> w;

    MainWindow()
    {
        qm::SavePaths({});
        qm::SaveStartSettings({});
        // The window follows the user's date order; these tests write month first.
        qm::SaveDateOrder(qm::DateOrder::MonthFirst);
        g.appFolder = QStringLiteral(QM_APP_DIR);
        g.clock = testToday;
        w = std::make_unique<qm::frmMain>(g, dialogs);
    }
    ~MainWindow() override
    {
        w->close();
        qm::SavePaths({});
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    // The first start, and New project on the welcome page answered with Rome.qmp: its first
    // timeline is shown.
    void startWithNewProject()
    {
        w->sampleFolder = dir.path();
        w->Form_Load();
        dialogs.fileNames.push_back(path(QStringLiteral("Rome.qmp")));
        w->mnuFileNew_Click();
        settle();
    }
};

} // namespace qmtest
