// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmevent.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "frmselectelements.h"
#include "store/clevent.h"
#include "store/datequeries.h"
#include "store/globals.h"
#include "store/storeerror.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

constexpr int MaxNameLength = 255;

} // namespace

frmEvent::frmEvent(Globals &globals, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmEvent"));
    setWindowTitle(QStringLiteral("Event"));

    auto field = [this](const char *name) {
        auto *f = new QLineEdit(this);
        f->setObjectName(QString::fromLatin1(name));
        return f;
    };
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    txtName = field("txtName");
    lblNumChr = new QLabel(QStringLiteral("0 used."), this);
    lblNumChr->setObjectName(QStringLiteral("lblNumChr"));
    txtDate = field("txtDate");
    txtDateStr = field("txtDateStr");
    txtEnds = field("txtEnds");
    lblExists = new QLabel(this);
    lblExists->setObjectName(QStringLiteral("lblExists"));
    lblExists->setStyleSheet(QStringLiteral("color: red"));
    lblExists->setWordWrap(true);
    chkAdvance = new QCheckBox(sameDayCaption(), this);
    chkAdvance->setObjectName(QStringLiteral("chkAdvance"));
    txtDescription = new QPlainTextEdit(this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setTabChangesFocus(true);
    txtWho = field("txtWho");
    txtWhere = field("txtWhere");
    txtSource = field("txtSource");
    txtKeyword = field("txtKeyword");
    cmdListWho = button("cmdListWho", QStringLiteral("Select"));
    cmdListWhere = button("cmdListWhere", QStringLiteral("Select"));
    cmdListSource = button("cmdListSource", QStringLiteral("Select"));
    txtListKeyword = button("txtListKeyword", QStringLiteral("Select"));

    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QStringLiteral("Save and Exit"), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto label = [this](const QString &text, QWidget *buddy) {
        auto *l = new QLabel(text, this);
        l->setBuddy(buddy);
        return l;
    };
    auto *grid = new QGridLayout;
    int row = 0;
    grid->addWidget(label(QStringLiteral("Short &Description"), txtName), row, 0);
    grid->addWidget(txtName, row++, 1, 1, 2);
    auto *counter = new QHBoxLayout;
    counter->addWidget(new QLabel(QStringLiteral("Maximum 255 characters allowed, "), this));
    counter->addWidget(lblNumChr);
    counter->addStretch();
    grid->addLayout(counter, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Date/&Time"), txtDate), row, 0);
    grid->addWidget(txtDate, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Displa&yed as"), txtDateStr), row, 0);
    grid->addWidget(txtDateStr, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("E&nds"), txtEnds), row, 0);
    grid->addWidget(txtEnds, row++, 1, 1, 2);
    grid->addWidget(chkAdvance, row++, 1, 1, 2);
    grid->addWidget(lblExists, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Detai&ls"), txtDescription), row, 0, Qt::AlignTop);
    grid->addWidget(txtDescription, row++, 1, 1, 2);
    const struct
    {
        const char *caption;
        QLineEdit *edit;
        QPushButton *select;
    } lists[] = {{"&Actors", txtWho, cmdListWho},
                 {"&Places", txtWhere, cmdListWhere},
                 {"&Sources", txtSource, cmdListSource},
                 {"&Keywords", txtKeyword, txtListKeyword}};
    for (const auto &l : lists) {
        grid->addWidget(label(QString::fromLatin1(l.caption), l.edit), row, 0);
        grid->addWidget(l.edit, row, 1);
        grid->addWidget(l.select, row++, 2);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    resize(620, 520);

    connect(txtDate, &QLineEdit::textChanged, this, &frmEvent::txtDate_Change);
    connect(txtDateStr, &QLineEdit::textEdited, this, [this] { mDateStrEdited = true; });
    connect(txtName, &QLineEdit::textChanged, this, &frmEvent::txtName_Change);
    connect(chkAdvance, &QCheckBox::clicked, this, &frmEvent::chkAdvance_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmEvent::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmEvent::cmdCancel_Click);
    connect(cmdListWho, &QPushButton::clicked, this, [this] { selectElements(QStringLiteral("A"), txtWho); });
    connect(cmdListWhere, &QPushButton::clicked, this, [this] { selectElements(QStringLiteral("P"), txtWhere); });
    connect(cmdListSource, &QPushButton::clicked, this, [this] { selectElements(QStringLiteral("S"), txtSource); });
    connect(txtListKeyword, &QPushButton::clicked, this, [this] { selectElements(QStringLiteral("K"), txtKeyword); });

    const clEvent &e = *g.CurEvent;
    txtName->setText(e.Name);
    mShownDate = e.Id != 0 ? e.shownDate(g.dateOrder) : e.EventDate->Render(g.dateOrder);
    txtDate->setText(mShownDate);
    // A text of the user's own ("about 1200") stays until the date or the text itself is changed.
    if (!e.EventDateStr.isEmpty())
        txtDateStr->setText(e.EventDateStr);
    if (e.EndDate)
        txtEnds->setText(e.EndDate->Render(g.dateOrder, e.EndDate->hasTimeOfDay()));
    txtSource->setText(e.Sources);
    txtDescription->setPlainText(e.Description);
    txtWho->setText(e.Actors);
    txtWhere->setText(e.Places);
    txtKeyword->setText(e.Keywords);
    chkAdvance->setChecked(g.AdvanceDate);
    txtName_Change();
    txtName->selectAll();
    txtName->setFocus();
}

void frmEvent::txtDate_Change()
{
    txtDateStr->setText(txtDate->text());
    mDateStrEdited = false;
    lblExists->clear();
}

void frmEvent::txtName_Change()
{
    lblNumChr->setText(QStringLiteral("%1 used.").arg(txtName->text().size()));
}

void frmEvent::chkAdvance_Click()
{
    g.AdvanceDate = chkAdvance->isChecked();
    if (g.AdvanceDate)
        lblExists->clear();
}

void frmEvent::selectElements(const QString &type, QLineEdit *field)
{
    runGuarded(mDialogs, this, [&] {
        frmSelectElements picker(g, type, field->text(), this);
        picker.exec();
        field->setText(picker.selectedElements());
    });
}

void frmEvent::refuse(QLineEdit *field, const QString &text)
{
    field->setFocus();
    mDialogs.message(this, text);
}

void frmEvent::cmdOK_Click()
{
    clEvent &e = *g.CurEvent;
    const QString name = txtName->text();
    if (name.isEmpty())
        return refuse(txtName, QStringLiteral("The short description of the event must be entered"));
    if (name.size() > MaxNameLength)
        return refuse(txtName, QStringLiteral(
                                   "Short description is too long. Please shorten it to no more than 255 characters."));

    try {
        auto date = std::make_shared<ExtDate>();
        const bool untouched = e.Id != 0 && txtDate->text() == mShownDate;
        if (untouched)
            *date = *e.EventDate;
        else
            date->Assign(txtDate->text(), g.dateEnv());
        if (!date->isValid())
            return refuse(txtDate, QStringLiteral("Incorrect date"));
        if (!untouched && SameDateExists(g.ProjectDb, *date, e.Id)) {
            if (!g.AdvanceDate) {
                lblExists->setText(
                    QStringLiteral("Another event with this exact date already exists in this project. ") +
                    QStringLiteral("Change the date or check \"%1\".").arg(chkAdvance->text()));
                return;
            }
            const ExtDate typed = *date;
            const DateMove move = FitDateOnDay(g.ProjectDb, *date, textHasTimeOfDay(txtDate->text()), e.Id);
            if (move == DateMove::NoRoom)
                return refuse(txtDate, dateMoveNote(move, typed, *date, g.dateOrder));
            if (move == DateMove::NextMinute)
                mDialogs.message(this, dateMoveNote(move, typed, *date, g.dateOrder));
        }
        std::optional<ExtDate> ends;
        if (!txtEnds->text().trimmed().isEmpty()) {
            ends.emplace();
            ends->Assign(txtEnds->text(), g.dateEnv());
            if (!ends->isValid())
                return refuse(txtEnds, QStringLiteral("Incorrect end date"));
            *ends = typedEnd(txtEnds->text(), *ends);
            if (ends->Compare(*date) == u'<')
                return refuse(txtEnds, QStringLiteral("The end must not lie before the start"));
        }
        e.EndDate = ends;
        mDateChanged = date->Value != e.EventDate->Value || date->Era != e.EventDate->Era;
        e.EventDate = date;
        // The shown text is the history, saved exactly as the dialog shows it; the stored day only orders.
        e.EventDateStr = txtDateStr->text().trimmed().isEmpty() ? txtDate->text().trimmed() : txtDateStr->text();
        e.Name = name;
        e.Description = txtDescription->toPlainText();
        e.Actors = txtWho->text();
        e.Places = txtWhere->text();
        e.Sources = txtSource->text();
        e.Keywords = txtKeyword->text();
        if (store ? !store(e) : e.Save() == -1)
            return;
    } catch (const StoreError &err) {
        mDialogs.error(this, err.text());
        return;
    }
    accept();
}

void frmEvent::cmdCancel_Click()
{
    reject();
}

} // namespace qm
