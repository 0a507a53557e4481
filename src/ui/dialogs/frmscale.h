// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/scalecommands.h"

#include <QDialog>

class QDoubleSpinBox;
class QPushButton;
class QRadioButton;

namespace qm {

// How a timeline lays out time: in date order, or to scale fitted to the window or at so many years
// per page width. The result is read with scale() after the dialog was accepted.
class frmScale : public QDialog
{
    Q_OBJECT
public:
    frmScale(const TimeScaleCommand::Scale &current, QWidget *parent = nullptr);

    TimeScaleCommand::Scale scale() const;

    QRadioButton *optDateOrder = nullptr;
    QRadioButton *optToScale = nullptr;
    QRadioButton *optFitWindow = nullptr;
    QRadioButton *optYearsPerWidth = nullptr;
    QDoubleSpinBox *txtYearsPerWidth = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void enableChoices();
};

} // namespace qm
