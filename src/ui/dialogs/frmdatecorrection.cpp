// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmdatecorrection.h"

#include "common/guarded.h"
#include "common/userdialogs.h"
#include "store/clevent.h"
#include "store/datequeries.h"
#include "store/globals.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

namespace {

QLineEdit *readOnlyField(QWidget *parent, const char *name)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    return field;
}

} // namespace

frmDateCorrection::frmDateCorrection(Globals &globals, UserDialogs &dialogs, const QString &newName, qint32 existingId,
                                     qint32 nextId, QWidget *parent)
    : QDialog(parent), NewName(newName), ExistingId(existingId), NextId(nextId), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmDateCorrection"));
    setWindowTitle(QStringLiteral("Date correction"));

    txtName1 = readOnlyField(this, "txtName1");
    txtDate1 = readOnlyField(this, "txtDate1");
    txtName2 = readOnlyField(this, "txtName2");
    txtDate2 = readOnlyField(this, "txtDate2");
    Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtName3 = readOnlyField(Frame1, "txtName3");
    txtDate3 = readOnlyField(Frame1, "txtDate3");
    txtDateNew = new QLineEdit(this);
    txtDateNew->setObjectName(QStringLiteral("txtDateNew"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Current event:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("The date specified for this event:"), this), 0, 1);
    grid->addWidget(txtName1, 1, 0);
    grid->addWidget(txtDate1, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Date entered"), this), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral(" coincides with the date of another existing event. "), this), 3, 0, 1,
                    2);
    grid->addWidget(txtName2, 4, 0);
    grid->addWidget(txtDate2, 4, 1);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 1);

    auto *frameGrid = new QGridLayout(Frame1);
    frameGrid->addWidget(new QLabel(QStringLiteral("which is followed by "), Frame1), 0, 0, 1, 2);
    frameGrid->addWidget(new QLabel(QStringLiteral("Next event"), Frame1), 1, 0);
    frameGrid->addWidget(new QLabel(QStringLiteral("Date"), Frame1), 1, 1);
    frameGrid->addWidget(txtName3, 2, 0);
    frameGrid->addWidget(txtDate3, 2, 1);
    frameGrid->setColumnStretch(0, 2);
    frameGrid->setColumnStretch(1, 1);

    auto *suggested = new QHBoxLayout;
    auto *suggestedLabel = new QLabel(QStringLiteral("Date suggested"), this);
    suggestedLabel->setBuddy(txtDateNew);
    suggested->addWidget(suggestedLabel);
    suggested->addWidget(txtDateNew, 1);
    lblSameDay = new QLabel(QStringLiteral("The event keeps this day and comes after the day's other events."), this);
    lblSameDay->setObjectName(QStringLiteral("lblSameDay"));
    lblSameDay->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(this);
    cmdAccept = buttons->addButton(QStringLiteral("Accept new date"), QDialogButtonBox::AcceptRole);
    cmdAccept->setObjectName(QStringLiteral("cmdAccept"));
    cmdAccept->setDefault(true);
    cmdReject = buttons->addButton(QStringLiteral("Do not save this event"), QDialogButtonBox::RejectRole);
    cmdReject->setObjectName(QStringLiteral("cmdReject"));
    connect(cmdAccept, &QPushButton::clicked, this, &frmDateCorrection::cmdAccept_Click);
    connect(cmdReject, &QPushButton::clicked, this, &frmDateCorrection::cmdReject_Click);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(Frame1);
    layout->addLayout(suggested);
    layout->addWidget(lblSameDay);
    layout->addWidget(buttons);
    resize(560, 0);

    clEvent existing(g);
    existing.Id = ExistingId;
    existing.Load();
    txtName2->setText(existing.Name);
    txtDate2->setText(existing.EventDate->Render(g.dateOrder));
    txtName1->setText(NewName);
    EnteredDate = *existing.EventDate;
    txtDate1->setText(EnteredDate.Render(g.dateOrder));

    Frame1->setVisible(NextId != 0);
    if (NextId != 0) {
        clEvent next(g);
        next.Id = NextId;
        next.Load();
        txtName3->setText(next.Name);
        NextDate = *next.EventDate;
        txtDate3->setText(NextDate.Render(g.dateOrder));
    }
    // The proposal keeps the entered day, after the day's other events, so that no historical day
    // changes; only a full day gives way to the first free day after it.
    auto proposal = std::make_shared<ExtDate>(EnteredDate);
    const bool keepsDay = FitDateOnDay(g.ProjectDb, *proposal, EnteredDate.hasTimeOfDay()) != DateMove::NoRoom;
    if (!keepsDay) {
        *proposal = EnteredDate;
        proposal->NextDay();
        FirstFreeDate(g.ProjectDb, *proposal);
    }
    lblSameDay->setVisible(keepsDay && !EnteredDate.hasTimeOfDay());
    g.NewEventDate = proposal;
    // Long names show from their beginning.
    for (QLineEdit *field : {txtName1, txtDate1, txtName2, txtDate2, txtName3, txtDate3})
        field->setCursorPosition(0);
    // A minute the user never typed is not shown.
    txtDateNew->setText(proposal->Render(g.dateOrder, EnteredDate.hasTimeOfDay()));
    txtDateNew->selectAll();
    txtDateNew->setFocus();
}

void frmDateCorrection::cmdAccept_Click()
{
    ExtDate chosen;
    if (!runGuarded(mDialogs, this, [&] { chosen.Assign(txtDateNew->text(), g.dateEnv()); }))
        return;
    if (!chosen.isValid()) {
        txtDateNew->setFocus();
        txtDateNew->selectAll();
        mDialogs.message(this, QStringLiteral("Incorrect date"));
        return;
    }
    ExtDate typed = chosen;
    DateMove move = DateMove::Unchanged;
    if (!runGuarded(mDialogs, this, [&] { move = FitDateOnDay(g.ProjectDb, chosen, chosen.hasTimeOfDay()); }))
        return;
    if (move == DateMove::NoRoom) {
        txtDateNew->setFocus();
        txtDateNew->selectAll();
        mDialogs.message(this, dateMoveNote(move, typed, chosen, g.dateOrder));
        return;
    }
    *g.workingDate() = chosen;
    accept();
}

void frmDateCorrection::cmdReject_Click()
{
    reject();
}

void installDateCorrection(Globals &g, UserDialogs &dialogs, QWidget *parent)
{
    QPointer<QWidget> owner(parent);
    g.DateCorrection = [&g, &dialogs, owner](const QString &name, qint32 clashId, qint32 nextId) {
        QWidget *active = QApplication::activeModalWidget();
        frmDateCorrection dialog(g, dialogs, name, clashId, nextId, active ? active : owner.data());
        return dialog.exec() == QDialog::Accepted;
    };
}

} // namespace qm
