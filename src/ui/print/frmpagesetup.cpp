// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmpagesetup.h"

#include "common/dialogbuttons.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qm {

namespace {

template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QDoubleSpinBox *marginBox(QWidget *parent, const char *name, double value)
{
    auto *box = named(new QDoubleSpinBox(parent), name);
    box->setRange(0, 100);
    box->setDecimals(1);
    box->setSuffix(QStringLiteral(" mm"));
    box->setValue(value);
    return box;
}

} // namespace

frmPageSetup::frmPageSetup(const PageSetup &setup, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPageSetup"));
    setWindowTitle(tr("Page setup"));

    cmbPaper = named(new QComboBox(this), "cmbPaper");
    cmbPaper->addItem(tr("A4"), static_cast<int>(PageSetup::Paper::A4));
    cmbPaper->addItem(tr("Letter"), static_cast<int>(PageSetup::Paper::Letter));
    cmbPaper->addItem(tr("A3"), static_cast<int>(PageSetup::Paper::A3));
    cmbPaper->addItem(tr("The printer's own paper"), static_cast<int>(PageSetup::Paper::Printer));
    cmbPaper->setCurrentIndex(cmbPaper->findData(static_cast<int>(setup.paper)));

    optLandscape = named(new QRadioButton(tr("&Landscape"), this), "optLandscape");
    optPortrait = named(new QRadioButton(tr("&Portrait"), this), "optPortrait");
    (setup.orientation == QPageLayout::Landscape ? optLandscape : optPortrait)->setChecked(true);
    auto *orientation = new QHBoxLayout;
    orientation->addWidget(optLandscape);
    orientation->addWidget(optPortrait);
    orientation->addStretch();

    txtMarginLeft = marginBox(this, "txtMarginLeft", setup.margins.left());
    txtMarginTop = marginBox(this, "txtMarginTop", setup.margins.top());
    txtMarginRight = marginBox(this, "txtMarginRight", setup.margins.right());
    txtMarginBottom = marginBox(this, "txtMarginBottom", setup.margins.bottom());
    auto *margins = new QGridLayout;
    margins->addWidget(new QLabel(tr("Left:"), this), 0, 0);
    margins->addWidget(txtMarginLeft, 0, 1);
    margins->addWidget(new QLabel(tr("Right:"), this), 0, 2);
    margins->addWidget(txtMarginRight, 0, 3);
    margins->addWidget(new QLabel(tr("Top:"), this), 1, 0);
    margins->addWidget(txtMarginTop, 1, 1);
    margins->addWidget(new QLabel(tr("Bottom:"), this), 1, 2);
    margins->addWidget(txtMarginBottom, 1, 3);

    optFitOne = named(new QRadioButton(tr("Fit to &one page"), this), "optFitOne");
    optFitPages = named(new QRadioButton(tr("Fit to"), this), "optFitPages");
    txtPagesWide = named(new QSpinBox(this), "txtPagesWide");
    txtPagesWide->setRange(1, 50);
    txtPagesWide->setValue(setup.pagesWide);
    txtPagesHigh = named(new QSpinBox(this), "txtPagesHigh");
    txtPagesHigh->setRange(0, 50);
    // 0 high: as many sheets as the width leaves the timeline's height.
    txtPagesHigh->setSpecialValueText(tr("any number of"));
    txtPagesHigh->setValue(setup.pagesHigh);
    optPercent = named(new QRadioButton(tr("&Scale to"), this), "optPercent");
    txtPercent = named(new QSpinBox(this), "txtPercent");
    txtPercent->setRange(1, 1000);
    txtPercent->setSuffix(QStringLiteral(" %"));
    txtPercent->setValue(setup.percent);
    switch (setup.fit) {
    case PageSetup::Fit::OnePage:
        optFitOne->setChecked(true);
        break;
    case PageSetup::Fit::Pages:
        optFitPages->setChecked(true);
        break;
    case PageSetup::Fit::Percent:
        optPercent->setChecked(true);
        break;
    }
    auto *fit = new QButtonGroup(this);
    for (QRadioButton *b : {optFitOne, optFitPages, optPercent})
        fit->addButton(b);
    auto *pages = new QHBoxLayout;
    pages->addWidget(optFitPages);
    pages->addWidget(txtPagesWide);
    pages->addWidget(new QLabel(tr("pages wide by"), this));
    pages->addWidget(txtPagesHigh);
    pages->addWidget(new QLabel(tr("high"), this));
    pages->addStretch();
    auto *percent = new QHBoxLayout;
    percent->addWidget(optPercent);
    percent->addWidget(txtPercent);
    percent->addWidget(new QLabel(tr("of true size"), this));
    percent->addStretch();
    auto *scaleBox = new QGroupBox(tr("Scale"), this);
    auto *scale = new QVBoxLayout(scaleBox);
    scale->addWidget(optFitOne);
    scale->addLayout(pages);
    scale->addLayout(percent);
    connect(fit, &QButtonGroup::buttonToggled, this, &frmPageSetup::enableScaleFields);
    enableScaleFields();

    QDialogButtonBox *buttons = okCancelButtons(this, cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *form = new QFormLayout;
    form->addRow(tr("Pape&r:"), cmbPaper);
    form->addRow(tr("Orientation:"), orientation);
    form->addRow(tr("Margins:"), margins);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(scaleBox);
    layout->addWidget(buttons);
}

void frmPageSetup::enableScaleFields()
{
    txtPagesWide->setEnabled(optFitPages->isChecked());
    txtPagesHigh->setEnabled(optFitPages->isChecked());
    txtPercent->setEnabled(optPercent->isChecked());
}

PageSetup frmPageSetup::setup() const
{
    PageSetup s;
    s.paper = static_cast<PageSetup::Paper>(cmbPaper->currentData().toInt());
    s.orientation = optPortrait->isChecked() ? QPageLayout::Portrait : QPageLayout::Landscape;
    s.margins =
        QMarginsF(txtMarginLeft->value(), txtMarginTop->value(), txtMarginRight->value(), txtMarginBottom->value());
    s.fit = optFitPages->isChecked()  ? PageSetup::Fit::Pages
            : optPercent->isChecked() ? PageSetup::Fit::Percent
                                      : PageSetup::Fit::OnePage;
    s.pagesWide = txtPagesWide->value();
    s.pagesHigh = txtPagesHigh->value();
    s.percent = txtPercent->value();
    return s;
}

} // namespace qm
