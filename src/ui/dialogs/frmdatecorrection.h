// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qm {

class Globals;
class UserDialogs;

// Shown when an event is about to be saved on the date of another one: proposes its own day, after
// that day's other events (or, when the day is full, the next free day), which the user may edit and
// accept, or lets the user give up saving. A date accepted on a taken day keeps its day the same way.
class frmDateCorrection : public QDialog
{
    Q_OBJECT
public:
    frmDateCorrection(Globals &globals, UserDialogs &dialogs, const QString &newName, qint32 existingId, qint32 nextId,
                      QWidget *parent = nullptr);

    QString NewName;
    qint32 ExistingId = 0;
    qint32 NextId = 0;
    ExtDate EnteredDate;
    ExtDate NextDate;

    QLineEdit *txtName1 = nullptr;
    QLineEdit *txtDate1 = nullptr;
    QLineEdit *txtName2 = nullptr;
    QLineEdit *txtDate2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLineEdit *txtName3 = nullptr;
    QLineEdit *txtDate3 = nullptr;
    QLineEdit *txtDateNew = nullptr;
    // Says that the suggested date keeps the day.
    QLabel *lblSameDay = nullptr;
    QPushButton *cmdAccept = nullptr;
    QPushButton *cmdReject = nullptr;

public slots:
    void cmdAccept_Click();
    void cmdReject_Click();

private:
    Globals &g;
    UserDialogs &mDialogs;
};

// Makes clEvent::Save ask the user through this dialog when dates clash.
void installDateCorrection(Globals &g, UserDialogs &dialogs, QWidget *parent);

} // namespace qm
