// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/pagesetup.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace qm {

// Chooses how a timeline goes onto paper: sheet, orientation, margins and scale.
class frmPageSetup : public QDialog
{
    Q_OBJECT
public:
    explicit frmPageSetup(const PageSetup &setup, QWidget *parent = nullptr);

    // The setup the fields show.
    PageSetup setup() const;

    QComboBox *cmbPaper = nullptr;
    QRadioButton *optLandscape = nullptr;
    QRadioButton *optPortrait = nullptr;
    QDoubleSpinBox *txtMarginLeft = nullptr;
    QDoubleSpinBox *txtMarginTop = nullptr;
    QDoubleSpinBox *txtMarginRight = nullptr;
    QDoubleSpinBox *txtMarginBottom = nullptr;
    QRadioButton *optFitOne = nullptr;
    QRadioButton *optFitPages = nullptr;
    QSpinBox *txtPagesWide = nullptr;
    QSpinBox *txtPagesHigh = nullptr;
    QRadioButton *optPercent = nullptr;
    QSpinBox *txtPercent = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

private:
    void enableScaleFields();
};

} // namespace qm
