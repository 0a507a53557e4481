// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmevent.h"
#include "layout/timelinecanvas.h"
#include "main/frmmain.h"
#include "store/clevent.h"
#include "store/placements.h"
#include "store/recentpaths.h"
#include "testsupport.h"
#include "ui/scripteddialogs.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

// A main window with a new project on its first timeline.
struct EventCommands : public ::testing::Test
{
    QTemporaryDir dir;
    qm::Globals g;
    qmtest::ScriptedDialogs dialogs;
    std::unique_ptr<qm::frmMain> w;

    EventCommands()
    {
        qm::SavePaths({});
        g.appFolder = QStringLiteral(QM_APP_DIR);
        g.clock = qmtest::testToday;
        w = std::make_unique<qm::frmMain>(g, dialogs);
        dialogs.fileNames.push_back(dir.filePath(QStringLiteral("Rome.qmp")));
        w->Form_Load();
        QTest::qWait(40);
    }
    ~EventCommands() override
    {
        w->close();
        qm::SavePaths({});
    }

    // Fills the event dialog as soon as it opens and saves.
    void enterEvent(const QString &name, const QString &date)
    {
        QTimer::singleShot(0, [name, date] {
            auto *d = qobject_cast<qm::frmEvent *>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            d->txtName->setText(name);
            d->txtDate->setText(date);
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        });
    }
    // Box ids from left to right.
    std::vector<qint32> leftToRight() { return w->canvas().SortBoxes(); }
};

} // namespace

TEST_F(EventCommands, NewEventsLandInDateOrderWhateverOrderTheyAreEntered)
{
    ASSERT_EQ(w->menuState().timelineState(), qm::MenuState::TimelineShown);
    ASSERT_TRUE(w->mnuEventNew->isEnabled());

    enterEvent(QStringLiteral("Columbus sails"), QStringLiteral("August 3, 1492"));
    w->mnuEventNew_Click();
    const qint32 columbus = g.CurEvent->Id;
    enterEvent(QStringLiteral("Caesar is murdered"), QStringLiteral("3/15/44 BC"));
    w->mnuEventNew_Click();
    const qint32 caesar = g.CurEvent->Id;
    enterEvent(QStringLiteral("Vesuvius erupts"), QStringLiteral("8/24/79 AD"));
    w->mnuEventNew_Click();
    const qint32 vesuvius = g.CurEvent->Id;

    EXPECT_EQ(leftToRight(), (std::vector<qint32>{caesar, vesuvius, columbus}));
    EXPECT_EQ(g.SelectedId, vesuvius);
    EXPECT_TRUE(w->mnuEventEdit->isEnabled());

    // The stored places tell the same order.
    const auto stored = qm::timelinePlacements(g.ProjectDb, g.CurTimeLineId);
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_LT(stored[0].BoxLeft, stored[1].BoxLeft);
    EXPECT_LT(stored[1].BoxLeft, stored[2].BoxLeft);
}

TEST_F(EventCommands, EditingTheDateMovesTheBoxAndANameChangeKeepsItInPlace)
{
    enterEvent(QStringLiteral("First"), QStringLiteral("1/1/1500"));
    w->mnuEventNew_Click();
    const qint32 first = g.CurEvent->Id;
    enterEvent(QStringLiteral("Second"), QStringLiteral("1/1/1600"));
    w->mnuEventNew_Click();
    const qint32 second = g.CurEvent->Id;

    w->selectBox(second);
    const double before = w->canvas().model().box(second)->picture.rect.left();
    enterEvent(QStringLiteral("Second, renamed"), QStringLiteral("1/1/1600"));
    w->mnuEventEdit_Click();
    EXPECT_EQ(w->canvas().model().box(second)->picture.rect.left(), before);
    EXPECT_EQ(w->canvas().model().box(second)->name.caption, QStringLiteral("Second, renamed"));

    w->selectBox(second);
    enterEvent(QStringLiteral("Second, renamed"), QStringLiteral("1/1/1400"));
    w->mnuEventEdit_Click();
    EXPECT_EQ(leftToRight(), (std::vector<qint32>{second, first}));
}

TEST_F(EventCommands, ToolButtonsRunTheirCommands)
{
    enterEvent(QStringLiteral("First"), QStringLiteral("1/1/1500"));
    w->tbEvents->findChild<QAction *>(QStringLiteral("New"))->trigger();
    ASSERT_EQ(w->canvas().model().boxCount(), 1u);
    const double width = w->canvas().model().boxes().begin()->second.picture.rect.width();

    QAction *zoomIn = w->tbArrange->findChild<QAction *>(QStringLiteral("ZoomIn"));
    ASSERT_TRUE(zoomIn->isEnabled());
    zoomIn->trigger();
    zoomIn->trigger();
    EXPECT_NEAR(g.Zoom, 1.44, 1e-6);
    EXPECT_NEAR(w->canvas().model().boxes().begin()->second.picture.rect.width(), width * 1.44, 1e-3);
    w->tbArrange->findChild<QAction *>(QStringLiteral("ZoomOut"))->trigger();
    EXPECT_NEAR(g.Zoom, 1.2, 1e-6);
}

TEST_F(EventCommands, CancelledNewEventPlacesNothing)
{
    QTimer::singleShot(0, [] {
        auto *d = qobject_cast<qm::frmEvent *>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    });
    w->mnuEventNew_Click();
    EXPECT_EQ(w->canvas().model().boxCount(), 0u);
    EXPECT_EQ(g.SelectedId, -1);
}
