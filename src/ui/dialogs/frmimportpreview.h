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
    // Reads the sheet again with column `index` filling `field` ("" = none); unset, the columns keep
    // the fields proposed for them.
    using RereadColumn = std::function<const ImportPlan &(int index, const QString &field)>;

    frmImportPreview(const ImportPlan &plan, const QString &fileName, QWidget *parent = nullptr, Reread reread = {},
                     RereadColumn rereadColumn = {});

    // The words of the Action column: "New event", "Update of event 12", "Unchanged", "Refused: why".
    static QString actionText(const ImportRow &row);

    QLabel *lblSummary = nullptr;
    QLabel *lblDateOrder = nullptr;
    QComboBox *cmbDateOrder = nullptr;
    // One row: each column of the sheet with the field it fills, to choose another.
    QTableWidget *lvColumns = nullptr;
    QTableWidget *lvRows = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmbDateOrder_Click(int index);

private:
    void fill(const ImportPlan &plan);
    void fillColumns(const ImportPlan &plan);

    QString mFileName;
    Reread rereadInOrder;
    RereadColumn rereadColumn;
};

} // namespace qm
