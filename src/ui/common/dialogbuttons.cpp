// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogbuttons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace qm {

QDialogButtonBox *okCancelButtons(QDialog *dialog, QPushButton *&ok, QPushButton *&cancel)
{
    auto *buttons = new QDialogButtonBox(dialog);
    ok = buttons->addButton(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    cancel = buttons->addButton(QDialogButtonBox::Cancel);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    return buttons;
}

} // namespace qm
