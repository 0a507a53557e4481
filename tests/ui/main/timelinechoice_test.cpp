// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetestsupport.h"
#include "dialogs/eventlistmodel.h"
#include "dialogs/frmlistevents.h"
#include "layout/timelinecanvas.h"
#include "main/frmhelp.h"
#include "pictures/frmselectimage.h"
#include "pictures/picturegrid.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "ui/mainwindow.h"

#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
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
            qmtest::makeCurrent(g, id);
            w->canvas().InsertNewBox(*g.CurEvent);
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
    EXPECT_EQ(dialogs.warnings, QStringList{"Delete \"Actium\"?"});
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

// Exclude, Delete, the clipboards and the wallpaper are undone as the core's event commands show,
// and offered as the menu state says; what only the window adds is its help.
TEST_F(TimelineChoice, HelpShowsTheGuide)
{
    w->mnuHelpTopics_Click();
    auto *help = w->findChild<qm::frmHelp *>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->txtPage->toPlainText().contains("Quillmarsh user guide"));
    help->showPage("timelines.html");
    EXPECT_EQ(help->lstTopics->currentItem()->text(), "Timelines");
}
