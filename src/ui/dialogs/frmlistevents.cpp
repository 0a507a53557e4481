// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmlistevents.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "eventlistmodel.h"
#include "frmselectelements.h"
#include "store/categories.h"
#include "store/clevent.h"
#include "store/elements.h"
#include "store/globals.h"
#include "store/sqlquery.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>
#include <set>

namespace qm {

QPushButton *frmListEvents::button(QWidget *parent, const char *name, const QString &caption, const QString &tip)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    // Enter in a field must not close the window.
    b->setAutoDefault(false);
    return b;
}

frmListEvents::frmListEvents(Globals &globals, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmListEvents"));
    setWindowTitle(QStringLiteral("Event list"));
    setSizeGripEnabled(true);

    mModel = new EventListModel(this);
    mModel->setDateOrder(g.dateOrder);
    mFilter = new EventListFilter(this);
    mFilter->setSourceModel(mModel);

    txtSearch = new QLineEdit(this);
    txtSearch->setObjectName(QStringLiteral("txtSearch"));
    txtSearch->setPlaceholderText(tr("Search names, descriptions, dates and elements"));
    txtSearch->setClearButtonEnabled(true);
    connect(txtSearch, &QLineEdit::textChanged, this, &frmListEvents::txtSearch_Change);
    cmbCategory = new QComboBox(this);
    cmbCategory->setObjectName(QStringLiteral("cmbCategory"));
    cmbCategory->setToolTip(tr("Show only the events of one category of the timeline"));

    lv = new QTableView(this);
    lv->setObjectName(QStringLiteral("lv"));
    lv->setModel(mFilter);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv->setSortingEnabled(true);
    lv->sortByColumn(EventListModel::Date, Qt::AscendingOrder);
    lv->setWordWrap(false);
    lv->verticalHeader()->hide();
    // Fixed row heights: measuring ten thousand rows would make the window slow to open.
    lv->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lv->verticalHeader()->setDefaultSectionSize(lv->fontMetrics().height() + 6);
    lv->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {260, 110, 110, 140, 120, 120};
    for (int c = 0; c < 6; ++c)
        lv->setColumnWidth(c, widths[c]);

    auto *selection = new QGroupBox(QStringLiteral("Selection"), this);
    auto *grid = new QGridLayout(selection);
    auto filterRow = [&](int row, const char *chkName, const QString &caption, const char *txtName, const char *cmdName,
                         QCheckBox *&chk, QLineEdit *&txt, QPushButton *&cmd) {
        chk = new QCheckBox(caption, selection);
        chk->setObjectName(QString::fromLatin1(chkName));
        chk->setToolTip(tr("Select only events with one of these %1").arg(caption.toLower()));
        txt = new QLineEdit(selection);
        txt->setObjectName(QString::fromLatin1(txtName));
        txt->setPlaceholderText(tr("Names separated by commas"));
        cmd = button(selection, cmdName, QStringLiteral("Select"), tr("Pick %1 from a list").arg(caption.toLower()));
        grid->addWidget(chk, row, 0);
        grid->addWidget(txt, row, 1, 1, 3);
        grid->addWidget(cmd, row, 4);
    };
    filterRow(0, "chkActors", QStringLiteral("Actors"), "txtActor", "cmdSelectActors", chkActors, txtActor,
              cmdSelectActors);
    filterRow(1, "chkPlaces", QStringLiteral("Places"), "txtPlace", "cmdSelectPlaces", chkPlaces, txtPlace,
              cmdSelectPlaces);
    filterRow(2, "chkSources", QStringLiteral("Sources"), "txtSource", "cmdSelectSources", chkSources, txtSource,
              cmdSelectSources);
    filterRow(3, "chkKeywords", QStringLiteral("Keywords"), "txtKeyword", "cmdSelectKeywords", chkKeywords, txtKeyword,
              cmdSelectKeywords);
    // The bounds always apply; a box to switch them off would only mislead.
    chkDates = new QCheckBox(QStringLiteral("Date"), selection);
    chkDates->setObjectName(QStringLiteral("chkDates"));
    chkDates->hide();
    txtDateFrom = new QLineEdit(selection);
    txtDateFrom->setObjectName(QStringLiteral("txtDateFrom"));
    txtDateFrom->setToolTip(tr("Select only events on or after this date"));
    txtDateTo = new QLineEdit(selection);
    txtDateTo->setObjectName(QStringLiteral("txtDateTo"));
    txtDateTo->setToolTip(tr("Select only events on or before this date"));
    grid->addWidget(new QLabel(QStringLiteral("From"), selection), 4, 0);
    grid->addWidget(txtDateFrom, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("To"), selection), 4, 2, Qt::AlignRight);
    grid->addWidget(txtDateTo, 4, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    cmdSelectEvents = button(selection, "cmdSelectEvents", QStringLiteral("Select Events"),
                             tr("Tick exactly the events that pass the filters and lie between the dates"));
    grid->addWidget(cmdSelectEvents, 5, 4);

    cmdUnselect = button(this, "cmdUnselect", QStringLiteral("Unselect  all"), tr("Untick every event"));
    cmdDelete =
        button(this, "cmdDelete", QStringLiteral("Delete"), tr("Delete the highlighted events from the project"));
    cmdInclude = button(this, "cmdInclude", QStringLiteral("Include && Exit"),
                        tr("Show the ticked events on the timeline, take the others off, and close"));
    cmdCancel = button(this, "cmdCancel", QStringLiteral("Cancel"),
                       tr("Close without adding events; unticked events still leave the timeline"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdUnselect);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdInclude);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    auto *search = new QHBoxLayout;
    search->addWidget(txtSearch, 1);
    search->addWidget(cmbCategory);
    layout->addLayout(search);
    layout->addWidget(lv, 1);
    layout->addWidget(selection);
    layout->addLayout(buttons);
    resize(980, 680);
    buildRowTools();

    connect(cmdSelectActors, &QPushButton::clicked, this,
            [this] { selectElementsFor(QStringLiteral("A"), txtActor, chkActors); });
    connect(cmdSelectPlaces, &QPushButton::clicked, this,
            [this] { selectElementsFor(QStringLiteral("P"), txtPlace, chkPlaces); });
    connect(cmdSelectSources, &QPushButton::clicked, this,
            [this] { selectElementsFor(QStringLiteral("S"), txtSource, chkSources); });
    connect(cmdSelectKeywords, &QPushButton::clicked, this,
            [this] { selectElementsFor(QStringLiteral("K"), txtKeyword, chkKeywords); });
    connect(txtDateFrom, &QLineEdit::editingFinished, this, &frmListEvents::txtDateFrom_LostFocus);
    connect(txtDateTo, &QLineEdit::editingFinished, this, &frmListEvents::txtDateTo_LostFocus);
    connect(cmdSelectEvents, &QPushButton::clicked, this, &frmListEvents::cmdSelectEvents_Click);
    connect(cmdUnselect, &QPushButton::clicked, this, &frmListEvents::cmdUnselect_Click);
    connect(cmdInclude, &QPushButton::clicked, this, &frmListEvents::cmdInclude_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmListEvents::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmListEvents::cmdCancel_Click);

    deleteEvents = [this](const std::vector<qint32> &ids) {
        TransactionGuard guard(g.ProjectDb);
        for (const qint32 id : ids)
            DeleteEventRow(g.ProjectDb, id);
        guard.commit();
    };
    runGuarded(mDialogs, this, [this] { LoadEventList(); });
}

