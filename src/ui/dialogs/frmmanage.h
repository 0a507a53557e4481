// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <functional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabBar;

namespace qm {

class Globals;
class UserDialogs;
class WindowSession;

// Adds, renames and deletes the actors, places, sources and keywords of the project.
class frmManage : public QDialog
{
    Q_OBJECT
public:
    frmManage(Globals &globals, WindowSession &windows, UserDialogs &dialogs, QWidget *parent = nullptr);

    QString SelectedName;
    QTabBar *tabs = nullptr;
    QListWidget *lv = nullptr;
    QLineEdit *txtAdd = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdDone = nullptr;

public slots:
    void tabs_Click(int index);
    void cmdAdd_Click();
    void cmdDelete_Click();
    void lv_ItemClick(QListWidgetItem *item);
    void lv_AfterLabelEdit(QListWidgetItem *item);

private:
    void reload();
    // Makes one change to the elements as one undoable step; a failure leaves them as they were.
    void change(const QString &text, const std::function<void()> &apply);
    // "actor", "place", "source" or "keyword", for the step's caption.
    QString typeWord() const;

    Globals &g;
    WindowSession &mWindows;
    UserDialogs &mDialogs;
    bool mLoading = false;
};

} // namespace qm
