// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The event list's work on single and highlighted rows: editing, showing on the timeline, elements,
// copies and moves; the count of rows; and the view kept from one opening to the next.
#include "frmlistevents.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "eventlistmodel.h"
#include "store/eventlist.h"
#include "store/globals.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace qm {

namespace {

QPushButton *rowButton(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

} // namespace

void frmListEvents::buildRowTools()
{
    chkTickedOnly = new QCheckBox(tr("Ticked only"), this);
    chkTickedOnly->setObjectName(QStringLiteral("chkTickedOnly"));
    chkTickedOnly->setToolTip(tr("List only the ticked events"));
    lblCount = new QLabel(this);
    lblCount->setObjectName(QStringLiteral("lblCount"));
    cmdShowOnTimeline = rowButton(this, "cmdShowOnTimeline", tr("Show on timeline"),
                                  tr("Close the list as Include && Exit does and select the event's box"));
    cmdEditElements = rowButton(this, "cmdEditElements", tr("Edit elements…"),
                                tr("Add or remove actors, places, sources or keywords of the highlighted events"));
    cmdCopyTo = rowButton(this, "cmdCopyTo", tr("Copy to timeline…"),
                          tr("Put the highlighted events on another timeline as well"));
    cmdMoveTo = rowButton(this, "cmdMoveTo", tr("Move to timeline…"),
                          tr("Put the highlighted events on another timeline and take them off this one"));
    auto *row = new QHBoxLayout;
    row->addWidget(chkTickedOnly);
    row->addWidget(lblCount);
    row->addStretch();
    for (QPushButton *b : {cmdShowOnTimeline, cmdEditElements, cmdCopyTo, cmdMoveTo})
        row->addWidget(b);
    static_cast<QVBoxLayout *>(layout())->insertLayout(2, row);

    auto *filter = static_cast<EventListFilter *>(lv->model());
    connect(chkTickedOnly, &QCheckBox::toggled, this, [filter](bool on) { filter->setTickedOnly(on); });
    for (QAbstractItemModel *m : {static_cast<QAbstractItemModel *>(mModel), lv->model()}) {
        connect(m, &QAbstractItemModel::modelReset, this, &frmListEvents::refreshCount);
        connect(m, &QAbstractItemModel::dataChanged, this, &frmListEvents::refreshCount);
        connect(m, &QAbstractItemModel::rowsInserted, this, &frmListEvents::refreshCount);
        connect(m, &QAbstractItemModel::rowsRemoved, this, &frmListEvents::refreshCount);
        connect(m, &QAbstractItemModel::layoutChanged, this, &frmListEvents::refreshCount);
    }
    connect(lv, &QTableView::doubleClicked, this, &frmListEvents::lv_DblClick);
    lv->installEventFilter(this);
    connect(cmdShowOnTimeline, &QPushButton::clicked, this, &frmListEvents::cmdShowOnTimeline_Click);
    auto onHighlighted = [this](const std::function<bool(const std::vector<qint32> &)> &work,
                                const std::vector<qint32> &untickIfDone = {}) {
        runGuarded(mDialogs, this, [&] {
            const std::vector<qint32> ids = highlightedIds();
            if (ids.empty()) {
                mDialogs.message(this, QStringLiteral("No events were selected"));
                return;
            }
            if (work && work(ids))
                reloadKeepingTicks(untickIfDone.empty() ? std::vector<qint32>{} : ids);
        });
    };
    connect(cmdEditElements, &QPushButton::clicked, this, [this, onHighlighted] { onHighlighted(editElements); });
    connect(cmdCopyTo, &QPushButton::clicked, this, [this, onHighlighted] {
        onHighlighted([this](const std::vector<qint32> &ids) { return placeElsewhere && placeElsewhere(ids, false); });
    });
    connect(cmdMoveTo, &QPushButton::clicked, this, [this, onHighlighted] {
        // Moved events leave this timeline: their rows are no longer ticked.
        onHighlighted([this](const std::vector<qint32> &ids) { return placeElsewhere && placeElsewhere(ids, true); },
                      {0});
    });
    refreshCount();
}

std::vector<qint32> frmListEvents::highlightedIds() const
{
    QModelIndexList rows = lv->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    std::vector<qint32> ids;
    for (const QModelIndex &index : rows)
        ids.push_back(index.data(EventListModel::IdRole).toInt());
    return ids;
}

void frmListEvents::refreshCount()
{
    lblCount->setText(tr("%1 ticked, %2 shown of %3")
                          .arg(mModel->tickedIds().size())
                          .arg(lv->model()->rowCount())
                          .arg(mModel->rowCount()));
}

void frmListEvents::reloadKeepingTicks(const std::vector<qint32> &untick)
{
    const std::vector<qint32> kept = mModel->tickedIds();
    std::set<qint32> ticked(kept.begin(), kept.end());
    for (const qint32 id : untick)
        ticked.erase(id);
    const std::vector<qint32> highlighted = highlightedIds();
    const qint32 current = lv->currentIndex().data(EventListModel::IdRole).toInt();
    std::vector<EventListRow> rows = loadEventList(g.ProjectDb, g.CurTimeLineId);
    std::vector<bool> ticks;
    ticks.reserve(rows.size());
    for (const EventListRow &row : rows)
        ticks.push_back(ticked.count(row.id) != 0);
    mModel->setRows(std::move(rows));
    mModel->setTicks(ticks);
    // The rows worked on stay highlighted, so that the next step can follow.
    const std::set<qint32> again(highlighted.begin(), highlighted.end());
    QItemSelection selection;
    for (int r = 0; r < lv->model()->rowCount(); ++r) {
        const QModelIndex index = lv->model()->index(r, 0);
        const qint32 id = index.data(EventListModel::IdRole).toInt();
        if (id == current && current > 0)
            lv->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        if (again.count(id))
            selection.select(index, index);
    }
    lv->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void frmListEvents::lv_DblClick(const QModelIndex &index)
{
    if (!index.isValid() || !editEvent)
        return;
    const qint32 id = index.data(EventListModel::IdRole).toInt();
    runGuarded(mDialogs, this, [&] {
        editEvent(id);
        reloadKeepingTicks();
    });
}

bool frmListEvents::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lv && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && lv->currentIndex().isValid()) {
            lv_DblClick(lv->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmListEvents::cmdShowOnTimeline_Click()
{
    const QModelIndex current = lv->currentIndex();
    if (!current.isValid()) {
        mDialogs.message(this, QStringLiteral("No events were selected"));
        return;
    }
    mShowId = current.data(EventListModel::IdRole).toInt();
    // Shown means on the timeline: the row is ticked, and the list closes as Include & Exit does.
    const QModelIndex tick = current.siblingAtColumn(EventListModel::Name);
    lv->model()->setData(tick, Qt::Checked, Qt::CheckStateRole);
    cmdInclude_Click();
}

void frmListEvents::keepViewIn(WindowSession::EventListView &view)
{
    mKept = &view;
    if (!view.kept)
        return;
    const std::pair<QCheckBox *, QLineEdit *> fields[] = {
        {chkActors, txtActor}, {chkPlaces, txtPlace}, {chkSources, txtSource}, {chkKeywords, txtKeyword}};
    for (std::size_t t = 0; t < 4; ++t) {
        fields[t].first->setChecked(view.filterOn[t]);
        fields[t].second->setText(view.filterNames[t]);
    }
    // Bounds that no longer read as dates give way to the list's own.
    ExtDate from;
    from.Assign(view.from, g.dateEnv());
    if (from.isValid()) {
        txtDateFrom->setText(view.from);
        DateFrom = from;
    }
    ExtDate to;
    to.Assign(view.to, g.dateEnv());
    if (to.isValid()) {
        txtDateTo->setText(view.to);
        txtDateTo_LostFocus();
    }
    txtSearch->setText(view.search);
    chkTickedOnly->setChecked(view.tickedOnly);
    lv->sortByColumn(view.sortColumn, view.sortOrder);
}

} // namespace qm
