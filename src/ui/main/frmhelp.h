// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QListWidget;
class QTextBrowser;

namespace qm {

// The user guide that comes with the program: its pages on the right, their list on the left.
class frmHelp : public QWidget
{
    Q_OBJECT
public:
    // Shows the guide in `helpFolder` (its index.html first).
    explicit frmHelp(const QString &helpFolder, QWidget *parent = nullptr);

    // The guide's contents page; "" when the guide is not installed there.
    static QString indexPage(const QString &helpFolder);
    void showPage(const QString &fileName);

    QTextBrowser *txtPage = nullptr;
    QListWidget *lstTopics = nullptr;

private:
    QString mFolder;
};

} // namespace qm
