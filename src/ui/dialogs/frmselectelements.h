// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace qm {

class Globals;

// Lists every element of one type with tick boxes, the given names ticked, and hands back the
// names ticked when Include was pressed.
class frmSelectElements : public QDialog
{
    Q_OBJECT
public:
    frmSelectElements(Globals &globals, const QString &elementType, const QString &names, QWidget *parent = nullptr);

    // The ticked names, comma-separated, after Include; the names given otherwise.
    QString selectedElements() const { return mSelected; }

    QString ElementType;
    QListWidget *lv = nullptr;
    QPushButton *cmdInclude = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdInclude_Click();
    void cmdCancel_Click();

private:
    Globals &g;
    QString mSelected;
};

// Fills a list with the elements of a type, ticking those named in `toTick` (when the rows are
// checkable). Shared by the picker and the element manager.
void LoadElementList(Globals &g, QListWidget *lv, const QString &elementType, bool checkable, const QString &toTick);

} // namespace qm
