// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetestsupport.h"
#include "dialogs/eventlistmodel.h"
#include "dialogs/frmlistevents.h"
#include "store/categories.h"
#include "ui/mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

struct ListFixture : public ::testing::Test
{
    qmtest::TempProject t;
    qm::Globals &g = t.g;
    qmtest::ScriptedDialogs dialogs;
    qint32 ides = 0, cannae = 0, waterloo = 0;

    ListFixture()
    {
        ides = qmtest::storeEvent(g, "3/15/44 BC", "Ides of March", "Caesar");
        cannae = qmtest::storeEvent(g, "8/2/216 BC", "Cannae", "Hannibal");
        waterloo = qmtest::storeEvent(g, "6/18/1815", "Waterloo", "Napoleon");
        g.CurTimeLineId = 1;
        qm::execSql(g.ProjectDb, "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (1, ?, 0, 0)",
                    {ides});
    }
    // The ids of the rows as the window shows them, top to bottom.
    static std::vector<qint32> shown(qm::frmListEvents &d)
    {
        std::vector<qint32> ids;
        for (int r = 0; r < d.lv->model()->rowCount(); ++r)
            ids.push_back(d.lv->model()->index(r, 0).data(qm::EventListModel::IdRole).toInt());
        return ids;
    }
};

} // namespace

TEST_F(ListFixture, OpensTickedAsTheTimelineAndSortsSearchesBounds)
{
    qm::ExtDate end;
    end.Assign("3/20/44 BC");
    qm::execSql(g.ProjectDb, "UPDATE Event SET EndDate = ?, EndEra = ? WHERE Id = ?", {end.Value, end.Era, cannae});
    qm::frmListEvents d(g, dialogs);
    EXPECT_EQ(d.windowTitle(), "Event list");
    EXPECT_EQ(shown(d), (std::vector<qint32>{cannae, ides, waterloo}));
    EXPECT_EQ(d.model().tickedIds(), std::vector<qint32>{ides});
    EXPECT_EQ(d.txtDateFrom->text(), "8/2/216 BC");
    EXPECT_EQ(d.txtDateTo->text(), "6/18/1815");

    // Names sort as text, dates in time, whatever their text says.
    d.lv->sortByColumn(qm::EventListModel::Name, Qt::AscendingOrder);
    EXPECT_EQ(shown(d), (std::vector<qint32>{cannae, ides, waterloo}));
    d.lv->sortByColumn(qm::EventListModel::Date, Qt::DescendingOrder);
    EXPECT_EQ(shown(d), (std::vector<qint32>{waterloo, ides, cannae}));
    // Ends in time, an event of one moment by its date: this Cannae lasts past the Ides.
    d.lv->sortByColumn(qm::EventListModel::Ends, Qt::AscendingOrder);
    EXPECT_EQ(shown(d), (std::vector<qint32>{ides, cannae, waterloo}));
    EXPECT_EQ(d.lv->model()->index(0, qm::EventListModel::Ends).data().toString(), "");
    EXPECT_EQ(d.lv->model()->index(1, qm::EventListModel::Ends).data().toString(), "3/20/44 BC");

    d.txtSearch->setText("MARCH");
    EXPECT_EQ(shown(d), std::vector<qint32>{ides});
    d.txtSearch->clear();

    // An unreadable bound is refused and the old one stays in force.
    d.txtDateTo->setText("Feb 30");
    d.txtDateTo_LostFocus();
    EXPECT_EQ(dialogs.messages, QStringList{"Invalid date"});
    EXPECT_EQ(d.DateTo.Render(), "6/18/1815");
    d.txtDateTo->setText("1/1/1 BC");
    d.txtDateTo_LostFocus();
    // The filters themselves are EventList.SelectEventsAppliesEveryFilterAndTheDates's matter.
    d.chkActors->setChecked(true);
    d.txtActor->setText("hannibal");
    d.cmdSelectEvents_Click();
    EXPECT_EQ(d.model().tickedIds(), std::vector<qint32>{cannae});
    d.cmdUnselect_Click();
    EXPECT_TRUE(d.model().tickedIds().empty());
}

TEST_F(ListFixture, ACategoryOfTheTimelineShowsOnlyItsEvents)
{
    qm::Categories c;
    for (qm::CategoryRule r : qm::categoryChoices(g.ProjectDb, "A")) {
        if (r.elementName != "Caesar")
            c.rules.push_back(r);
    }
    qm::saveCategories(g.ProjectDb, 1, c);
    qm::frmListEvents d(g, dialogs);
    ASSERT_EQ(d.cmbCategory->count(), 3);
    d.cmbCategory->setCurrentIndex(2);
    EXPECT_EQ(shown(d), std::vector<qint32>{waterloo});
    d.cmbCategory->setCurrentIndex(0);
    EXPECT_EQ(shown(d).size(), 3u);
}

TEST_F(ListFixture, DeleteWorksOnHighlightedRowsAfterAsking)
{
    qm::frmListEvents d(g, dialogs);
    d.cmdDelete_Click();
    EXPECT_EQ(dialogs.messages, QStringList{"No events were selected"});

    d.model().setData(d.model().index(2, 0), Qt::Checked, Qt::CheckStateRole);
    d.lv->selectRow(0);
    d.lv->selectionModel()->select(d.lv->model()->index(1, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    d.cmdDelete_Click();
    EXPECT_EQ(dialogs.questions, QStringList{"Delete 2 events?"});
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "Event"), 3);

    dialogs.answers.push_back(true);
    d.cmdDelete_Click();
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "Event"), 1);
    EXPECT_EQ(shown(d), std::vector<qint32>{waterloo});
    // The ticks the user gave the other rows survive the deletion.
    EXPECT_EQ(d.model().tickedIds(), std::vector<qint32>{waterloo});

    d.cmdCancel_Click();
    EXPECT_FALSE(d.includeChosen());
    EXPECT_EQ(d.tickedIds(), std::vector<qint32>{waterloo});
}
