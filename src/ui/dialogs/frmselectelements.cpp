// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmselectelements.h"

#include "store/elements.h"
#include "store/globals.h"
#include "store/textrule.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace qm {

void LoadElementList(Globals &g, QListWidget *lv, const QString &elementType, bool checkable, const QString &tickNames)
{
    const QStringList toTick = SplitElements(tickNames);
    lv->clear();
    const QStringList names = elementsOfType(g.ProjectDb, elementType);
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(name, lv);
        if (!checkable)
            continue;
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        bool ticked = false;
        for (const QString &t : toTick)
            ticked = ticked || textrule::sameName(t, name.trimmed());
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
    if (!checkable)
        return;
    // Names the user typed that are no elements yet become elements when the event is saved; the
    // picker shows them ticked at the end, so that choosing from the list does not lose them.
    QStringList typed;
    for (const QString &t : toTick) {
        const auto same = [&t](const QString &n) { return textrule::sameName(t, n.trimmed()); };
        if (t.isEmpty() || std::any_of(names.begin(), names.end(), same) ||
            std::any_of(typed.begin(), typed.end(), same))
            continue;
        typed << t;
        auto *item = new QListWidgetItem(t, lv);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        QFont italic = item->font();
        italic.setItalic(true);
        item->setFont(italic);
        item->setToolTip(QObject::tr("Not an element yet: it becomes one when the event is saved"));
    }
}

frmSelectElements::frmSelectElements(Globals &globals, const QString &elementType, const QString &names,
                                     QWidget *parent)
    : QDialog(parent), ElementType(elementType), g(globals), mSelected(names)
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

    LoadElementList(g, lv, ElementType, true, mSelected);
}

void frmSelectElements::cmdInclude_Click()
{
    QStringList ticked;
    for (int i = 0; i < lv->count(); ++i) {
        if (lv->item(i)->checkState() == Qt::Checked)
            ticked << lv->item(i)->text();
    }
    mSelected = ticked.join(QStringLiteral(", "));
    accept();
}

void frmSelectElements::cmdCancel_Click()
{
    reject();
}

} // namespace qm