frmListEvents::~frmListEvents() = default;

void frmListEvents::LoadEventList()
{
    std::vector<EventListRow> rows = loadEventList(g.ProjectDb, g.CurTimeLineId);
    const auto [first, last] = dateBounds(rows);
    DateFrom = first;
    DateTo = last;
    txtDateFrom->setText(first.isValid() ? first.Render(g.dateOrder, false) : QString());
    txtDateTo->setText(last.isValid() ? last.Render(g.dateOrder, false) : QString());
    mModel->setRows(std::move(rows));
    fillCategories();
}

void frmListEvents::txtSearch_Change(const QString &text)
{
    mFilter->setSearchText(text);
}

bool frmListEvents::readBound(QLineEdit *field, ExtDate &bound)
{
    ExtDate d;
    d.Assign(field->text(), g.dateEnv());
    if (!d.isValid()) {
        field->setFocus();
        field->selectAll();
        mDialogs.message(this, QStringLiteral("Invalid date"));
        return false;
    }
    bound = d;
    return true;
}

void frmListEvents::txtDateFrom_LostFocus()
{
    runGuarded(mDialogs, this, [this] { readBound(txtDateFrom, DateFrom); });
}

void frmListEvents::txtDateTo_LostFocus()
{
    runGuarded(mDialogs, this, [this] {
        // A day typed as the last one includes all of that day's events, whatever minute orders them.
        if (readBound(txtDateTo, DateTo) && !textHasTimeOfDay(txtDateTo->text()))
            DateTo.Value = std::floor(DateTo.Value) + (86400.0 - 1.0) / 86400.0;
    });
}

