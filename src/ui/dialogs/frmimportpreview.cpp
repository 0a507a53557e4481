// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmimportpreview.h"

#include "exchange/eventexport.h"
#include "exchange/importplan.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

namespace {

// Pale enough to read black text on, in light and dark styles alike.
QColor rowColour(ImportAction action)
{
    switch (action) {
    case ImportAction::New:
        return QColor(0xDF, 0xF3, 0xDF);
    case ImportAction::Update:
        return QColor(0xFF, 0xF3, 0xC8);
    case ImportAction::Refused:
        return QColor(0xF8, 0xD7, 0xD7);
    case ImportAction::Unchanged:
        break;
    }
    return {};
}

} // namespace

QString frmImportPreview::actionText(const ImportRow &row)
{
    switch (row.action) {
    case ImportAction::New:
        return tr("New event");
    case ImportAction::Update:
        return row.changesEvent ? tr("Update of event %1").arg(row.eventId)
                                : tr("Update of event %1 (timelines only)").arg(row.eventId);
    case ImportAction::Unchanged:
        return tr("Unchanged");
    case ImportAction::Refused:
        break;
    }
    return tr("Refused: %1").arg(row.reason);
}

frmImportPreview::frmImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent, Reread reread,
                                   RereadColumn column)
    : QDialog(parent), mFileName(fileName), rereadInOrder(std::move(reread)), rereadColumn(std::move(column))
{
    setObjectName(QStringLiteral("frmImportPreview"));
    setWindowTitle(tr("Import events"));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblDateOrder = new QLabel(this);
    lblDateOrder->setObjectName(QStringLiteral("lblDateOrder"));
    lblDateOrder->setWordWrap(true);
    cmbDateOrder = new QComboBox(this);
    cmbDateOrder->setObjectName(QStringLiteral("cmbDateOrder"));
    cmbDateOrder->addItem(tr("Day first (day/month/year)"), static_cast<int>(DateOrder::DayFirst));
    cmbDateOrder->addItem(tr("Month first (month/day/year)"), static_cast<int>(DateOrder::MonthFirst));

    lvColumns = new QTableWidget(1, 0, this);
    lvColumns->setObjectName(QStringLiteral("lvColumns"));
    lvColumns->verticalHeader()->hide();
    lvColumns->setSelectionMode(QAbstractItemView::NoSelection);
    lvColumns->setToolTip(tr("The field each column of the sheet fills"));

    const QStringList headers = {tr("Row"), tr("Action"), tr("Date"), tr("Name"), tr("Notes")};
    lvRows = new QTableWidget(0, static_cast<int>(headers.size()), this);
    lvRows->setObjectName(QStringLiteral("lvRows"));
    lvRows->setHorizontalHeaderLabels(headers);
    lvRows->verticalHeader()->hide();
    lvRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvRows->setWordWrap(false);

    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *order = new QHBoxLayout;
    order->addWidget(lblDateOrder, 1);
    order->addWidget(cmbDateOrder);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addLayout(order);
    layout->addWidget(new QLabel(tr("Columns of the sheet and the fields they fill:"), this));
    layout->addWidget(lvColumns);
    layout->addWidget(lvRows, 1);
    layout->addWidget(buttons);
    resize(820, 480);

    fill(plan);
    connect(cmbDateOrder, &QComboBox::activated, this, &frmImportPreview::cmbDateOrder_Click);
}

void frmImportPreview::cmbDateOrder_Click(int index)
{
    if (!rereadInOrder)
        return;
    fill(rereadInOrder(static_cast<DateOrder>(cmbDateOrder->itemData(index).toInt())));
}

