// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmfind.h"

#include "capture/capturedocument.h"
#include "capture/textsearch.h"
#include "common/windowsession.h"
#include "frmtext.h"
#include "store/globals.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace qm {

frmFind::frmFind(Globals &globals, frmText &owner, QWidget *parent) : QDialog(parent), g(globals), mOwner(owner)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find & Replace"));
    setModal(false);

    txtFind = new QLineEdit(this);
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtReplace = new QLineEdit(this);
    txtReplace->setObjectName(QStringLiteral("txtReplace"));
    chkMatchCase = new QCheckBox(QStringLiteral("Match Ca&se"), this);
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    chkWholeWord = new QCheckBox(QStringLiteral("Find Whole Word &Only"), this);
    chkWholeWord->setObjectName(QStringLiteral("chkWholeWord"));
    auto button = [this](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    cmdFind = button("cmdFind", QStringLiteral("Find &Next"));
    cmdFind->setDefault(true);
    cmdReplace = button("cmdReplace", QStringLiteral("&Replace"));
    cmdReplaceAll = button("cmdReplaceAll", QStringLiteral("Replace &All"));
    cmdCancel = button("cmdCancel", QStringLiteral("Cancel"));

    auto *findLabel = new QLabel(QStringLiteral("&Find What"), this);
    findLabel->setBuddy(txtFind);
    auto *replaceLabel = new QLabel(QStringLiteral("Replace &With"), this);
    replaceLabel->setBuddy(txtReplace);
    auto *grid = new QGridLayout;
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(txtFind, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(txtReplace, 1, 1);
    grid->addWidget(chkMatchCase, 2, 1);
    grid->addWidget(chkWholeWord, 3, 1);
    grid->setColumnStretch(1, 1);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdFind, cmdReplace, cmdReplaceAll, cmdCancel})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);
    resize(460, 150);

    connect(cmdFind, &QPushButton::clicked, this, &frmFind::cmdFind_Click);
    connect(cmdReplace, &QPushButton::clicked, this, &frmFind::cmdReplace_Click);
    connect(cmdReplaceAll, &QPushButton::clicked, this, &frmFind::cmdReplaceAll_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmFind::cmdCancel_Click);
    Form_Load();
}

void frmFind::Form_Load()
{
    txtFind->setText(mOwner.windowSession().FindText);
    txtFind->selectAll();
    txtFind->setFocus();
}

void frmFind::cmdFind_Click()
{
    mOwner.windowSession().FindText = txtFind->text();
    mOwner.SearchText(chkMatchCase->isChecked(), chkWholeWord->isChecked());
}

void frmFind::cmdReplace_Click()
{
    QTextCursor selection = mOwner.rtb->textCursor();
    // The selection as Find Next searched it: line breaks as "\n", non-breaking spaces as blanks, one
    // character for one, so that what Find Next selected is found in it again.
    QString selected = asShown(selection.selectedText());
    for (QChar &c : selected) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    const QString what = asShown(txtFind->text());
    const qsizetype at = what.isEmpty() ? -1 : selected.indexOf(what, 0, Qt::CaseSensitive);
    // A selection without the text stays as it is, formatting and all.
    if (at >= 0) {
        const int start = selection.selectionStart() + static_cast<int>(at);
        selection.setPosition(start);
        selection.setPosition(start + static_cast<int>(what.size()), QTextCursor::KeepAnchor);
        selection.insertText(txtReplace->text());
    }
    mOwner.rtb->setTextCursor(selection);
}

void frmFind::cmdReplaceAll_Click()
{
    const QString what = asShown(txtFind->text());
    if (what.isEmpty())
        return;
    QTextDocument *doc = mOwner.rtb->document();
    const QString text = asShown(documentText(*doc));
    QList<qsizetype> found;
    for (qsizetype pos = text.indexOf(what, 0, Qt::CaseSensitive); pos >= 0;
         pos = text.indexOf(what, pos + what.size(), Qt::CaseSensitive))
        found << pos;
    if (found.isEmpty())
        return;
    // Each occurrence is replaced where it stands, last first so that earlier positions hold, and the
    // rest of the text keeps its formatting; one step to undo.
    QTextCursor c(doc);
    c.beginEditBlock();
    for (auto it = found.crbegin(); it != found.crend(); ++it) {
        c.setPosition(static_cast<int>(*it));
        c.setPosition(static_cast<int>(*it + what.size()), QTextCursor::KeepAnchor);
        c.insertText(txtReplace->text());
    }
    c.endEditBlock();
}

void frmFind::cmdCancel_Click()
{
    close();
}

} // namespace qm
