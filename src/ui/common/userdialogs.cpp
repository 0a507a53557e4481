// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "userdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
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

void PlatformDialogs::error(QWidget *parent, const QString &text, const QString &title)
{
    QMessageBox::critical(parent, titled(title), text);
}

bool PlatformDialogs::warning(QWidget *parent, const QString &text, const QString &title)
{
    return QMessageBox::warning(parent, titled(title), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
           QMessageBox::Yes;
}

QString PlatformDialogs::openFileName(QWidget *parent, const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString PlatformDialogs::saveFileName(QWidget *parent, const QString &title, const QString &filter,
                                      const QString &defaultSuffix, const QString &initialName, QString *chosenFilter)
{
    QFileDialog dialog(parent, title, initialName, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog's own suffix would follow its first filter, not the one chosen.
    if (!chosenFilter)
        dialog.setDefaultSuffix(defaultSuffix);
    // Whether an existing name may be chosen is the caller's question to ask.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (chosenFilter)
        *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
}

int PlatformDialogs::choice(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                            int current)
{
    bool ok = false;
    const QString chosen = QInputDialog::getItem(parent, titled(title), label, items, current, false, &ok);
    return ok ? static_cast<int>(items.indexOf(chosen)) : -1;
}

QColor PlatformDialogs::color(QWidget *parent, const QColor &initial)
{
    return QColorDialog::getColor(initial, parent);
}

} // namespace qm
