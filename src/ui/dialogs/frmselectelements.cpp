// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmselectelements.h"

#include "store/elements.h"
#include "store/globals.h"
#include "store/textrule.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

void LoadElementList(Globals &g, QListWidget *lv, const QString &elementType, bool checkable)
{
    const QStringList toTick = SplitElements(g.SelectedElements);
    lv->clear();
    for (const QString &name : elementsOfType(g.ProjectDb, elementType)) {
        auto *item = new QListWidgetItem(name, lv);
        if (!checkable)
            continue;
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        bool ticked = false;
        for (const QString &t : toTick)
            ticked = ticked || textrule::sameName(t, name.trimmed());
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

frmSelectElements::frmSelectElements(Globals &globals, const QString &elementType, QWidget *parent)
    : QDialog(parent), ElementType(elementType), g(globals)
{
    setObjectName(QStringLiteral("frmSelectElements"));
    setWindowTitle(QStringLiteral("Element selection: ") + elementTypeWord(ElementType));

    lv = new QListWidget(this);
    lv->setObjectName(QStringLiteral("lv"));

    auto *buttons = new QDialogButtonBox(this);
    cmdInclude = buttons->addButton(QStringLiteral("Include and Exit"), QDialogButtonBox::AcceptRole);
    cmdInclude->setObjectName(QStringLiteral("cmdInclude"));
    cmdInclude->setDefault(true);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cmdInclude, &QPushButton::clicked, this, &frmSelectElements::cmdInclude_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSelectElements::cmdCancel_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lv);
    layout->addWidget(buttons);
    resize(340, 420);

    LoadElementList(g, lv, ElementType, true);
}

void frmSelectElements::cmdInclude_Click()
{
    QStringList ticked;
    for (int i = 0; i < lv->count(); ++i) {
        if (lv->item(i)->checkState() == Qt::Checked)
            ticked << lv->item(i)->text();
    }
    g.SelectedElements = ticked.join(u',');
    accept();
}

void frmSelectElements::cmdCancel_Click()
{
    reject();
}

} // namespace qm
