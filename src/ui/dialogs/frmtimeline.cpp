// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmtimeline.h"

#include "common/dialogbuttons.h"
#include "common/userdialogs.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/storeerror.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qm {

frmTimeLine::frmTimeLine(Globals &globals, UserDialogs &dialogs, QWidget *parent)
    : QDialog(parent), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmTimeLine"));
    setWindowTitle(tr("Timeline"));

    txtName = new QLineEdit(g.CurTimeLine->Name, this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtDescription = new QPlainTextEdit(g.CurTimeLine->Description, this);
    txtDescription->setObjectName(QStringLiteral("txtDescription"));
    txtDescription->setTabChangesFocus(true);
    // The texts printed over the timeline, found here as well as on the canvas.
    txtTitle = new QLineEdit(g.CurTimeLine->LabelCaption, this);
    txtTitle->setObjectName(QStringLiteral("txtTitle"));
    txtSubtitle = new QLineEdit(g.CurTimeLine->SubCaption, this);
    txtSubtitle->setObjectName(QStringLiteral("txtSubtitle"));

    QDialogButtonBox *buttons = okCancelButtons(this, cmdOK, cmdCancel);
    connect(cmdOK, &QPushButton::clicked, this, &frmTimeLine::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTimeLine::cmdCancel_Click);

    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), txtName);
    form->addRow(tr("&Description:"), txtDescription);
    form->addRow(tr("&Title:"), txtTitle);
    form->addRow(tr("&Subtitle:"), txtSubtitle);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    resize(440, 320);
    txtName->selectAll();
    txtName->setFocus();
}

void frmTimeLine::cmdOK_Click()
{
    const QString name = txtName->text();
    try {
        if (name != g.CurTimeLine->Name && timelineNameExists(g.ProjectDb, name, g.CurTimeLine->Id)) {
            txtName->setFocus();
            txtName->selectAll();
            mDialogs.message(this, QStringLiteral("Another Timeline with the same name already exists.\n"
                                                  "Please specify another name."));
            return;
        }
        clTimeLine edited = *g.CurTimeLine;
        edited.Name = name;
        edited.Description = txtDescription->toPlainText();
        edited.LabelCaption = txtTitle->text();
        edited.SubCaption = txtSubtitle->text();
        if (store) {
            if (!store(edited))
                return;
        } else {
            edited.Save();
            *g.CurTimeLine = edited;
        }
    } catch (const StoreError &e) {
        mDialogs.error(this, e.text());
        return;
    }
    accept();
}

void frmTimeLine::cmdCancel_Click()
{
    reject();
}

} // namespace qm