void frmImportPreview::fillColumns(const ImportPlan &plan)
{
    // The combo boxes are made again for the new plan; a signal from an old one must not come back.
    lvColumns->clear();
    lvColumns->setColumnCount(static_cast<int>(plan.columns.size()));
    QStringList headers;
    for (const SheetColumn &c : plan.columns)
        headers << (c.header.isEmpty() ? tr("(no name)") : c.header);
    lvColumns->setHorizontalHeaderLabels(headers);
    for (int i = 0; i < plan.columns.size(); ++i) {
        auto *box = new QComboBox(lvColumns);
        box->setObjectName(QStringLiteral("cmbColumn%1").arg(i));
        box->addItem(tr("(not read)"), QString());
        for (const QString &field : exchangecolumns::all())
            box->addItem(field, field);
        box->setCurrentIndex(std::max(0, box->findData(plan.columns[i].field)));
        box->setEnabled(static_cast<bool>(rereadColumn));
        connect(box, &QComboBox::activated, this, [this, i, box](int index) {
            const QString field = box->itemData(index).toString();
            // The plan is made again after this slot returns: the box asking is replaced then.
            QMetaObject::invokeMethod(
                this, [this, i, field] { fill(rereadColumn(i, field)); }, Qt::QueuedConnection);
        });
        lvColumns->setCellWidget(0, i, box);
    }
    lvColumns->resizeColumnsToContents();
    lvColumns->setFixedHeight(lvColumns->horizontalHeader()->sizeHint().height() + lvColumns->rowHeight(0) +
                              2 * lvColumns->frameWidth() + 4);
}

void frmImportPreview::fill(const ImportPlan &plan)
{
    fillColumns(plan);
    QStringList summary;
    summary << tr("%1: %n row(s).", nullptr, static_cast<int>(plan.rows.size())).arg(mFileName);
    summary << tr("New events: %1. Updates: %2. Unchanged: %3. Refused: %4.")
                   .arg(plan.count(ImportAction::New))
                   .arg(plan.count(ImportAction::Update))
                   .arg(plan.count(ImportAction::Unchanged))
                   .arg(plan.count(ImportAction::Refused));
    if (!plan.newTimelines.isEmpty())
        summary << tr("New timelines: %1.").arg(plan.newTimelines.join(QStringLiteral(", ")));
    if (!plan.ignoredColumns.isEmpty())
        summary << tr("Columns not read: %1.").arg(plan.ignoredColumns.join(QStringLiteral(", ")));
    summary << (plan.writesAnything() ? tr("Nothing is written until you choose Import; refused rows are left out.")
                                      : tr("There is nothing to import: every row is unchanged or refused."));
    lblSummary->setText(summary.join(u'\n'));

    const QString order = dateOrderName(plan.dateOrder);
    switch (plan.dateOrderSource) {
    case SheetOrderSource::Header:
        lblDateOrder->setText(tr("Dates are read %1, as the header of the Date column says.").arg(order));
        break;
    case SheetOrderSource::Chosen:
        lblDateOrder->setText(tr("Dates are read %1, as you chose.").arg(order));
        break;
    case SheetOrderSource::Detected:
        lblDateOrder->setText(
            tr("Dates are read %1: the Date column shows it (a first number over 12 is a day).").arg(order));
        break;
    case SheetOrderSource::Unknown:
        lblDateOrder->setText(tr("The sheet does not say whether its dates are written day or month first: "
                                 "dates that read both ways are refused until you choose."));
        break;
    }
    // Nothing told: the box shows no order until the user picks one.
    cmbDateOrder->setCurrentIndex(plan.dateOrderSource == SheetOrderSource::Unknown ? -1
                                  : plan.dateOrder == DateOrder::DayFirst           ? 0
                                                                                    : 1);
    cmbDateOrder->setEnabled(rereadInOrder && plan.dateOrderSource != SheetOrderSource::Header);

    lvRows->setRowCount(static_cast<int>(plan.rows.size()));
    for (int i = 0; i < plan.rows.size(); ++i) {
        const ImportRow &r = plan.rows[i];
        const bool refused = r.action == ImportAction::Refused;
        const QStringList cells = {QString::number(r.row), actionText(r),
                                   refused ? QString() : r.date.Render(plan.dateOrder, false),
                                   refused ? QString() : r.name.simplified(), r.notes.join(QStringLiteral("; "))};
        const QColor colour = rowColour(r.action);
        for (int c = 0; c < cells.size(); ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (colour.isValid()) {
                item->setBackground(colour);
                item->setForeground(Qt::black);
            }
            lvRows->setItem(i, c, item);
        }
    }
    lvRows->resizeColumnsToContents();
    lvRows->horizontalHeader()->setStretchLastSection(true);
    cmdOK->setEnabled(plan.writesAnything());
    cmdOK->setDefault(plan.writesAnything());
}

} // namespace qm
