// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace qm {

class Globals;
class frmText;

// Finds text in the capture window's document and replaces it, once or everywhere; it stays open
// beside the capture window while the user works in the text.
class frmFind : public QDialog
{
    Q_OBJECT
public:
    frmFind(Globals &globals, frmText &owner, QWidget *parent = nullptr);

    // Shows the text last searched for.
    void Form_Load();

    QLineEdit *txtFind = nullptr;
    QLineEdit *txtReplace = nullptr;
    QCheckBox *chkMatchCase = nullptr;
    QCheckBox *chkWholeWord = nullptr;
    QPushButton *cmdFind = nullptr;
    QPushButton *cmdReplace = nullptr;
    QPushButton *cmdReplaceAll = nullptr;
    QPushButton *cmdCancel = nullptr;

public slots:
    void cmdFind_Click();
    void cmdReplace_Click();
    void cmdReplaceAll_Click();
    void cmdCancel_Click();

private:
    Globals &g;
    frmText &mOwner;
};

} // namespace qm
