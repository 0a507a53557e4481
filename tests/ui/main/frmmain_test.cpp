// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmtimeline.h"
#include "edit/scalecommands.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/projectfiles.h"
#include "store/sqlquery.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>

namespace {

using qmtest::onNextModal;
using qmtest::settle;

struct MainFixture : public qmtest::MainWindow
{
    QString makeProject(const QString &name)
    {
        const QString p = path(name);
        qm::createProjectFromTemplate(p, g.appFolder);
        return p;
    }
    QStringList timelineNames() const
    {
        QStringList names;
        for (int i = 0; i < w->cmbTimeLine0->count(); ++i)
            names << w->cmbTimeLine0->itemText(i);
        return names;
    }
};

void fillTimelineDialog(const QString &name, bool ok)
{
    onNextModal([name, ok](QWidget *modal) {
        auto *d = qobject_cast<qm::frmTimeLine *>(modal);
        ASSERT_NE(d, nullptr);
        d->txtName->setText(name);
        QTest::mouseClick(ok ? d->cmdOK : d->cmdCancel, Qt::LeftButton);
    });
}

} // namespace

TEST_F(MainFixture, FirstStartOffersANewProjectAndShowsItsFirstTimeline)
{
    EXPECT_FALSE(w->mnuTimelineS->isEnabled());
    startWithNewProject();
    const QString p = path("Rome.qmp");
    ASSERT_TRUE(g.ProjectDb.isOpen());
    EXPECT_EQ(timelineNames(), QStringList{"Timeline0"});
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Quillmarsh ") + QDir::toNativeSeparators(p));
    EXPECT_EQ(g.RecentPaths[0], p);
    EXPECT_TRUE(w->mnuPath[0]->isVisible());
    EXPECT_EQ(w->menuState().timelineState(), qm::MenuState::TimelineShown);
    EXPECT_TRUE(w->mnuHelpTopics->isEnabled());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'|').toStdString();

    // Drawn to scale the dates place the boxes: compressing is off there, and back on after an undo
    // (the timeline has no boxes: its scale and marks must go all the same).
    qm::pushCommand(g.History, std::make_unique<qm::TimeScaleCommand>(w->canvas(), g.CurTimeLineId,
                                                                      qm::TimeScaleCommand::Scale{true, 20.0}));
    EXPECT_FALSE(w->mnuFormatCompress2->isEnabled());
    EXPECT_TRUE(w->mnuFormatArrangeRows->isEnabled());
    EXPECT_TRUE(w->tbArrange->findChild<QAction *>("Compress2")->toolTip().contains("drawn to scale"));
    g.History.undo();
    EXPECT_TRUE(w->mnuFormatCompress2->isEnabled());
    EXPECT_FALSE(w->mnuFormatArrangeRows->isEnabled());
}

TEST_F(MainFixture, CancelledFirstProjectLeavesNothingOpen)
{
    w->Form_Load();
    EXPECT_FALSE(g.ProjectDb.isOpen());
    EXPECT_EQ(w->menuState().timelineState(), qm::MenuState::NoProject);
    EXPECT_FALSE(w->cmbTimeLine0->isEnabled());
    EXPECT_EQ(w->windowTitle(), "Quillmarsh");
}

TEST_F(MainFixture, NotAProjectIsRefusedUntouched)
{
    const QString notes = path("notes.qmp");
    ASSERT_TRUE(qmtest::writeFile(notes, "Dear diary"));
    const QByteArray before = qmtest::fileBytes(notes);

    dialogs.fileNames.push_back(notes);
    w->mnuFileOpen_Click();
    EXPECT_EQ(dialogs.errors, QStringList{"This is not a proper Quillmarsh file"});
    EXPECT_FALSE(g.ProjectDb.isOpen());
    EXPECT_EQ(qmtest::fileBytes(notes), before);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("notes")))) << "no folder is made for a refused file";
    EXPECT_EQ(g.RecentPaths[0], QString());

    // New over it, answering Yes to opening it: refused the same way, and not remembered either.
    dialogs.messages.clear();
    dialogs.fileNames.push_back(notes);
    dialogs.answers.push_back(true);
    w->mnuFileNew_Click();
    EXPECT_EQ(dialogs.messages, QStringList{"This is not a proper Quillmarsh file"});
    EXPECT_EQ(qmtest::fileBytes(notes), before);
    EXPECT_EQ(g.RecentPaths[0], QString());
}

