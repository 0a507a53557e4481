// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace qm {

class Globals;
class UserDialogs;

// Copies picture files chosen anywhere on disk into the project's own library of event pictures
// ("I") or wallpapers ("W").
class frmImportImages : public QDialog
{
    Q_OBJECT
public:
    frmImportImages(Globals &globals, UserDialogs &dialogs, const QString &kind, QWidget *parent = nullptr);

    // Asks for the files to add; the platform's file dialog with several files chosen at once.
    std::function<QStringList(QWidget *parent, const QString &filter)> chooseFiles;

    QLabel *lblPrompt = nullptr;
    QListWidget *lstImport = nullptr;
    QLabel *lblPath = nullptr;
    QLabel *imgPreview = nullptr;
    QLabel *lblBad = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdRemove = nullptr;
    QPushButton *cmdRemoveAll = nullptr;
    QPushButton *cmdImport = nullptr;
    QPushButton *cmdCancel = nullptr;

    // The full paths waiting to be imported, in list order.
    QStringList importList() const;
    // Adds the files not yet in the list; a file already there is skipped.
    void addFiles(const QStringList &paths);

public slots:
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdRemoveAll_Click();
    void cmdImport_Click();
    void lstImport_Click();

private:
    Globals &g;
    UserDialogs &mDialogs;
    QString mKind;
};

} // namespace qm
