// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmpreferences.h"

#include "common/dialogbuttons.h"
#include "store/globals.h"
#include "store/preferences.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm {

frmPreferences::frmPreferences(Globals &globals, QWidget *parent) : QDialog(parent), g(globals)
{
    setObjectName(QStringLiteral("frmPreferences"));
    setWindowTitle(tr("Preferences"));

    auto *group = new QGroupBox(tr("Dates typed and shown with numbers"), this);
    optDayFirst = new QRadioButton(tr("&Day first: 5/7/1789, 5 July 1789"), group);
    optDayFirst->setObjectName(QStringLiteral("optDayFirst"));
    optMonthFirst = new QRadioButton(tr("&Month first: 7/5/1789, July 5, 1789"), group);
    optMonthFirst->setObjectName(QStringLiteral("optMonthFirst"));
    (g.dateOrder == DateOrder::DayFirst ? optDayFirst : optMonthFirst)->setChecked(true);
    auto *note = new QLabel(tr("Stored dates and the dates events show do not change."), group);
    note->setWordWrap(true);
    auto *inner = new QVBoxLayout(group);
    inner->addWidget(optDayFirst);
    inner->addWidget(optMonthFirst);
    inner->addWidget(note);

    QDialogButtonBox *buttons = okCancelButtons(this, cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmPreferences::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

void frmPreferences::cmdOK_Click()
{
    g.dateOrder = optDayFirst->isChecked() ? DateOrder::DayFirst : DateOrder::MonthFirst;
    SaveDateOrder(g.dateOrder);
    accept();
}

} // namespace qm
