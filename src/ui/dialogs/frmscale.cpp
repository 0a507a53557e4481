// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmscale.h"

#include "common/dialogbuttons.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qm {

frmScale::frmScale(const TimeScaleCommand::Scale &current, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmScale"));
    setWindowTitle(tr("Scale"));

    optDateOrder = new QRadioButton(tr("In &date order"), this);
    optDateOrder->setObjectName(QStringLiteral("optDateOrder"));
    optToScale = new QRadioButton(tr("To &scale"), this);
    optToScale->setObjectName(QStringLiteral("optToScale"));
    (current.toScale ? optToScale : optDateOrder)->setChecked(true);

    auto *width = new QGroupBox(tr("Width"), this);
    optFitWindow = new QRadioButton(tr("&Fit to window"), width);
    optFitWindow->setObjectName(QStringLiteral("optFitWindow"));
    optYearsPerWidth = new QRadioButton(tr("&Years per page width:"), width);
    optYearsPerWidth->setObjectName(QStringLiteral("optYearsPerWidth"));
    txtYearsPerWidth = new QDoubleSpinBox(width);
    txtYearsPerWidth->setObjectName(QStringLiteral("txtYearsPerWidth"));
    txtYearsPerWidth->setRange(0.01, 100000.0);
    txtYearsPerWidth->setDecimals(2);
    txtYearsPerWidth->setValue(current.yearsPerWidth > 0.0 ? current.yearsPerWidth : 100.0);
    (current.yearsPerWidth > 0.0 ? optYearsPerWidth : optFitWindow)->setChecked(true);
    auto *years = new QHBoxLayout;
    years->addWidget(optYearsPerWidth);
    years->addWidget(txtYearsPerWidth);
    auto *inner = new QVBoxLayout(width);
    inner->addWidget(optFitWindow);
    inner->addLayout(years);

    QDialogButtonBox *buttons = okCancelButtons(this, cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    for (QRadioButton *o : {optDateOrder, optToScale, optFitWindow, optYearsPerWidth})
        connect(o, &QRadioButton::toggled, this, &frmScale::enableChoices);
    enableChoices();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(optDateOrder);
    layout->addWidget(optToScale);
    layout->addWidget(width);
    layout->addWidget(buttons);
}

void frmScale::enableChoices()
{
    // The width only means something to scale: in date order the boxes stand where they were put.
    const bool toScale = optToScale->isChecked();
    optFitWindow->setEnabled(toScale);
    optYearsPerWidth->setEnabled(toScale);
    txtYearsPerWidth->setEnabled(toScale && optYearsPerWidth->isChecked());
}

TimeScaleCommand::Scale frmScale::scale() const
{
    return {optToScale->isChecked(), optYearsPerWidth->isChecked() ? txtYearsPerWidth->value() : 0.0};
}

} // namespace qm
