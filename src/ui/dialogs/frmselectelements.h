// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace qm {

class Globals;

// Lists every element of one type with tick boxes and hands the ticked names back through
// Globals::SelectedElements.
class frmSelectElements : public QDialog
{
    Q_OBJECT
public:
    frmSelectElements(Globals &globals, const QString &elementType, QWidget *parent = nullptr);

    QString ElementType;
    QListWidget *lv = nullptr;
    QPushButton *cmdInclude = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdInclude_Click();
    void cmdCancel_Click();

private:
    Globals &g;
};

// Fills a list with the elements of a type, ticking those named in SelectedElements (when the rows
// are checkable). Shared by the picker and the element manager.
void LoadElementList(Globals &g, QListWidget *lv, const QString &elementType, bool checkable);

} // namespace qm
