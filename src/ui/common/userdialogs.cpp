// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "userdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace qm {

namespace {

QString titled(const QString &title)
{
    return title.isEmpty() ? QStringLiteral("Quillmarsh") : title;
}

} // namespace

void PlatformDialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::information(parent, titled(title), text);
}

bool PlatformDialogs::question(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::question(parent, titled(title), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QString PlatformDialogs::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString PlatformDialogs::saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                      const QString &defaultSuffix, const QString &initialName)
{
    QFileDialog dialog(parent, title, initialName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // Whether an existing name may be chosen is the caller's question to ask.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

QColor PlatformDialogs::color(QWidget *parent, const QColor &initial)
{
    return QColorDialog::getColor(initial, parent);
}

} // namespace qm
