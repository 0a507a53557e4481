// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/welcomepage.h"
#include "store/projectcopy.h"
#include "store/projectfiles.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStackedWidget>

namespace {

using qmtest::settle;

struct Startup : public qmtest::MainWindow
{
    Startup() { w->sampleFolder = path("Documents"); }

    bool welcomeShown() const { return w->mCentral->currentWidget() == w->mWelcome; }
    // A second start of the program, with no project on the command line.
    std::unique_ptr<qm::frmMain> restart(qm::Globals &g2, qmtest::ScriptedDialogs &dialogs2)
    {
        qm::LoadPaths(g2.RecentPaths);
        g2.appFolder = g.appFolder;
        auto w2 = std::make_unique<qm::frmMain>(g2, dialogs2);
        w2->Form_Load();
        settle();
        return w2;
    }
};

} // namespace

TEST_F(Startup, TheSampleIsCopiedOnceAndOpensWritableAndTheLastProjectComesBack)
{
    const QString sample = qm::installedSample(g.appFolder);
    ASSERT_FALSE(sample.isEmpty());
    const QByteArray before = qmtest::fileBytes(sample);
    w->Form_Load();
    ASSERT_TRUE(welcomeShown());
    EXPECT_TRUE(dialogs.saveDialogs.empty()) << "no bare save dialog at first start";

    QTest::mouseClick(w->mWelcome->cmdSample, Qt::LeftButton);
    settle();
    const QString copy = path("Documents/Rome.qmp");
    ASSERT_EQ(g.ProjectPath, copy);
    EXPECT_FALSE(g.ProjectDb.isReadOnly());
    EXPECT_TRUE(w->mnuEventNew->isEnabled());
    EXPECT_EQ(w->cmbTimeLine0->currentText(), "The Roman Republic");
    w->cmbTimeLine0_Click(w->cmbTimeLine0->findText("The Roman Empire"));
    settle();
    {
        // Even without a tidy exit (a crash, a logout) the project comes back at the next start, on
        // the timeline last shown.
        qm::Globals crashed;
        qmtest::ScriptedDialogs crashedDialogs;
        auto again = restart(crashed, crashedDialogs);
        EXPECT_EQ(crashed.ProjectPath, copy);
        EXPECT_EQ(again->cmbTimeLine0->currentText(), "The Roman Empire");
    }

    // Closed with the project open: the next start shows it again, on the timeline left.
    qm::Globals g2;
    qmtest::ScriptedDialogs dialogs2;
    w->close();
    auto w2 = restart(g2, dialogs2);
    EXPECT_EQ(g2.ProjectPath, copy);
    EXPECT_EQ(w2->cmbTimeLine0->currentText(), "The Roman Empire");

    // The sample again: the same copy, not a second one; the installed file never changed.
    w2->sampleFolder = w->sampleFolder;
    w2->mnuFileClose_Click();
    EXPECT_EQ(w2->mCentral->currentWidget(), w2->mWelcome);
    EXPECT_TRUE(w2->mWelcome->lstRecent->item(0)->text().endsWith("\nThe Roman Empire, The Roman Republic"));
    EXPECT_EQ(w2->mWelcome->lstRecent->item(0)->toolTip(), QDir::toNativeSeparators(copy));
    w2->openSample();
    EXPECT_EQ(g2.ProjectPath, copy);
    EXPECT_FALSE(QFileInfo::exists(path("Documents/Rome 2.qmp")));
    EXPECT_EQ(qmtest::fileBytes(sample), before);
    EXPECT_TRUE(dialogs2.messages.isEmpty()) << dialogs2.messages.join(u'|').toStdString();

    // Closed first: the next start is the welcome page.
    w2->mnuFileClose_Click();
    w2->close();
    qm::Globals g3;
    qmtest::ScriptedDialogs dialogs3;
    auto w3 = restart(g3, dialogs3);
    EXPECT_FALSE(g3.ProjectDb.isOpen());
    EXPECT_EQ(w3->mCentral->currentWidget(), w3->mWelcome);
}

TEST_F(Startup, AMissingOrRefusedLastProjectFallsBackToTheWelcome)
{
    startWithNewProject();
    const QString rome = g.ProjectPath;
    w->close();
    ASSERT_TRUE(QFile::remove(rome));
    qm::Globals g2;
    qmtest::ScriptedDialogs dialogs2;
    auto w2 = restart(g2, dialogs2);
    EXPECT_FALSE(g2.ProjectDb.isOpen());
    EXPECT_EQ(w2->mCentral->currentWidget(), w2->mWelcome);
    EXPECT_TRUE(dialogs2.messages.value(0).startsWith("The project you worked on last cannot be found"));
    EXPECT_TRUE(w2->mWelcome->lstRecent->item(0)->text().endsWith("\nNot found"));

    ASSERT_TRUE(qmtest::writeFile(rome, "not a project"));
    w2->close();
    qm::StartSettings s;
    s.reopenLast = true;
    qm::SaveStartSettings(s);
    qm::Globals g3;
    qmtest::ScriptedDialogs dialogs3;
    auto w3 = restart(g3, dialogs3);
    EXPECT_EQ(dialogs3.messages, QStringList{"This is not a proper Quillmarsh file"});
    EXPECT_EQ(w3->mCentral->currentWidget(), w3->mWelcome);
}

TEST_F(Startup, AReadOnlyProjectIsShownAndCopiedNeverWritten)
{
    // The sample as installed, opened directly.
    const QString sample = qm::installedSample(g.appFolder);
    const QByteArray before = qmtest::fileBytes(sample);
    w->Form_Load();
    dialogs.fileNames = {sample};
    w->mnuFileOpen_Click();
    settle();
    ASSERT_TRUE(g.ProjectDb.isReadOnly());
    EXPECT_TRUE(w->barReadOnly->isVisibleTo(w.get()));
    EXPECT_EQ(w->menuState().timelineState(), qm::MenuState::TimelineShown);
    EXPECT_FALSE(w->mnuEventNew->isEnabled());
    EXPECT_TRUE(w->mnuFileSaveAs->isEnabled());
    EXPECT_TRUE(w->SaveAs(path("rome.png")));
    w->mnuFileClose_Click();
    EXPECT_EQ(qmtest::fileBytes(sample), before);

    // A file marked read-only: Save a copy makes a writable copy, with its pictures, and opens it.
    const QString marked = path("Marked.qmp");
    qm::createProjectFromTemplate(marked, g.appFolder);
    ASSERT_TRUE(qmtest::writeFile(path("Marked/Images/x.png"), "picture"));
    ASSERT_TRUE(QFile::setPermissions(marked, QFile::ReadOwner | QFile::ReadGroup));
    dialogs.fileNames = {marked, path("Mine")};
    w->mnuFileOpen_Click();
    ASSERT_TRUE(g.ProjectDb.isReadOnly());
    QTest::mouseClick(w->findChild<QPushButton *>("cmdSaveCopy"), Qt::LeftButton);
    EXPECT_EQ(g.ProjectPath, path("Mine.qmp"));
    EXPECT_FALSE(g.ProjectDb.isReadOnly());
    EXPECT_FALSE(w->barReadOnly->isVisibleTo(w.get()));
    EXPECT_TRUE(QFileInfo(path("Mine/Images/x.png")).isFile());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();
}
