// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmimportpreview.h"

#include "exchange/importplan.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

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

frmImportPreview::frmImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmImportPreview"));
    setWindowTitle(tr("Import events"));

    QStringList summary;
    summary << tr("%1: %n row(s).", nullptr, static_cast<int>(plan.rows.size())).arg(fileName);
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
    lblSummary = new QLabel(summary.join(u'\n'), this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);

    const QStringList headers = {tr("Row"), tr("Action"), tr("Date"), tr("Name"), tr("Notes")};
    lvRows = new QTableWidget(static_cast<int>(plan.rows.size()), static_cast<int>(headers.size()), this);
    lvRows->setObjectName(QStringLiteral("lvRows"));
    lvRows->setHorizontalHeaderLabels(headers);
    lvRows->verticalHeader()->hide();
    lvRows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvRows->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvRows->setWordWrap(false);
    for (int i = 0; i < plan.rows.size(); ++i) {
        const ImportRow &r = plan.rows[i];
        const bool refused = r.action == ImportAction::Refused;
        const QStringList cells = {QString::number(r.row), actionText(r), refused ? QString() : r.date.Render(),
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

    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setEnabled(plan.writesAnything());
    cmdOK->setDefault(plan.writesAnything());
    cmdCancel = buttons->addButton(QDialogButtonBox::Cancel);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lvRows, 1);
    layout->addWidget(buttons);
    resize(820, 480);
}

} // namespace qm
