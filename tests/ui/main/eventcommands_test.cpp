// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmevent.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

namespace {

// A main window with a new project on its first timeline.
struct EventCommands : public qmtest::MainWindow
{
    EventCommands() { startWithNewProject(); }

    // Fills the event dialog as soon as it opens and saves.
    void enterEvent(const QString &name, const QString &date)
    {
        qmtest::onNextModal([name, date](QWidget *modal) {
            auto *d = qobject_cast<qm::frmEvent *>(modal);
            ASSERT_NE(d, nullptr);
            d->txtName->setText(name);
            d->txtDate->setText(date);
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        });
    }
    qint32 newEvent(const QString &name, const QString &date)
    {
        enterEvent(name, date);
        w->mnuEventNew_Click();
        return g.CurEvent->Id;
    }
    // Box ids from left to right.
    std::vector<qint32> leftToRight() { return w->canvas().SortBoxes(); }
};

} // namespace

TEST_F(EventCommands, NewEventsLandInDateOrderWhateverOrderTheyAreEntered)
{
    ASSERT_TRUE(w->mnuEventNew->isEnabled());
    const qint32 columbus = newEvent("Columbus sails", "August 3, 1492");
    const qint32 caesar = newEvent("Caesar is murdered", "3/15/44 BC");
    const qint32 vesuvius = newEvent("Vesuvius erupts", "8/24/79 AD");
    EXPECT_EQ(leftToRight(), (std::vector<qint32>{caesar, vesuvius, columbus}));
    EXPECT_EQ(g.SelectedId, vesuvius);
    EXPECT_TRUE(w->mnuEventEdit->isEnabled());
}

TEST_F(EventCommands, EditingTheDateMovesTheBoxAndANameChangeKeepsItInPlace)
{
    const qint32 first = newEvent("First", "1/1/1500");
    const qint32 second = newEvent("Second", "1/1/1600");
    w->selectBox(second);
    const double before = w->canvas().model().box(second)->picture.rect.left();
    enterEvent("Second, renamed", "1/1/1600");
    w->mnuEventEdit_Click();
    EXPECT_EQ(w->canvas().model().box(second)->picture.rect.left(), before);
    EXPECT_EQ(w->canvas().model().box(second)->name.caption, "Second, renamed");

    w->selectBox(second);
    enterEvent("Second, renamed", "1/1/1400");
    w->mnuEventEdit_Click();
    EXPECT_EQ(leftToRight(), (std::vector<qint32>{second, first}));
}

TEST_F(EventCommands, ToolButtonsRunTheirCommands)
{
    enterEvent("First", "1/1/1500");
    w->tbEvents->findChild<QAction *>("New")->trigger();
    ASSERT_EQ(w->canvas().model().boxCount(), 1u);
    const double width = w->canvas().model().boxes().begin()->second.picture.rect.width();

    QAction *zoomIn = w->tbArrange->findChild<QAction *>("ZoomIn");
    ASSERT_TRUE(zoomIn->isEnabled());
    zoomIn->trigger();
    zoomIn->trigger();
    EXPECT_NEAR(g.Zoom, 1.44, 1e-6);
    EXPECT_NEAR(w->canvas().model().boxes().begin()->second.picture.rect.width(), width * 1.44, 1e-3);
    w->tbArrange->findChild<QAction *>("ZoomOut")->trigger();
    EXPECT_NEAR(g.Zoom, 1.2, 1e-6);
}

TEST_F(EventCommands, CancelledNewEventPlacesNothing)
{
    qmtest::onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmEvent *>(modal);
        ASSERT_NE(d, nullptr);
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    });
    w->mnuEventNew_Click();
    EXPECT_EQ(w->canvas().model().boxCount(), 0u);
    EXPECT_EQ(g.SelectedId, -1);
}
