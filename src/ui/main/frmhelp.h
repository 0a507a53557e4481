// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QLineEdit;
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
    // Lists the pages that hold the words (letter case ignored), and marks them on the page shown; ""
    // shows the contents list again.
    void search(const QString &words);

    QLineEdit *txtSearch = nullptr;
    QTextBrowser *txtPage = nullptr;
    QListWidget *lstTopics = nullptr;
    // The pages that hold the searched words, each with how often.
    QListWidget *lstMatches = nullptr;

private:
    // Marks every occurrence of the searched words on the page shown and scrolls to the first.
    void markMatches();

    QString mFolder;
    QString mWords;
};

} // namespace qm