TEST_F(MainFixture, PlantedCodeIsNamedAndABusyProjectIsWaitedForNotCalledCrashed)
{
    const QString planted = makeProject("Planted.qmp");
    {
        qm::ProjectDatabase db;
        db.open(planted);
        qm::execSql(db, "CREATE TRIGGER rename AFTER INSERT ON Event BEGIN UPDATE Event SET Name = 'x'; END");
    }
    const QByteArray before = qmtest::fileBytes(planted);
    dialogs.fileNames.push_back(planted);
    w->mnuFileOpen_Click();
    EXPECT_TRUE(dialogs.messages.value(0).contains("database code") &&
                dialogs.messages.value(0).endsWith("trigger rename"));
    EXPECT_EQ(qmtest::fileBytes(planted), before);

    // Another program writes for a while: the window says it waits, and Cancel gives up plainly.
    const QString busy = makeProject("Busy.qmp");
    qm::ProjectDatabase writer;
    writer.open(busy);
    writer.beginTransaction();
    for (int i = 0; i < 200; ++i)
        qm::execSql(writer, "INSERT INTO Event (Name) VALUES (?)", {QString(500, u'x')});
    dialogs.messages.clear();
    dialogs.fileNames.push_back(busy);
    QString shown;
    QTimer::singleShot(300, [&shown] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *d = qobject_cast<QProgressDialog *>(top); d && d->objectName() == "dlgWaitForWriter") {
                shown = d->labelText();
                d->cancel();
            }
        }
    });
    w->mnuFileOpen_Click();
    EXPECT_EQ(shown, "Waiting for another program that is changing this project…");
    EXPECT_TRUE(dialogs.messages.value(0).startsWith("Another program is changing this project"));
    writer.rollbackTransaction();
}

TEST_F(MainFixture, RecentEntriesThatAreGoneOrLostTheirFolder)
{
    const QString rome = makeProject("Rome.qmp");
    const QString gone = path("Gone.qmp");
    g.RecentPaths = {gone, rome, "", "", ""};
    qm::SavePaths(g.RecentPaths);
    w->RefreshRecentMenu();

    w->mnuPath_Click(1);
    EXPECT_EQ(dialogs.messages, QStringList{"Project not found"});
    qm::RecentList saved;
    qm::LoadPaths(saved);
    EXPECT_EQ(saved, (qm::RecentList{rome, "", "", "", ""}));
    EXPECT_FALSE(w->mnuPath[1]->isVisible());

    // No to the lost folder leaves the project that is open as it was.
    const QString other = makeProject("Other.qmp");
    dialogs.fileNames = {other};
    w->mnuFileOpen_Click();
    ASSERT_TRUE(g.ProjectDb.isOpen());
    g.RecentPaths = {rome, other, "", "", ""};
    w->RefreshRecentMenu();
    ASSERT_TRUE(QDir(path("Rome")).removeRecursively());
    dialogs.answers = {false};
    w->mnuPath_Click(1);
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(g.ProjectPath, other);
    EXPECT_TRUE(g.ProjectDb.isOpen());
    EXPECT_FALSE(QFileInfo::exists(path("Rome")));

    dialogs.answers = {true};
    w->mnuPath_Click(1);
    EXPECT_TRUE(g.ProjectDb.isOpen());
    EXPECT_TRUE(QFileInfo(path("Rome/Images")).isDir());
    EXPECT_TRUE(QFileInfo(path("Rome/Walls")).isDir());
}

TEST_F(MainFixture, NewProjectOverAnExistingOneOrInAPlaceThatCannotBeWritten)
{
    const QString rome = makeProject("Rome.qmp");
    const QByteArray before = qmtest::fileBytes(rome);
    dialogs.fileNames = {rome};
    dialogs.answers = {false};
    w->mnuFileNew_Click();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_FALSE(g.ProjectDb.isOpen());
    EXPECT_EQ(qmtest::fileBytes(rome), before);

    dialogs.fileNames = {"/proc/quillmarsh-cannot-be-here/New.qmp"};
    w->mnuFileNew_Click();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The project cannot be created"));
    EXPECT_FALSE(g.ProjectDb.isOpen());

    // Yes opens the existing project as it is: no second first timeline.
    dialogs.fileNames = {rome};
    dialogs.answers = {true};
    w->mnuFileNew_Click();
    EXPECT_TRUE(g.ProjectDb.isOpen());
    EXPECT_TRUE(timelineNames().isEmpty());
    EXPECT_EQ(w->menuState().timelineState(), qm::MenuState::ProjectOpen);
}