void frmListEvents::selectElementsFor(const QString &type, QLineEdit *field, QCheckBox *check)
{
    runGuarded(mDialogs, this, [&] {
        frmSelectElements picker(g, type, field->text(), this);
        picker.exec();
        field->setText(picker.selectedElements());
        check->setChecked(true);
    });
}

void frmListEvents::cmdSelectEvents_Click()
{
    runGuarded(mDialogs, this, [this] {
        EventFilter filter;
        const std::pair<QCheckBox *, QLineEdit *> fields[] = {
            {chkActors, txtActor}, {chkPlaces, txtPlace}, {chkSources, txtSource}, {chkKeywords, txtKeyword}};
        for (std::size_t t = 0; t < 4; ++t) {
            if (fields[t].first->isChecked() && !fields[t].second->text().isEmpty())
                filter.names[t] = SplitElements(fields[t].second->text());
        }
        filter.from = DateFrom;
        filter.to = DateTo;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            mModel->setTicks(selectEvents(g.ProjectDb, mModel->rows(), filter));
        } catch (...) {
            QApplication::restoreOverrideCursor();
            throw;
        }
        QApplication::restoreOverrideCursor();
    });
}

void frmListEvents::cmdUnselect_Click()
{
    mModel->setAllTicks(false);
}

void frmListEvents::cmdDelete_Click()
{
    runGuarded(mDialogs, this, [this] {
        std::vector<qint32> ids;
        QString name;
        for (const QModelIndex &proxyIndex : lv->selectionModel()->selectedRows()) {
            ids.push_back(mFilter->mapToSource(proxyIndex).data(EventListModel::IdRole).toInt());
            name = mFilter->mapToSource(proxyIndex).siblingAtColumn(EventListModel::Name).data().toString();
        }
        if (ids.empty()) {
            mDialogs.message(this, QStringLiteral("No events were selected"));
            return;
        }
        const QString question =
            ids.size() == 1 ? tr("Delete \"%1\"?").arg(name) : tr("Delete %1 events?").arg(ids.size());
        if (!mDialogs.warning(this, question, QStringLiteral("Warning")))
            return;
        deleteEvents(ids);
        // The rows that remain keep the ticks the user gave them; only the deleted ones go.
        reloadKeepingTicks();
    });
}

void frmListEvents::cmdInclude_Click()
{
    mInclude = true;
    accept();
}

void frmListEvents::cmdCancel_Click()
{
    reject();
}

void frmListEvents::done(int result)
{
    if (mKept) {
        WindowSession::EventListView &v = *mKept;
        v.kept = true;
        v.sortColumn = lv->horizontalHeader()->sortIndicatorSection();
        v.sortOrder = lv->horizontalHeader()->sortIndicatorOrder();
        v.search = txtSearch->text();
        v.tickedOnly = chkTickedOnly->isChecked();
        const std::pair<QCheckBox *, QLineEdit *> fields[] = {
            {chkActors, txtActor}, {chkPlaces, txtPlace}, {chkSources, txtSource}, {chkKeywords, txtKeyword}};
        for (std::size_t t = 0; t < 4; ++t) {
            v.filterOn[t] = fields[t].first->isChecked();
            v.filterNames[t] = fields[t].second->text();
        }
        v.from = txtDateFrom->text();
        v.to = txtDateTo->text();
    }
    mTickedIds = mModel->tickedIds();
    QDialog::done(result);
}

} // namespace qm
