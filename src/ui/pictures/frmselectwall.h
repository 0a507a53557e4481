// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace qm {

class Globals;
class PictureGrid;
class UserDialogs;

// Chooses the wallpaper of the shown timeline from the standard or the project's library.
class frmSelectWall : public QDialog
{
    Q_OBJECT
public:
    frmSelectWall(Globals &globals, UserDialogs &dialogs, QWidget *parent = nullptr);

    // Stores and shows the wallpaper (source letter, file name); the main window makes it one
    // undoable step.
    std::function<void(const QString &source, const QString &name)> onSelect;

    QRadioButton *optStandard = nullptr;
    QRadioButton *optCustom = nullptr;
    PictureGrid *lstFiles = nullptr;
    QLabel *imgPreview = nullptr;
    QPushButton *cmdSelect = nullptr;
    QPushButton *cmdCancel = nullptr;
    QPushButton *cmdImport = nullptr;

    QString source() const { return mSource; }

public slots:
    void optSource_Click(const QString &source);
    void lstFiles_Click(const QString &name);
    void cmdSelect_Click();
    void cmdImport_Click();

private:
    Globals &g;
    UserDialogs &mDialogs;
    QString mSource = QStringLiteral("S");
};

} // namespace qm
