// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The capture window's document commands: opening and saving texts, pasting, and finding text.
#include "frmtext.h"

#include "capture/capturedocument.h"
#include "capture/textsearch.h"
#include "common/userdialogs.h"
#include "common/windowsession.h"
#include "frmfind.h"
#include "panemarks.h"
#include "store/globals.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTextDocumentWriter>
#include <QTextEdit>

namespace qm {

namespace {

// Far beyond any history text; a bigger file is almost surely not one, and would stall the pane.
constexpr qint64 MaxTextFileSize = 64 * 1024 * 1024;

const QString OpenFilter =
    QStringLiteral("Texts (*.txt *.html *.htm *.md *.markdown *.docx *.odt);;Plain text (*.txt);;"
                   "HTML (*.html *.htm);;Markdown (*.md *.markdown);;Word and OpenDocument texts (*.docx *.odt);;"
                   "All files (*)");
const QString SaveFilter = QStringLiteral("Plain text (*.txt);;HTML (*.html *.htm);;OpenDocument text (*.odt);;"
                                          "Markdown (*.md)");
// A word processor document is read without its formatting; writing the text back into one would lose it.
const QString DocumentSaveFilter = QStringLiteral("Plain text (*.txt);;HTML (*.html *.htm)");

} // namespace

void frmText::tbFile_ButtonClick(QAction *button)
{
    if (button == btnOpen)
        openTextFile();
    else if (button == btnSave)
        saveTextFile();
}

void frmText::tbEdit_ButtonClick(QAction *button)
{
    if (button == btnPaste) {
        // Pasted text is plain: it takes no format from where the caret happens to stand.
        rtb->setCurrentCharFormat(QTextCharFormat());
        rtb->insertPlainText(QGuiApplication::clipboard()->text());
        rtb->setFocus();
    } else if (button == btnFind) {
        showFind();
    }
}

void frmText::openTextFile()
{
    if (!confirmDiscard())
        return;
    const QString path = mDialogs.openFileName(this, QStringLiteral("Select text file"), OpenFilter);
    if (!path.isEmpty())
        loadFile(path);
}

bool frmText::loadFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (file.size() > MaxTextFileSize) {
        mDialogs.message(this, tr("The file %1 is too large to be a text of history (more than 64 MB).").arg(name));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        mDialogs.message(this, tr("The file %1 cannot be read:\n%2").arg(name, file.errorString()));
        return false;
    }
    const QByteArray bytes = file.readAll();
    TextFileFormat format;
    QString reason;
    const TextKind kind = textKindOf(path);
    if (!readTextDocument(*rtb->document(), bytes, kind, &format, &reason)) {
        if (isOfficeKind(kind))
            mDialogs.message(this, tr("The document %1 cannot be read: %2.").arg(name, reason));
        else
            mDialogs.message(this, tr("The file %1 does not hold text that can be shown here.\n"
                                      "Open a plain text, HTML, Markdown, Word (.docx) or OpenDocument (.odt) file.")
                                       .arg(name));
        return false;
    }
    // Typing goes on in the default format, whatever the caret stood on before.
    rtb->setCurrentCharFormat(QTextCharFormat());
    mFileFormat = format;
    // The dates found in another text would select and describe the wrong words of this one.
    mSession.scan(QString());
    mMarks->clear();
    clearEventFields();
    // Another text was written on another day, which its own top may give.
    txtWritten->clear();
    btnAcceptAll->setEnabled(false);
    UpdateDateNavigation();
    rtb->document()->setModified(false);
    mFilePath = path;
    mDocumentPath = isOfficeKind(kind) ? path : QString();
    status(tr("Opened %1.").arg(name));
    return true;
}

void frmText::saveTextFile()
{
    // A document's text is offered as a plain text beside it.
    const bool fromDocument = !mDocumentPath.isEmpty();
    const QFileInfo source(mFilePath);
    const QString initial =
        fromDocument ? source.absolutePath() + u'/' + source.completeBaseName() + QStringLiteral(".txt") : QString();
    const QString path =
        mDialogs.saveFileName(this, QStringLiteral("Save text"), fromDocument ? DocumentSaveFilter : SaveFilter,
                              QStringLiteral("txt"), initial);
    if (path.isEmpty() || !mayWrite(path))
        return;
    if (QFileInfo::exists(path) &&
        !mDialogs.question(this, QStringLiteral("A file with this name already exists. Do you want to override it?")))
        return;
    writeFile(path);
}

