// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace qm {

class ImportPlan;
struct ImportRow;

// The preview of an events import: every row of the file with what confirming would do to it.
class frmImportPreview : public QDialog
{
    Q_OBJECT
public:
    frmImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent = nullptr);

    // The words of the Action column: "New event", "Update of event 12", "Unchanged", "Refused: why".
    static QString actionText(const ImportRow &row);

    QLabel *lblSummary = nullptr;
    QTableWidget *lvRows = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;
};

} // namespace qm
