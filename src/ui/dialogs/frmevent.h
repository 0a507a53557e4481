// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qm {

class Globals;
class clEvent;
class UserDialogs;

// Enters a new event or edits one: checks the name and the date, refuses or advances a date another
// event already has, and saves the event with its actors, places, sources and keywords.
class frmEvent : public QDialog
{
    Q_OBJECT
public:
    frmEvent(Globals &globals, UserDialogs &dialogs, QWidget *parent = nullptr);

    // Stores the event the dialog filled in; false (the dialog stays open) when it was not stored,
    // as when the user gave up on a date another event has. Unset, the dialog saves the record itself.
    std::function<bool(clEvent &)> store;

    QLineEdit *txtName = nullptr;
    QLabel *lblNumChr = nullptr;
    QLineEdit *txtDate = nullptr;
    QLineEdit *txtDateStr = nullptr;
    // The end of a period; empty for an event of one moment.
    QLineEdit *txtEnds = nullptr;
    QLabel *lblExists = nullptr;
    QCheckBox *chkAdvance = nullptr;
    QPlainTextEdit *txtDescription = nullptr;
    QLineEdit *txtWho = nullptr;
    QLineEdit *txtWhere = nullptr;
    QLineEdit *txtSource = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QPushButton *cmdListWho = nullptr;
    QPushButton *cmdListWhere = nullptr;
    QPushButton *cmdListSource = nullptr;
    QPushButton *txtListKeyword = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    // Whether the last Save and Exit changed the event's date or era.
    bool dateChanged() const { return mDateChanged; }

public slots:
    void cmdOK_Click();
    void cmdCancel_Click();
    void txtDate_Change();
    void txtName_Change();
    void chkAdvance_Click();

private:
    void selectElements(const QString &type, QLineEdit *field);
    void refuse(QLineEdit *field, const QString &text);

    Globals &g;
    UserDialogs &mDialogs;
    // The user wrote "Displayed as" by hand since the date was last typed.
    bool mDateStrEdited = false;
    // The date as the dialog showed it: left alone, the stored date stays as it is.
    QString mShownDate;
    bool mDateChanged = false;
};

} // namespace qm
