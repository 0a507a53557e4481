// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qm {

class Globals;

// Asks which actors, places, sources or keywords to add to, or take from, several events at once.
class frmEditElements : public QDialog
{
    Q_OBJECT
public:
    frmEditElements(Globals &globals, int eventCount, QWidget *parent = nullptr);

    QComboBox *cmbType = nullptr;
    QLineEdit *txtNames = nullptr;
    QPushButton *cmdSelect = nullptr;
    QRadioButton *optAdd = nullptr;
    QRadioButton *optRemove = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The type letter chosen: "A", "P", "S" or "K".
    QString type() const;
    // The names typed, without empty ones.
    QStringList names() const;
    bool adding() const;

private:
    void cmdOK_Click();

    Globals &g;
};

} // namespace qm
