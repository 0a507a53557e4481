// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmanage.h"

#include "edit/canvascommand.h"
#include "edit/elementscommand.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "common/windowsession.h"
#include "frmselectelements.h"
#include "store/elements.h"
#include "store/globals.h"
#include "store/textrule.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QVBoxLayout>

namespace qm {

namespace {

const QStringList TypeLetters = {QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("S"), QStringLiteral("K")};

} // namespace

frmManage::frmManage(Globals &globals, WindowSession &windows, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), g(globals), mWindows(windows), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmManage"));
    setWindowTitle(QStringLiteral("Manage elements"));

    tabs = new QTabBar(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    for (const QString &letter : TypeLetters)
        tabs->addTab(elementTypeWord(letter));

    lv = new QListWidget(this);
    lv->setObjectName(QStringLiteral("lv"));
    lv->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lv->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);

    txtAdd = new QLineEdit(this);
    txtAdd->setObjectName(QStringLiteral("txtAdd"));
    txtAdd->setPlaceholderText(tr("New name"));
    cmdAdd = new QPushButton(QStringLiteral("Add"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdDelete = new QPushButton(QStringLiteral("Delete"), this);
    cmdDelete->setObjectName(QStringLiteral("cmdDelete"));
    cmdDone = new QPushButton(QStringLiteral("Done"), this);
    cmdDone->setObjectName(QStringLiteral("cmdDone"));
    // Enter in the name field adds it; it must not close the window.
    cmdAdd->setDefault(true);

    auto *addRow = new QHBoxLayout;
    addRow->addWidget(txtAdd, 1);
    addRow->addWidget(cmdAdd);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addWidget(cmdDelete);
    buttonRow->addStretch();
    buttonRow->addWidget(cmdDone);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(lv, 1);
    layout->addLayout(addRow);
    layout->addLayout(buttonRow);
    resize(380, 480);

    if (mWindows.ManageElementType.isEmpty())
        mWindows.ManageElementType = QStringLiteral("A");
    tabs->setCurrentIndex(std::max<qsizetype>(0, TypeLetters.indexOf(mWindows.ManageElementType)));
    reload();

    connect(tabs, &QTabBar::currentChanged, this, &frmManage::tabs_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmManage::cmdAdd_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmManage::cmdDelete_Click);
    connect(cmdDone, &QPushButton::clicked, this, &QDialog::accept);
    connect(lv, &QListWidget::itemClicked, this, &frmManage::lv_ItemClick);
    connect(lv, &QListWidget::currentItemChanged, this, [this](QListWidgetItem *item) { lv_ItemClick(item); });
    connect(lv, &QListWidget::itemChanged, this, &frmManage::lv_AfterLabelEdit);
    txtAdd->setFocus();
}

void frmManage::reload()
{
    mLoading = true;
    LoadElementList(g, lv, mWindows.ManageElementType, false, {});
    for (int i = 0; i < lv->count(); ++i)
        lv->item(i)->setFlags(lv->item(i)->flags() | Qt::ItemIsEditable);
    SelectedName.clear();
    mLoading = false;
}

void frmManage::tabs_Click(int index)
{
    runGuarded(mDialogs, this, [this, index] {
        mWindows.ManageElementType = TypeLetters.value(index, QStringLiteral("A"));
        reload();
    });
}

namespace {

// Why a name cannot be an element; "" when it can.
QString refusalOf(const QString &name)
{
    if (name.isEmpty())
        return QObject::tr("Type a name first: an element needs one.");
    // An event keeps its elements as one list separated by commas.
    if (name.contains(u','))
        return QObject::tr("\"%1\" holds a comma, so an event would read it as two names. Add each name on "
                           "its own.")
            .arg(name);
    return {};
}

} // namespace

void frmManage::cmdAdd_Click()
{
    runGuarded(mDialogs, this, [this] {
        const QString name = txtAdd->text().trimmed();
        if (const QString why = refusalOf(name); !why.isEmpty()) {
            txtAdd->setFocus();
            mDialogs.message(this, why);
            return;
        }
        txtAdd->clear();
        bool added = false;
        change(QStringLiteral("add %1 \"%2\"").arg(typeWord(), name),
               [&] { added = addElement(g.ProjectDb, mWindows.ManageElementType, name); });
        if (added) {
            mLoading = true;
            auto *item = new QListWidgetItem(name, lv);
            item->setFlags(item->flags() | Qt::ItemIsEditable);
            mLoading = false;
        }
    });
}

void frmManage::cmdDelete_Click()
{
    runGuarded(mDialogs, this, [this] {
        const QList<QListWidgetItem *> items = lv->selectedItems();
        QStringList used;
        for (const QListWidgetItem *item : items) {
            if (const int n = eventsUsingElement(g.ProjectDb, mWindows.ManageElementType, item->text()); n > 0)
                used << QStringLiteral("\"%1\" is used by %2 event(s)").arg(item->text()).arg(n);
        }
        if (!used.isEmpty() &&
            !mDialogs.warning(this,
                              used.join(QStringLiteral(", ")) + QStringLiteral(", which will lose it. Delete anyway?"),
                              QStringLiteral("Delete warning")))
            return;
        QStringList names;
        for (const QListWidgetItem *item : items)
            names << item->text();
        change(names.size() == 1 ? QStringLiteral("delete %1 \"%2\"").arg(typeWord(), names.front())
                                 : QStringLiteral("delete %1 %2s").arg(names.size()).arg(typeWord()),
               [&] {
                   for (const QString &name : names)
                       deleteElement(g.ProjectDb, mWindows.ManageElementType, name);
               });
        qDeleteAll(items);
        SelectedName.clear();
    });
}

void frmManage::change(const QString &text, const std::function<void()> &apply)
{
    pushCommand(g.History, std::make_unique<ElementsCommand>(g.ProjectDb, mWindows.ManageElementType, text, apply));
}

QString frmManage::typeWord() const
{
    const QString word = elementTypeWord(mWindows.ManageElementType).toLower();
    return word.endsWith(u's') ? word.chopped(1) : word;
}

void frmManage::lv_ItemClick(QListWidgetItem *item)
{
    if (item)
        SelectedName = item->text();
}

void frmManage::lv_AfterLabelEdit(QListWidgetItem *item)
{
    runGuarded(mDialogs, this, [this, item] {
        if (mLoading || !item)
            return;
        const QString newName = item->text().trimmed();
        const QString oldName = SelectedName;
        auto restore = [&] {
            mLoading = true;
            item->setText(oldName);
            mLoading = false;
        };
        if (newName == oldName)
            return;
        if (const QString why = refusalOf(newName); !why.isEmpty()) {
            restore();
            mDialogs.message(this, why);
            return;
        }
        // Two elements that only differ in case would be one for every other part of the program.
        if (!textrule::sameName(newName, oldName) &&
            elementsOfType(g.ProjectDb, mWindows.ManageElementType).contains(newName, Qt::CaseInsensitive)) {
            restore();
            mDialogs.message(this, tr("There is already an element named \"%1\".").arg(newName));
            return;
        }
        change(QStringLiteral("rename %1 \"%2\" to \"%3\"").arg(typeWord(), oldName, newName),
               [&] { renameElement(g.ProjectDb, mWindows.ManageElementType, oldName, newName); });
        SelectedName = newName;
        if (item->text() != newName) {
            mLoading = true;
            item->setText(newName);
            mLoading = false;
        }
    });
}

} // namespace qm
