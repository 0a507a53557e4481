// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmcategories.h"

#include "common/dialogbuttons.h"
#include "common/userdialogs.h"
#include "layout/canvasmodel.h"
#include "store/elements.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace qm {

namespace {

const char *const TypeLetters[] = {"A", "P", "S", "K"};

// "Actor" for "A" and so on.
QString typeName(const QString &letter)
{
    QString word = elementTypeWord(letter);
    word.chop(1);
    return word;
}

QIcon swatch(qint32 color)
{
    QPixmap p(16, 16);
    p.fill(colorFromLong(color));
    return QIcon(p);
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

frmCategories::frmCategories(ProjectDatabase &db, const Categories &categories, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), mDb(db), mDialogs(dialogs), mCategories(categories)
{
    setObjectName(QStringLiteral("frmCategories"));
    setWindowTitle(tr("Categories"));

    auto *note = new QLabel(tr("Events with the element of a category show its colour in their name and "
                               "connector. An event in several categories takes the colour of the first."),
                            this);
    note->setWordWrap(true);
    lvCategories = new QTreeWidget(this);
    lvCategories->setObjectName(QStringLiteral("lvCategories"));
    lvCategories->setHeaderLabels({tr("Element"), tr("Type")});
    lvCategories->setRootIsDecorated(false);
    lvCategories->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    cmbType = new QComboBox(this);
    cmbType->setObjectName(QStringLiteral("cmbType"));
    for (const char *letter : TypeLetters)
        cmbType->addItem(typeName(QString::fromLatin1(letter)));
    cmbElement = new QComboBox(this);
    cmbElement->setObjectName(QStringLiteral("cmbElement"));
    cmbElement->setMinimumContentsLength(20);
    cmdAdd = button(this, "cmdAdd", tr("&Add"));
    cmdColor = button(this, "cmdColor", tr("&Colour…"));
    cmdRemove = button(this, "cmdRemove", tr("&Remove"));
    cmdUp = button(this, "cmdUp", tr("Move &up"));
    cmdDown = button(this, "cmdDown", tr("Move &down"));
    chkShowLegend = new QCheckBox(tr("Show the &legend on the timeline"), this);
    chkShowLegend->setObjectName(QStringLiteral("chkShowLegend"));
    chkShowLegend->setChecked(mCategories.legendVisible);

    connect(cmbType, &QComboBox::currentIndexChanged, this, &frmCategories::cmbType_Click);
    connect(cmdAdd, &QPushButton::clicked, this, &frmCategories::cmdAdd_Click);
    connect(cmdColor, &QPushButton::clicked, this, &frmCategories::cmdColor_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &frmCategories::cmdRemove_Click);
    connect(cmdUp, &QPushButton::clicked, this, [this] { moveSelected(-1); });
    connect(cmdDown, &QPushButton::clicked, this, [this] { moveSelected(1); });
    connect(chkShowLegend, &QCheckBox::toggled, this, [this](bool on) { mCategories.legendVisible = on; });

    QDialogButtonBox *buttons = okCancelButtons(this, cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *add = new QGridLayout;
    add->addWidget(new QLabel(tr("New category:"), this), 0, 0);
    add->addWidget(cmbType, 0, 1);
    add->addWidget(cmbElement, 0, 2);
    add->addWidget(cmdAdd, 0, 3);
    auto *rows = new QHBoxLayout;
    for (QPushButton *b : {cmdColor, cmdUp, cmdDown, cmdRemove})
        rows->addWidget(b);
    rows->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(lvCategories);
    layout->addLayout(rows);
    layout->addLayout(add);
    layout->addWidget(chkShowLegend);
    layout->addWidget(buttons);
    resize(520, 420);

    cmbType_Click(0);
    fillList(0);
}

void frmCategories::cmbType_Click(int row)
{
    if (row < 0 || row >= static_cast<int>(std::size(TypeLetters)))
        return;
    mChoices = categoryChoices(mDb, QString::fromLatin1(TypeLetters[row]));
    cmbElement->clear();
    for (const CategoryRule &c : mChoices)
        cmbElement->addItem(c.elementName);
    cmdAdd->setEnabled(!mChoices.empty());
}

void frmCategories::fillList(int select)
{
    lvCategories->clear();
    for (const CategoryRule &r : mCategories.rules) {
        auto *item = new QTreeWidgetItem(lvCategories, {r.elementName, typeName(r.type)});
        item->setIcon(0, swatch(r.color));
    }
    const int count = lvCategories->topLevelItemCount();
    if (count > 0)
        lvCategories->setCurrentItem(lvCategories->topLevelItem(std::clamp(select, 0, count - 1)));
    for (QPushButton *b : {cmdColor, cmdRemove, cmdUp, cmdDown})
        b->setEnabled(count > 0);
}

int frmCategories::selectedRow() const
{
    QTreeWidgetItem *item = lvCategories->currentItem();
    return item ? lvCategories->indexOfTopLevelItem(item) : -1;
}

void frmCategories::cmdAdd_Click()
{
    const int row = cmbElement->currentIndex();
    if (row < 0 || row >= static_cast<int>(mChoices.size()))
        return;
    CategoryRule rule = mChoices[static_cast<std::size_t>(row)];
    rule.color = suggestedCategoryColor(mCategories.rules.size());
    mCategories.rules.push_back(rule);
    fillList(static_cast<int>(mCategories.rules.size()) - 1);
}

void frmCategories::cmdColor_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    CategoryRule &rule = mCategories.rules[static_cast<std::size_t>(row)];
    const QColor chosen = mDialogs.color(this, colorFromLong(rule.color));
    if (!chosen.isValid())
        return;
    rule.color = longFromColor(chosen);
    fillList(row);
}

void frmCategories::cmdRemove_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    mCategories.rules.erase(mCategories.rules.begin() + row);
    fillList(row);
}

void frmCategories::moveSelected(int step)
{
    const int row = selectedRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= static_cast<int>(mCategories.rules.size()))
        return;
    std::swap(mCategories.rules[static_cast<std::size_t>(row)], mCategories.rules[static_cast<std::size_t>(to)]);
    fillList(to);
}

} // namespace qm
