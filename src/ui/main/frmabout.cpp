// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmabout.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
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

    lblIcon = new QLabel(this);
    lblIcon->setObjectName(QStringLiteral("lblIcon"));
    lblIcon->setPixmap(QApplication::windowIcon().pixmap(QSize(96, 96)));

    lblLicence = new QLabel(tr("Free software under the GNU General Public License, version 3 or any later "
                               "version. It comes with no warranty."),
                            this);
    lblLicence->setObjectName(QStringLiteral("lblLicence"));
    lblLicence->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    cmdOK = buttons->button(QDialogButtonBox::Ok);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addWidget(about);
    text->addWidget(lblLicence);
    auto *top = new QHBoxLayout;
    top->addWidget(lblIcon, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

} // namespace qm
