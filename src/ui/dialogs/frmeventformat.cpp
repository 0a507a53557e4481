// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmeventformat.h"

#include "common/dialogbuttons.h"
#include "common/userdialogs.h"
#include "layout/canvasmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

namespace {

const char *const ColorProperty = "qmColor";

QCheckBox *check(QWidget *parent, const QString &name, const QString &text, bool on)
{
    auto *c = new QCheckBox(text, parent);
    c->setObjectName(name);
    c->setChecked(on);
    return c;
}

qint32 colorOf(const QPushButton *button)
{
    return button->property(ColorProperty).toInt();
}

} // namespace

frmEventFormat::frmEventFormat(const clFormat &format, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), mFormat(format), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmEventFormat"));
    setWindowTitle(tr("Event format"));
    const clFormat &f = format;
    QWidget *names = labelGroup(tr("Name label"), QStringLiteral("Name"), name, f.TextFont, f.TextFontSize, f.TextBold,
                                f.TextItalic, f.TextSolid, f.TextShowBorder, f.TextForeColor, f.TextBackColor);
    QWidget *dates = labelGroup(tr("Date label"), QStringLiteral("Date"), date, f.DateFont, f.DateFontSize, f.DateBold,
                                f.DateItalic, f.DateSolid, f.DateShowBorder, f.DateForeColor, f.DateBackColor);
    QWidget *pictures = pictureGroup(f);
    chkApplyAll = check(this, QStringLiteral("chkApplyAll"), tr("Apply to all boxes of this timeline"), false);
    chkMakeDefault =
        check(this, QStringLiteral("chkMakeDefault"), tr("Make it this timeline's default for new events"), false);

    QDialogButtonBox *buttons = okCancelButtons(this, cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(names);
    layout->addWidget(dates);
    layout->addWidget(pictures);
    layout->addSpacing(8);
    layout->addWidget(chkApplyAll);
    layout->addWidget(chkMakeDefault);
    layout->addWidget(buttons);
}

QWidget *frmEventFormat::labelGroup(const QString &title, const QString &prefix, LabelControls &c, const QString &font,
                                    int size, bool bold, bool italic, bool solid, bool border, qint32 fore, qint32 back)
{
    auto *group = new QGroupBox(title, this);
    c.cmbFont = new QComboBox(group);
    c.cmbFont->setObjectName(QStringLiteral("cmb%1Font").arg(prefix));
    c.cmbFont->addItems(QFontDatabase::families());
    // A font the system lacks is drawn with a look-alike; the list still names it as the format does.
    if (c.cmbFont->findText(font) < 0)
        c.cmbFont->insertItem(0, font);
    c.cmbFont->setCurrentIndex(c.cmbFont->findText(font));
    c.spnSize = new QSpinBox(group);
    c.spnSize->setObjectName(QStringLiteral("spn%1Size").arg(prefix));
    c.spnSize->setRange(1, 72);
    c.spnSize->setSuffix(tr(" pt"));
    c.spnSize->setValue(size);
    c.chkBold = check(group, QStringLiteral("chk%1Bold").arg(prefix), tr("&Bold"), bold);
    c.chkItalic = check(group, QStringLiteral("chk%1Italic").arg(prefix), tr("&Italic"), italic);
    c.chkSolid = check(group, QStringLiteral("chk%1Solid").arg(prefix), tr("&Solid background"), solid);
    c.chkBorder = check(group, QStringLiteral("chk%1Border").arg(prefix), tr("B&order"), border);
    c.cmdFore = new QPushButton(tr("Text colour…"), group);
    c.cmdFore->setObjectName(QStringLiteral("cmd%1Fore").arg(prefix));
    c.cmdBack = new QPushButton(tr("Back colour…"), group);
    c.cmdBack->setObjectName(QStringLiteral("cmd%1Back").arg(prefix));
    showColor(c.cmdFore, fore);
    showColor(c.cmdBack, back);
    QCheckBox *solidBox = c.chkSolid;
    connect(c.cmdFore, &QPushButton::clicked, this, [this, b = c.cmdFore] { chooseColor(b, false, nullptr); });
    connect(c.cmdBack, &QPushButton::clicked, this,
            [this, b = c.cmdBack, solidBox] { chooseColor(b, true, solidBox); });

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Font:"), group), 0, 0);
    grid->addWidget(c.cmbFont, 0, 1, 1, 2);
    grid->addWidget(c.spnSize, 0, 3);
    grid->addWidget(c.chkBold, 1, 0);
    grid->addWidget(c.chkItalic, 1, 1);
    grid->addWidget(c.chkSolid, 1, 2);
    grid->addWidget(c.chkBorder, 1, 3);
    grid->addWidget(c.cmdFore, 2, 0, 1, 2);
    grid->addWidget(c.cmdBack, 2, 2, 1, 2);
    return group;
}

