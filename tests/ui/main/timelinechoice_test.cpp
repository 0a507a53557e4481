// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetestsupport.h"
#include "dialogs/eventlistmodel.h"
#include "dialogs/frmlistevents.h"
#include "layout/timelinecanvas.h"
#include "main/frmhelp.h"
#include "pictures/frmselectimage.h"
#include "pictures/frmselectwall.h"
#include "pictures/picturegrid.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolBar>
#include <QUndoStack>

namespace {

// A main window with a new project whose first timeline shows three events of four.
struct TimelineChoice : public qmtest::MainWindow
{
    qint32 cannae = 0, ides = 0, actium = 0, waterloo = 0;

    TimelineChoice()
    {
        startWithNewProject();
        cannae = qmtest::storeEvent(g, "8/2/216 BC", "Cannae", "Hannibal");
        ides = qmtest::storeEvent(g, "3/15/44 BC", "Ides of March", "Caesar");
        actium = qmtest::storeEvent(g, "9/2/31 BC", "Actium", "Octavian");
        waterloo = qmtest::storeEvent(g, "6/18/1815", "Waterloo", "Napoleon");
        for (const qint32 id : {cannae, ides, actium}) {
            g.CurEvent = std::make_unique<qm::clEvent>(g);
            g.CurEvent->Id = id;
            g.CurEvent->Load();
            w->canvas().InsertNewBox();
        }
        w->undoStack().clear();
        w->selectBox(-1);
    }
    // Opens the event list, lets `act` work on it, then closes it with `button`.
    void withEventList(const std::function<void(qm::frmListEvents &)> &act, const char *button)
    {
        qmtest::onNextModal([act, button](QWidget *modal) {
            auto *d = qobject_cast<qm::frmListEvents *>(modal);
            ASSERT_NE(d, nullptr);
            act(*d);
            QTest::mouseClick(d->findChild<QPushButton *>(QString::fromLatin1(button)), Qt::LeftButton);
        });
        w->mnuEventList_Click();
    }
    static void tick(qm::frmListEvents &d, qint32 id, bool on)
    {
        for (int r = 0; r < d.model().rowCount(); ++r) {
            if (d.model().rows()[static_cast<std::size_t>(r)].id == id)
                d.model().setData(d.model().index(r, 0), on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
        }
    }
    int placed() const { return qmtest::committedRows(g.ProjectPath, "TimeLineEvent"); }
};

} // namespace

TEST_F(TimelineChoice, CancelTakesUntickedBoxesOffAndIncludePutsTickedOnesOnAsOneStep)
{
    withEventList(
        [this](qm::frmListEvents &d) {
            tick(d, ides, false);
            tick(d, waterloo, true);
        },
        "cmdCancel");
    EXPECT_FALSE(w->canvas().IsOnCanvas(ides));
    EXPECT_FALSE(w->canvas().IsOnCanvas(waterloo)) << "Cancel adds nothing";
    EXPECT_EQ(placed(), 2);
    w->mnuEditUndo_Click();
    EXPECT_TRUE(w->canvas().IsOnCanvas(ides));
    EXPECT_EQ(placed(), 3);

    withEventList(
        [this](qm::frmListEvents &d) {
            tick(d, cannae, false);
            tick(d, waterloo, true);
        },
        "cmdInclude");
    EXPECT_FALSE(w->canvas().IsOnCanvas(cannae));
    EXPECT_TRUE(w->canvas().IsOnCanvas(waterloo));
    EXPECT_EQ(w->canvas().SortBoxes(), (std::vector<qint32>{ides, actium, waterloo}));
    w->mnuEditUndo_Click();
    EXPECT_EQ(w->canvas().SortBoxes(), (std::vector<qint32>{cannae, ides, actium}));
    EXPECT_EQ(placed(), 3);
}

TEST_F(TimelineChoice, ExcludeAndDeleteNeedABoxAndAreUndone)
{
    EXPECT_FALSE(w->mnuEventExclude->isEnabled());
    w->selectBox(ides);
    for (QAction *a : {w->mnuEventSelectPicture, w->mnuEventList, w->mnuEventExclude, w->mnuEventDelete,
                       w->mnuEventCopyFormat, w->mnuEventCopyPicture})
        EXPECT_TRUE(a->isEnabled()) << a->objectName().toStdString();
    w->mnuEventExclude_Click();
    EXPECT_FALSE(w->canvas().IsOnCanvas(ides));
    EXPECT_EQ(qmtest::committedRows(g.ProjectPath, "Event"), 4);
    EXPECT_FALSE(w->mnuEventExclude->isEnabled());
    w->mnuEditUndo_Click();
    EXPECT_TRUE(w->canvas().IsOnCanvas(ides));

    w->selectBox(actium);
    w->mnuEventDelete_Click();
    EXPECT_EQ(dialogs.questions, QStringList{"Are you sure?"});
    EXPECT_TRUE(w->canvas().IsOnCanvas(actium)) << "No keeps it";
    dialogs.answers.push_back(true);
    w->mnuEventDelete_Click();
    EXPECT_FALSE(w->canvas().IsOnCanvas(actium));
    EXPECT_EQ(qmtest::committedRows(g.ProjectPath, "Event"), 3);
    w->mnuEditUndo_Click();
    EXPECT_TRUE(w->canvas().IsOnCanvas(actium));
    EXPECT_EQ(qmtest::committedRows(g.ProjectPath, "EventElement", "EventId = ?", {actium}), 1);
}

TEST_F(TimelineChoice, ThePictureChooserDoesNotOutliveItsEvent)
{
    const auto chooser = [this](qint32 id) {
        w->selectBox(id);
        w->mnuEventSelectPicture_Click();
        qm::frmSelectImage *d = w->pictureChooser();
        EXPECT_TRUE(d && d->eventId() == id);
        return d;
    };
    const auto formatRows = [this](qint32 id) {
        return qmtest::committedRows(g.ProjectPath, "Format", "EventId = ?", {id});
    };
    // Events > Delete closes the chooser open on the event.
    qm::frmSelectImage *d = chooser(actium);
    dialogs.answers.push_back(true);
    w->mnuEventDelete_Click();
    EXPECT_FALSE(d->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w->pictureChooser(), nullptr);

    // Deleted another way, the event is refused a picture: no row for it, no step.
    d = chooser(ides);
    ASSERT_TRUE(d->lstFiles->selectFile("Im0.gif"));
    qm::DeleteEventRow(g.ProjectDb, ides);
    const int steps = w->undoStack().count();
    d->cmdSelect_Click();
    EXPECT_EQ(dialogs.messages.value(0), "The event was deleted, so it cannot be given a picture.");
    EXPECT_EQ(formatRows(ides), 0);
    EXPECT_EQ(w->undoStack().count(), steps);
    EXPECT_FALSE(d->isVisible());
}

TEST_F(TimelineChoice, ClipboardsOfferTheirPastesAndPasteToAllIsOneStep)
{
    w->selectBox(cannae);
    EXPECT_FALSE(w->mnuEventPasteFormat->isEnabled());
    EXPECT_FALSE(w->mnuEventPastePicture->isEnabled());
    qm::execSql(g.ProjectDb, "UPDATE Event SET ImageName = 'anchor.png' WHERE Id = ?", {cannae});
    w->mnuEventCopyPicture_Click();
    w->mnuEventCopyFormat_Click();
    EXPECT_TRUE(w->mnuEventPasteFormat->isEnabled());
    EXPECT_TRUE(w->mnuEventPastePicture->isEnabled());
    w->selectBox(-1);
    EXPECT_FALSE(w->mnuEventPastePicture->isEnabled()) << "F3 does nothing without a box";
    EXPECT_TRUE(w->mnuEventMakeDefPicture->isEnabled());

    w->mnuEventMakeDefPicture_Click();
    EXPECT_EQ(qmtest::committedRows(g.ProjectPath, "Event", "ImageName = 'anchor.png'"), 3);
    EXPECT_EQ(w->undoStack().count(), 1);
    w->mnuEditUndo_Click();
    EXPECT_EQ(qmtest::committedRows(g.ProjectPath, "Event", "ImageName = 'anchor.png'"), 1);
}

TEST_F(TimelineChoice, WallpaperPressesTheWallButtonAndHelpShowsTheGuide)
{
    QAction *wall = w->tbTimeLines->findChild<QAction *>("Wall");
    QAction *color = w->tbTimeLines->findChild<QAction *>("Color");
    ASSERT_TRUE(wall && color);
    EXPECT_TRUE(color->isChecked());
    qmtest::onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmSelectWall *>(modal);
        ASSERT_NE(d, nullptr);
        d->lstFiles->selectFile("sky.jpg");
        d->cmdSelect_Click();
    });
    w->mnuTimelineWall_Click();
    EXPECT_TRUE(wall->isChecked());
    EXPECT_FALSE(color->isChecked());
    EXPECT_TRUE(w->canvas().model().useWallpaper);
    EXPECT_EQ(qmtest::committedValue(g.ProjectPath, "SELECT WallName FROM TimeLine WHERE Id = ?", {g.CurTimeLineId})
                  .toString(),
              "sky.jpg");
    w->mnuEditUndo_Click();
    EXPECT_TRUE(color->isChecked());

    w->mnuHelpTopics_Click();
    auto *help = w->findChild<qm::frmHelp *>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->txtPage->toPlainText().contains("Quillmarsh user guide"));
    help->showPage("timelines.html");
    EXPECT_EQ(help->lstTopics->currentItem()->text(), "Timelines");
}
