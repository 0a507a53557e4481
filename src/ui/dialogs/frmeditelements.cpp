// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmeditelements.h"

#include "common/dialogbuttons.h"
#include "frmselectelements.h"
#include "store/elements.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace qm {

namespace {

const QString TypeLetters = QStringLiteral("APSK");

} // namespace

frmEditElements::frmEditElements(Globals &globals, int eventCount, QWidget *parent) : QDialog(parent), g(globals)
{
    setObjectName(QStringLiteral("frmEditElements"));
    setWindowTitle(tr("Edit elements of %n event(s)", nullptr, eventCount));
    cmbType = new QComboBox(this);
    cmbType->setObjectName(QStringLiteral("cmbType"));
    for (const QChar t : TypeLetters)
        cmbType->addItem(elementTypeWord(QString(t)));
    cmbType->setCurrentIndex(3);
    txtNames = new QLineEdit(this);
    txtNames->setObjectName(QStringLiteral("txtNames"));
    txtNames->setPlaceholderText(tr("Names separated by commas"));
    txtNames->setMinimumWidth(320);
    cmdSelect = new QPushButton(tr("Select"), this);
    cmdSelect->setObjectName(QStringLiteral("cmdSelect"));
    cmdSelect->setAutoDefault(false);
    optAdd = new QRadioButton(tr("Add them to every event"), this);
    optAdd->setObjectName(QStringLiteral("optAdd"));
    optAdd->setChecked(true);
    optRemove = new QRadioButton(tr("Remove them from every event"), this);
    optRemove->setObjectName(QStringLiteral("optRemove"));

    auto *names = new QHBoxLayout;
    names->addWidget(txtNames, 1);
    names->addWidget(cmdSelect);
    auto *form = new QFormLayout(this);
    form->addRow(tr("Type"), cmbType);
    form->addRow(tr("Names"), names);
    form->addRow(QString(), optAdd);
    form->addRow(QString(), optRemove);
    form->addRow(okCancelButtons(this, cmdOK, cmdCancel));

    connect(cmdSelect, &QPushButton::clicked, this, [this] {
        frmSelectElements picker(g, type(), txtNames->text(), this);
        picker.exec();
        txtNames->setText(picker.selectedElements());
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmEditElements::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString frmEditElements::type() const
{
    return QString(TypeLetters.at(std::clamp(cmbType->currentIndex(), 0, 3)));
}

QStringList frmEditElements::names() const
{
    QStringList list;
    for (const QString &name : SplitElements(txtNames->text())) {
        if (!name.isEmpty() && !list.contains(name, Qt::CaseInsensitive))
            list << name;
    }
    return list;
}

bool frmEditElements::adding() const
{
    return optAdd->isChecked();
}

void frmEditElements::cmdOK_Click()
{
    if (names().isEmpty()) {
        txtNames->setFocus();
        return;
    }
    accept();
}

} // namespace qm
