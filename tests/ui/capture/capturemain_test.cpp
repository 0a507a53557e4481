// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/frmtext.h"
#include "core/store/storetestsupport.h"
#include "edit/canvascommand.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTextEdit>
#include <QToolBar>
#include <QUndoStack>

namespace {

// A main window with a new project on its first timeline, and its capture window open.
struct CaptureFromMain : public qmtest::MainWindow
{
    QString projectPath = path("Rome.qmp");

    CaptureFromMain() { startWithNewProject(); }
    qm::frmText *open()
    {
        w->mnuToolsCapture->trigger();
        return w->captureWindow();
    }
    // The dates of the boxes from left to right.
    QStringList boxDates()
    {
        QStringList dates;
        for (const qint32 id : w->canvas().SortBoxes())
            dates << qm::loadEventAside(g, id)->EventDate->Render(qm::DateOrder::MonthFirst, false);
        return dates;
    }
};

} // namespace

TEST_F(CaptureFromMain, ToolsAndExtractOpenTheOneCaptureWindow)
{
    ASSERT_TRUE(w->mnuToolsCapture->isEnabled());
    QAction *extract = w->tbTools->findChild<QAction *>("Extract");
    ASSERT_NE(extract, nullptr);
    EXPECT_TRUE(extract->isEnabled());

    qm::frmText *capture = open();
    ASSERT_NE(capture, nullptr);
    EXPECT_EQ(capture->parentWidget(), w.get());
    EXPECT_FALSE(capture->isModal());
    EXPECT_TRUE(capture->chkInclude->isEnabled());
    EXPECT_TRUE(capture->chkInclude->isChecked());
    extract->trigger();
    EXPECT_EQ(w->captureWindow(), capture);

    // Closed, it goes; the next command makes a fresh one.
    capture->close();
    QTest::qWait(1);
    EXPECT_EQ(w->captureWindow(), nullptr);
    EXPECT_NE(open(), nullptr);
}

TEST_F(CaptureFromMain, AcceptedEventsLandOnTheTimelineInDateOrder)
{
    qm::frmText *capture = open();
    capture->rtb->setPlainText("Vesuvius erupted on 8/24/79 AD. Caesar died on March 15, 44 BC.\n"
                               "Columbus sailed on August 3, 1492 and, on 8/24/79 AD, nothing.");
    capture->btnScan->trigger();
    ASSERT_EQ(capture->session().count(), 4);
    g.AdvanceDate = false;
    capture->chkAdvance->setChecked(false);

    capture->btnAccept->trigger();
    EXPECT_EQ(boxDates(), QStringList{"8/24/79 AD"});
    capture->btnAcceptAll->trigger();
    // The second 24 August 79 is passed over: it has its event already.
    EXPECT_EQ(boxDates(), (QStringList{"3/15/44 BC", "8/24/79 AD", "8/3/1492"}));
    EXPECT_EQ(qmtest::committedCount(projectPath, "SELECT COUNT(*) FROM TimeLineEvent"), 3);
    EXPECT_EQ(capture->lblStatus->text(), "2 events saved, one date passed over.");
    EXPECT_FALSE(capture->btnAccept->isEnabled());
    EXPECT_FALSE(capture->btnNext->isEnabled());

    // Accept all is one step: undone, its events leave the timeline and the project; redone, they come back.
    w->mnuEditUndo->trigger();
    EXPECT_EQ(boxDates(), QStringList{"8/24/79 AD"});
    EXPECT_EQ(qmtest::committedCount(projectPath, "SELECT COUNT(*) FROM Event"), 1);
    w->mnuEditRedo->trigger();
    EXPECT_EQ(boxDates().size(), 3);
    EXPECT_EQ(qmtest::committedCount(projectPath, "SELECT COUNT(*) FROM Event"), 3);
    // A second scan finds every event in the project already, and Accept all says so.
    capture->btnScan->trigger();
    EXPECT_EQ(capture->lblInProject->text(), "in the project");
    const int steps = w->undoStack().count();
    capture->btnAcceptAll->trigger();
    EXPECT_EQ(capture->lblStatus->text(), "0 events saved, one date passed over, 3 already in the project.");
    EXPECT_EQ(w->undoStack().count(), steps) << "a run that stores nothing leaves no step to undo";
    EXPECT_EQ(qmtest::committedCount(projectPath, "SELECT COUNT(*) FROM Event"), 3);
}

TEST_F(CaptureFromMain, TheMainWindowStaysWhileTheCaptureTextIsKept)
{
    qm::frmText *capture = open();
    capture->show();
    QTest::keyClicks(capture->rtb, "notes");
    dialogs.answers = {false};
    EXPECT_FALSE(w->close());
    EXPECT_TRUE(g.ProjectDb.isOpen());
    EXPECT_NE(w->captureWindow(), nullptr);
    dialogs.answers = {true};
    EXPECT_TRUE(w->close());
}
