// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetestsupport.h"
#include "dialogs/eventlistmodel.h"
#include "dialogs/frmlistevents.h"
#include "edit/bulkcommands.h"
#include "layout/timelinecanvas.h"
#include "main/canvasnavigator.h"
#include "main/canvasview.h"
#include "main/overviewstrip.h"
#include "store/clevent.h"
#include "store/sqlquery.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>

namespace {

// A window showing a timeline of a thousand boxes, a day apart, next to an empty second timeline.
struct BigTimeline : public qmtest::MainWindow
{
    static constexpr int Count = 1000;
    std::vector<qint32> ids;
    qint32 first = 0, second = 0;

    BigTimeline()
    {
        startWithNewProject();
        w->show();
        first = g.CurTimeLineId;
        {
            qm::TransactionGuard guard(g.ProjectDb);
            qm::SqlQuery place(g.ProjectDb, "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                                            "VALUES (?, ?, ?, 900)");
            for (int i = 0; i < Count; ++i) {
                qm::clEvent e(g);
                e.EventDate = std::make_shared<qm::ExtDate>(10000.0 + i, qm::EraPlain);
                e.EventDateStr = e.EventDate->Render();
                e.Name = QStringLiteral("Event number %1").arg(i);
                ids.push_back(e.Save());
                place.bind(first).bind(ids.back()).bind(1500 + i * 2400).exec();
            }
            guard.commit();
        }
        second = qmtest::addTimeline(g, "Second", "Second");
        show(first);
    }
    void show(qint32 timeline)
    {
        w->FillTimelineList();
        w->cmbTimeLine0_Click(w->cmbTimeLine0->findData(timeline));
        EXPECT_TRUE(QTest::qWaitFor([this] { return !w->tmrUnload->isActive(); }, 5000));
    }
    qm::CanvasNavigator &nav() { return w->navigator(); }
    bool inView(qint32 id) const { return w->mView->visibleTwips().contains(w->canvas().model().box(id)->bounds()); }
    void listRows(qm::frmListEvents &d, std::initializer_list<int> rows)
    {
        for (const int r : rows)
            d.lv->selectionModel()->select(d.lv->model()->index(r, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

TEST_F(BigTimeline, FindGoToDateAndKeysReachAnyBox)
{
    nav().txtFind->setText("NUMBER 537");
    EXPECT_EQ(g.SelectedId, ids[537]);
    EXPECT_TRUE(inView(ids[537]));
    // Matches from the selected box on; Enter and Shift+Enter step round them.
    nav().txtFind->setText("number 99");
    EXPECT_EQ(nav().matches().size(), 11u);
    EXPECT_EQ(g.SelectedId, ids[990]);
    for (int i = 0; i < 10; ++i)
        QTest::keyClick(nav().txtFind, Qt::Key_Return);
    EXPECT_EQ(g.SelectedId, ids[99]);
    QTest::keyClick(nav().txtFind, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(g.SelectedId, ids[999]);
    EXPECT_EQ(nav().lblNavigation->text(), "11 of 11");
    nav().txtFind->setText("Nobody");
    EXPECT_EQ(nav().lblNavigation->text(), "No box matches");

    EXPECT_TRUE(nav().goToDate(w->canvas().model().box(ids[250])->date.caption));
    EXPECT_EQ(g.SelectedId, ids[250]);
    EXPECT_TRUE(inView(ids[250]));
    EXPECT_FALSE(nav().goToDate("Feb 30"));
    EXPECT_EQ(g.SelectedId, ids[250]);

    QTest::keyClick(w->mView->Pic, Qt::Key_End);
    EXPECT_EQ(g.SelectedId, ids.back());
    EXPECT_TRUE(inView(ids.back()));
    QTest::keyClick(w->mView->Pic, Qt::Key_Home);
    EXPECT_EQ(g.SelectedId, ids.front());
    QTest::keyClick(w->mView->Pic, Qt::Key_PageDown);
    const double screen = w->mView->visibleTwips().width();
    const auto x = [this](qint32 id) { return w->canvas().model().box(id)->connector.p1.x(); };
    EXPECT_GE(x(g.SelectedId) - x(ids.front()), screen);
    EXPECT_LT(x(g.SelectedId) - x(ids.front()), screen + 2400 * g.Zoom);
    EXPECT_TRUE(inView(g.SelectedId));
}

TEST_F(BigTimeline, ZoomToFitTheStripAndTheViewOfEachTimeline)
{
    nav().mnuFormatZoomFit->trigger();
    const QRectF shown = w->mView->visibleTwips();
    for (const qint32 id : ids)
        ASSERT_TRUE(shown.contains(w->canvas().model().box(id)->bounds())) << id;

    w->mnuFormatZoomIn_Click();
    w->mnuFormatZoomIn_Click();
    QTest::mouseClick(nav().strip, Qt::LeftButton, {}, QPoint(nav().strip->width() - 2, 20));
    EXPECT_EQ(w->mView->hscrol->value(), w->mView->hscrol->maximum());
    nav().reveal(ids[400]);
    const double zoom = g.Zoom;
    const int scrolled = w->mView->hscrol->value();
    show(second);
    EXPECT_EQ(g.Zoom, 1.0);
    show(first);
    EXPECT_DOUBLE_EQ(g.Zoom, zoom);
    EXPECT_EQ(w->mView->hscrol->value(), scrolled);
    EXPECT_EQ(g.SelectedId, ids[400]);
}

TEST_F(BigTimeline, TheEventListWorksOnRowsAndKeepsItsView)
{
    const auto links = [this] { return qmtest::committedRows(g.ProjectPath, "EventElement", "ElementType = 'K'"); };
    const auto placedOn = [this](qint32 timeline) {
        return qmtest::committedRows(g.ProjectPath, "TimeLineEvent", "TimeLineId = ?", {timeline});
    };
    qm::WindowSession::EventListView kept;
    {
        qm::frmListEvents d(g, dialogs, w.get());
        d.keepViewIn(kept);
        d.editElements = [this](const std::vector<qint32> &ids) {
            qm::pushCommand(g.History, std::make_unique<qm::EventElementsCommand>(g.ProjectDb, ids, "K",
                                                                                  QStringList{"Siege"}, true, "siege"));
            return true;
        };
        d.placeElsewhere = [this, &d](const std::vector<qint32> &ids, bool move) {
            return w->placeElsewhere(ids, move, &d);
        };
        EXPECT_EQ(d.lblCount->text(), "1000 ticked, 1000 shown of 1000");
        listRows(d, {3, 4});
        d.cmdEditElements->click();
        d.txtSearch->setText("SIEGE");
        EXPECT_EQ(d.lv->model()->rowCount(), 2);
        dialogs.choices.push_back(0); // the only other timeline
        d.cmdMoveTo->click();
        EXPECT_EQ(d.lblCount->text(), "998 ticked, 2 shown of 1000");
        d.chkTickedOnly->setChecked(true);
        EXPECT_EQ(d.lv->model()->rowCount(), 0);
        d.done(QDialog::Rejected);
    }
    EXPECT_EQ(links(), 2);
    EXPECT_EQ(placedOn(first), 998);
    EXPECT_EQ(placedOn(second), 2);
    EXPECT_FALSE(w->canvas().IsOnCanvas(ids[3]));
    w->mnuEditUndo_Click();
    EXPECT_EQ(placedOn(first), 1000);
    EXPECT_EQ(placedOn(second), 0);
    EXPECT_TRUE(w->canvas().IsOnCanvas(ids[3]));
    w->mnuEditUndo_Click();
    EXPECT_EQ(links(), 0);
    w->mnuEditRedo_Click();
    w->mnuEditRedo_Click();
    EXPECT_EQ(links(), 2);
    EXPECT_EQ(placedOn(second), 2);
    EXPECT_EQ(w->canvas().model().boxCount(), 998u);

    qm::frmListEvents d(g, dialogs, w.get());
    d.keepViewIn(kept);
    EXPECT_EQ(d.txtSearch->text(), "SIEGE");
    EXPECT_TRUE(d.chkTickedOnly->isChecked());
    d.chkTickedOnly->setChecked(false);
    d.txtSearch->setText("number 640");
    ASSERT_EQ(d.lv->model()->rowCount(), 1);
    qint32 edited = 0;
    d.editEvent = [&edited](qint32 id) { edited = id; };
    d.lv->setCurrentIndex(d.lv->model()->index(0, 1));
    QTest::keyClick(d.lv, Qt::Key_Return);
    EXPECT_EQ(edited, ids[640]);
    d.cmdShowOnTimeline->click();
    EXPECT_EQ(d.showId(), ids[640]);
    EXPECT_TRUE(d.includeChosen());
}

} // namespace
