// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qm {

class Globals;
class clTimeLine;
class UserDialogs;

// Names, describes and titles the current timeline; refuses a name another timeline already has.
class frmTimeLine : public QDialog
{
    Q_OBJECT
public:
    frmTimeLine(Globals &globals, UserDialogs &dialogs, QWidget *parent = nullptr);

    // Stores the record as the dialog filled it in; false keeps the dialog open. Unset, the dialog
    // saves the record itself.
    std::function<bool(clTimeLine &)> store;

    QLineEdit *txtName = nullptr;
    QPlainTextEdit *txtDescription = nullptr;
    QLineEdit *txtTitle = nullptr;
    QLineEdit *txtSubtitle = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();

private:
    Globals &g;
    UserDialogs &mDialogs;
};

} // namespace qm
