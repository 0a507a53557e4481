// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"

#include <QDialog>

#include <functional>

class QComboBox;
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
    // Reads the sheet again in the order the user chose and gives the new preview; unset, the order
    // cannot be chosen.
    using Reread = std::function<const ImportPlan &(DateOrder)>;

    frmImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent = nullptr, Reread reread = {});

    // The words of the Action column: "New event", "Update of event 12", "Unchanged", "Refused: why".
    static QString actionText(const ImportRow &row);

    QLabel *lblSummary = nullptr;
    QLabel *lblDateOrder = nullptr;
    QComboBox *cmbDateOrder = nullptr;
    QTableWidget *lvRows = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmbDateOrder_Click(int index);

private:
    void fill(const ImportPlan &plan);

    QString mFileName;
    Reread rereadInOrder;
};

} // namespace qm