QWidget *frmEventFormat::pictureGroup(const clFormat &f)
{
    auto *group = new QGroupBox(tr("Picture and connector"), this);
    spnPictureBorder = new QSpinBox(group);
    spnPictureBorder->setObjectName(QStringLiteral("spnPictureBorder"));
    // Whole points at full size, as the fonts are given; the file keeps twips.
    spnPictureBorder->setRange(0, 20);
    spnPictureBorder->setSuffix(tr(" pt"));
    spnPictureBorder->setSpecialValueText(tr("None"));
    spnPictureBorder->setValue((f.PictureBorderWidth + 10) / 20);
    cmdPictureBorderColor = new QPushButton(tr("Border colour…"), group);
    cmdPictureBorderColor->setObjectName(QStringLiteral("cmdPictureBorderColor"));
    showColor(cmdPictureBorderColor, f.PictureBorderColor);
    chkLineVisible =
        check(group, QStringLiteral("chkLineVisible"), tr("&Connector line to the time axis"), f.LineVisible);
    cmdLineColor = new QPushButton(tr("Line colour…"), group);
    cmdLineColor->setObjectName(QStringLiteral("cmdLineColor"));
    showColor(cmdLineColor, f.LineColor);
    cmbLineStyle = new QComboBox(group);
    cmbLineStyle->setObjectName(QStringLiteral("cmbLineStyle"));
    cmbLineStyle->addItem(tr("Solid"), int(clFormat::LineSolid));
    cmbLineStyle->addItem(tr("Dashed"), int(clFormat::LineDashed));
    cmbLineStyle->addItem(tr("Dotted"), int(clFormat::LineDotted));
    cmbLineStyle->setCurrentIndex(std::max(0, cmbLineStyle->findData(f.LineStyle)));
    connect(cmdPictureBorderColor, &QPushButton::clicked, this, [this] {
        chooseColor(cmdPictureBorderColor, false, nullptr);
        // A colour chosen for a border that is not there is meant to be seen.
        if (spnPictureBorder->value() == 0)
            spnPictureBorder->setValue(1);
    });
    connect(cmdLineColor, &QPushButton::clicked, this, [this] { chooseColor(cmdLineColor, false, nullptr); });

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Picture border:"), group), 0, 0);
    grid->addWidget(spnPictureBorder, 0, 1);
    grid->addWidget(cmdPictureBorderColor, 0, 2);
    grid->addWidget(chkLineVisible, 1, 0, 1, 3);
    grid->addWidget(new QLabel(tr("Connector:"), group), 2, 0);
    grid->addWidget(cmbLineStyle, 2, 1);
    grid->addWidget(cmdLineColor, 2, 2);
    return group;
}

void frmEventFormat::showColor(QPushButton *button, qint32 color)
{
    button->setProperty(ColorProperty, color);
    QPixmap swatch(16, 16);
    swatch.fill(colorFromLong(color));
    button->setIcon(QIcon(swatch));
}

void frmEventFormat::chooseColor(QPushButton *button, bool back, QCheckBox *solid)
{
    const QColor chosen = mDialogs.color(this, colorFromLong(colorOf(button)));
    if (!chosen.isValid())
        return;
    showColor(button, longFromColor(chosen));
    // A chosen background is meant to be seen, as on the edit band.
    if (back && solid)
        solid->setChecked(true);
}

clFormat frmEventFormat::format() const
{
    clFormat f = mFormat;
    f.TextFont = name.cmbFont->currentText();
    f.TextFontSize = name.spnSize->value();
    f.TextBold = name.chkBold->isChecked();
    f.TextItalic = name.chkItalic->isChecked();
    f.TextSolid = name.chkSolid->isChecked();
    f.TextShowBorder = name.chkBorder->isChecked();
    f.TextForeColor = colorOf(name.cmdFore);
    f.TextBackColor = colorOf(name.cmdBack);
    f.DateFont = date.cmbFont->currentText();
    f.DateFontSize = date.spnSize->value();
    f.DateBold = date.chkBold->isChecked();
    f.DateItalic = date.chkItalic->isChecked();
    f.DateSolid = date.chkSolid->isChecked();
    f.DateShowBorder = date.chkBorder->isChecked();
    f.DateForeColor = colorOf(date.cmdFore);
    f.DateBackColor = colorOf(date.cmdBack);
    f.LineVisible = chkLineVisible->isChecked();
    f.PictureBorderWidth = spnPictureBorder->value() * 20;
    f.PictureBorderColor = colorOf(cmdPictureBorderColor);
    f.LineColor = colorOf(cmdLineColor);
    f.LineStyle = cmbLineStyle->currentData().toInt();
    return f;
}

bool frmEventFormat::applyToAll() const
{
    return chkApplyAll->isChecked();
}

bool frmEventFormat::makeDefault() const
{
    return chkMakeDefault->isChecked();
}

} // namespace qm
