// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/categories.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QTreeWidget;

namespace qm {

class ProjectDatabase;
class UserDialogs;

// A timeline's categories (Timelines > Categories…): ordered rules that colour the events having an
// element, the first matching rule winning, and whether the legend shows.
class frmCategories : public QDialog
{
    Q_OBJECT
public:
    frmCategories(ProjectDatabase &db, const Categories &categories, UserDialogs &dialogs, QWidget *parent = nullptr);

    QTreeWidget *lvCategories = nullptr;
    QComboBox *cmbType = nullptr;
    QComboBox *cmbElement = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdColor = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdUp = nullptr;
    QPushButton *cmdDown = nullptr;
    QCheckBox *chkShowLegend = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The categories as the dialog leaves them.
    Categories categories() const { return mCategories; }

public slots:
    void cmbType_Click(int row);
    void cmdAdd_Click();
    void cmdColor_Click();
    void cmdRemove_Click();
    void moveSelected(int step);

private:
    void fillList(int select);
    int selectedRow() const;

    ProjectDatabase &mDb;
    UserDialogs &mDialogs;
    Categories mCategories;
    std::vector<CategoryRule> mChoices;
};

} // namespace qm
