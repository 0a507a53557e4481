// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Quillmarsh"));

    lblTitle = new QLabel(QStringLiteral("Quillmarsh"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    lblTitle->setFont(big);

    lblVersion = new QLabel(tr("Version %1").arg(QStringLiteral(QM_VERSION)), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));

    auto *about = new QLabel(tr("Illustrated timelines of historical events."), this);
    about->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addWidget(lblVersion);
    layout->addWidget(about);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

} // namespace qm
