// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"

#include <QDialog>

class QRadioButton;
class QPushButton;

namespace qm {

class Globals;

// The user's preferences: the order of numeric dates typed and shown, kept in the settings.
class frmPreferences : public QDialog
{
    Q_OBJECT
public:
    frmPreferences(Globals &globals, QWidget *parent = nullptr);

    QRadioButton *optDayFirst = nullptr;
    QRadioButton *optMonthFirst = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdOK_Click();

private:
    Globals &g;
};

} // namespace qm