bool frmText::mayWrite(const QString &path)
{
    const TextKind kind = textKindOf(path);
    const bool fromDocument = !mDocumentPath.isEmpty();
    if (kind != TextKind::Docx && !(fromDocument && kind == TextKind::Odf) &&
        !(fromDocument && QFileInfo(path) == QFileInfo(mDocumentPath)))
        return true;
    mDialogs.message(this, tr("The text is not saved as %1: a text read from a word processor document is saved "
                              "as plain text (.txt) or HTML (.html), never over the document.")
                               .arg(QFileInfo(path).fileName()));
    return false;
}

bool frmText::writeFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QTextDocument *doc = rtb->document();
    const TextKind kind = textKindOf(path);
    if (!mayWrite(path))
        return false;
    QByteArray bytes;
    TextFileFormat written = mFileFormat;
    if (kind == TextKind::Odf) {
        QBuffer buffer(&bytes);
        QTextDocumentWriter writer(&buffer, "odf");
        if (!writer.write(doc)) {
            mDialogs.message(this, tr("The text could not be made into an OpenDocument file."));
            return false;
        }
    } else if (kind == TextKind::Html) {
        bytes = doc->toHtml().toUtf8();
    } else if (kind == TextKind::Markdown) {
        bytes = doc->toMarkdown().toUtf8();
    } else {
        // The characters as they are, in the encoding and line breaks the text came with.
        bytes = encodeTextFile(documentText(*doc), mFileFormat, &written);
    }

    // Written beside the old file and put in its place only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        mDialogs.message(this, tr("The text could not be saved as %1:\n%2").arg(name, file.errorString()));
        return false;
    }
    doc->setModified(false);
    mFilePath = path;
    if (kind == TextKind::Plain)
        mFileFormat = written;
    status(tr("Saved as %1.").arg(name));
    return true;
}

void frmText::showFind()
{
    // Line breaks as the searched plain text has them, so that a selection of two lines is found again.
    const QString selection = selectedText();
    if (!selection.isEmpty())
        mWindows.FindText = selection;
    if (!mFind) {
        mFind = new frmFind(g, *this, this);
        mFind->setAttribute(Qt::WA_DeleteOnClose);
    }
    mFind->Form_Load();
    mFind->show();
    mFind->raise();
    mFind->activateWindow();
}

bool frmText::SearchText(bool matchCase, bool wholeWord)
{
    // Searched as the text is shown: a non-breaking space looks like a space, and is found as one.
    const QString what = asShown(mWindows.FindText);
    if (what.isEmpty())
        return false;
    const FindOptions options{matchCase, wholeWord};
    const QString text = asShown(documentText(*rtb->document()));
    const QTextCursor now = rtb->textCursor();
    // Past the occurrence selected now; a bare caret is searched from where it stands.
    const qsizetype from = now.hasSelection() ? now.selectionStart() + 1 : now.position();
    qsizetype found = findInText(text, what, from, options);
    if (found < 0) {
        if (!mDialogs.question(this, QStringLiteral("String not found through the end of the text\n"
                                                    "Would you like to restart the search from the beginning of "
                                                    "the text?")))
            return false;
        found = findInText(text, what, 0, options);
        if (found < 0) {
            // Asking again could go on for ever: the text simply does not hold it.
            mDialogs.message(this, tr("\"%1\" does not occur in the text.").arg(what));
            return false;
        }
    }
    QTextCursor c(rtb->document());
    c.setPosition(static_cast<int>(found));
    c.setPosition(static_cast<int>(found + what.size()), QTextCursor::KeepAnchor);
    rtb->setTextCursor(c);
    rtb->ensureCursorVisible();
    return true;
}

} // namespace qm