TEST_F(MainFixture, ParametersAreStoredOnCloseAndTheWorkingDateMovesOnAtEachStart)
{
    startWithNewProject();
    const QString p = path("Rome.qmp");
    const QString startDate = g.NewEventDate->Render();
    g.MinDist = 275;
    w->close();
    EXPECT_FALSE(g.ProjectDb.isOpen());

    // A second start with the project on the command line.
    qm::Globals g2;
    g2.appFolder = g.appFolder;
    g2.ProjectPath = p;
    qmtest::ScriptedDialogs dialogs2;
    qm::frmMain w2(g2, dialogs2);
    w2.Form_Load();
    settle();
    ASSERT_TRUE(g2.ProjectDb.isOpen());
    EXPECT_EQ(g2.MinDist, 275);
    EXPECT_EQ(w2.cmbTimeLine0->currentText(), "Timeline0");
    qm::ExtDate expected = *g.NewEventDate;
    expected.NextDay();
    EXPECT_EQ(g2.NewEventDate->Render(), expected.Render()) << startDate.toStdString();
    EXPECT_TRUE(dialogs2.questions.isEmpty());
    w2.close();
}

TEST_F(MainFixture, TimelinesAreCreatedRenamedAndDeleted)
{
    startWithNewProject();

    fillTimelineDialog("Caesar \"the dictator\"", true);
    w->mnuTimeLineNew_Click();
    settle();
    EXPECT_EQ(w->cmbTimeLine0->currentText(), "Caesar \"the dictator\"");
    const qint32 caesar = g.CurTimeLineId;
    // Its title is the name given, not the one proposed.
    EXPECT_EQ(w->canvas().model().lblLabel.caption, "Caesar \"the dictator\"");

    // Cancelling a new timeline brings back the one shown before.
    fillTimelineDialog("Never", false);
    w->mnuTimeLineNew_Click();
    EXPECT_EQ(g.CurTimeLine->Id, caesar);

    // A name another timeline has, in any letter case, is refused and the dialog stays open.
    onNextModal([this](QWidget *modal) {
        auto *d = qobject_cast<qm::frmTimeLine *>(modal);
        d->txtName->setText("TIMELINE0");
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(dialogs.messages.value(0), "Another Timeline with the same name already exists.\n"
                                             "Please specify another name.");
        d->txtName->setText("Caesar");
        // New timelines have no subtitle; both texts are edited here, not only on the canvas.
        EXPECT_EQ(d->txtSubtitle->text(), "");
        d->txtTitle->setText("The Dictator");
        d->txtSubtitle->setText("For class 4B");
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    });
    w->mnuTimelineEdit_Click();
    settle();
    EXPECT_EQ(timelineNames(), (QStringList{"Caesar", "Timeline0"}));
    EXPECT_EQ(w->canvas().model().lblLabel.caption, "The Dictator");
    EXPECT_EQ(w->canvas().model().lblSub.caption, "For class 4B");
    qm::clTimeLine stored(g.ProjectDb);
    stored.Load(caesar);
    EXPECT_EQ(stored.SubCaption, "For class 4B");

    dialogs.answers = {false};
    w->mnuTimeLineDelete_Click();
    EXPECT_EQ(timelineNames().size(), 2);
    dialogs.answers = {true};
    w->mnuTimeLineDelete_Click();
    EXPECT_EQ(timelineNames(), QStringList{"Timeline0"});
    EXPECT_EQ(g.CurTimeLineId, 0);
    EXPECT_EQ(w->menuState().timelineState(), qm::MenuState::ProjectOpen);

    // Each was a step (read back in EventCommands.TimelineDialogNewAndDeleteAreSteps...): undo shows it again.
    w->mnuEditUndo_Click();
    settle();
    EXPECT_EQ(g.CurTimeLineId, caesar);
    EXPECT_EQ(w->menuState().timelineState(), qm::MenuState::TimelineShown);
}
