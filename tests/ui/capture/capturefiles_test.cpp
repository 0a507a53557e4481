// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturedocument.h"
#include "capturefixture.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

using CaptureFiles = qmtest::CaptureWindow;

void writeBytes(const QString &path, const QByteArray &bytes)
{
    ASSERT_TRUE(qmtest::writeFile(path, bytes));
}

} // namespace

TEST_F(CaptureFiles, PlainTextsSaveInTheEncodingAndLineBreaksTheyCameWith)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        // The decoding of each encoding is DecodeTextFile's matter; here the window keeps what it read.
        {"cp1252.txt",
         QByteArray("\x93"
                    "Caf\xe9\x94 on July 4, 1776\r\nend"),
         "\u201cCaf\u00e9\u201d on July 4, 1776\nend"},
        {"utf16.txt", QByteArray("\xff\xfeR\0o\0m\0e\0\xa0\0\r\0\n\0", 16), "Rome\u00a0\n"},
    };
    for (const auto &c : cases) {
        const QString path = t.path(QString::fromLatin1(c.name));
        writeBytes(path, c.bytes);
        ASSERT_TRUE(w->loadFile(path)) << c.name;
        EXPECT_EQ(qm::documentText(*w->rtb->document()), c.text) << c.name;
        EXPECT_FALSE(w->rtb->document()->isModified());

        // Marks of a scan are the window's: a plain text file never gets them, nor any markup.
        w->btnScan->trigger();
        const QString out = t.path(QStringLiteral("out-") + QString::fromLatin1(c.name));
        ASSERT_TRUE(w->writeFile(out));
        EXPECT_EQ(qmtest::fileBytes(out), c.bytes) << c.name;
    }
    // A new text is UTF-8.
    w = std::make_unique<qm::frmText>(g, windows, dialogs);
    setText("Caf\u00e9\n");
    ASSERT_TRUE(w->writeFile(t.path("new.txt")));
    EXPECT_EQ(qmtest::fileBytes(t.path("new.txt")), QByteArray("Caf\xc3\xa9\n"));
}

TEST_F(CaptureFiles, ANewTextTakesNothingOfTheMarks)
{
    setText("On July 4, 1776 they declared.");
    w->btnScan->trigger();
    ASSERT_EQ(shown(), "July 4, 1776");
    // An HTML file in Windows-1252 without a charset, opened after the scan.
    const QString html = t.path("plain.html");
    writeBytes(html, QByteArray("<p>Z\xfcrich on 4 July 1776.</p>"));
    ASSERT_TRUE(w->loadFile(html));
    EXPECT_EQ(w->rtb->toPlainText(), "Zürich on 4 July 1776.");
    EXPECT_EQ(shown(), QString());
    // Nothing of the other text's date can be accepted for this one.
    EXPECT_EQ(w->txtDate->text() + w->txtShort->toPlainText() + w->txtLong->toPlainText(), QString());
    EXPECT_FALSE(w->btnAccept->isEnabled());
    EXPECT_FALSE(isRed("4 July"));
    EXPECT_FALSE(formatOf("4 July").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(formatOf("4 July").hasProperty(QTextFormat::FontWeight));
    w->btnScan->trigger();
    EXPECT_TRUE(isRed("4 July"));
    // Marks follow the text they stand on.
    QTextCursor c(w->rtb->document());
    c.insertText("Then ");
    EXPECT_TRUE(isRed("4 July"));
    EXPECT_EQ(shown(), "4 July 1776");
}

TEST_F(CaptureFiles, ToolAndWindowFindTheSameDates)
{
    const QString path = t.path("nbsp.txt");
    writeBytes(path, QString("On 4\u00a0July 1776 they met.\r\nOn the 5th\u00a0they\u00a0left; 1,200 men.").toUtf8());
    ASSERT_TRUE(w->loadFile(path));
    w->btnScan->trigger();
    QStringList window;
    for (const qm::FoundDate &d : w->session().foundDates())
        window << QStringLiteral("%1\t%2\t%3").arg(d.FirstIndex).arg(d.Length).arg(d.Value);
    QStringList tool;
    for (const QString &line : qmtest::qmtool({"scan", path}).out.split(u'\n', Qt::SkipEmptyParts))
        tool << line.section(u'\t', 1, 3);
    EXPECT_EQ(window.size(), 2);
    EXPECT_EQ(tool, window);
}

TEST_F(CaptureFiles, RichTextsKeepTheirFormatting)
{
    const QString html = t.path("in.html");
    writeBytes(html, QByteArray("<html><head><meta charset=\"windows-1252\"></head><body>"
                                "<p>Caesar crossed the Rubicon on <b>January 10, 49 BC</b> \x96 so it is told.</p>"
                                "</body></html>"));
    ASSERT_TRUE(w->loadFile(html));
    EXPECT_EQ(w->rtb->toPlainText(), "Caesar crossed the Rubicon on January 10, 49 BC \u2013 so it is told.");
    EXPECT_EQ(formatOf("Rubicon").fontWeight(), QFont::Normal);
    EXPECT_EQ(formatOf("January").fontWeight(), QFont::Bold);

    const QString saved = t.path("out.html");
    ASSERT_TRUE(w->writeFile(saved));
    setText(QString());
    ASSERT_TRUE(w->loadFile(saved));
    EXPECT_EQ(w->rtb->toPlainText(), "Caesar crossed the Rubicon on January 10, 49 BC \u2013 so it is told.");
    EXPECT_EQ(formatOf("January").fontWeight(), QFont::Bold);

    const QString odt = t.path("out.odt");
    ASSERT_TRUE(w->writeFile(odt));
    const QByteArray package = qmtest::fileBytes(odt);
    EXPECT_TRUE(package.startsWith("PK"));
    EXPECT_TRUE(package.contains("application/vnd.oasis.opendocument.text"));
    EXPECT_TRUE(package.contains("content.xml"));
    // Read back, it is a document's text: no formatting.
    ASSERT_TRUE(w->loadFile(odt));
    EXPECT_EQ(w->rtb->toPlainText(), "Caesar crossed the Rubicon on January 10, 49 BC \u2013 so it is told.");
    EXPECT_EQ(formatOf("January").fontWeight(), QFont::Normal);

    const QString md = t.path("notes.md");
    writeBytes(md, QByteArray("# Rome\n\nFounded on **April 21, 753 BC**.\n"));
    ASSERT_TRUE(w->loadFile(md));
    EXPECT_EQ(w->rtb->toPlainText(), "Rome\nFounded on April 21, 753 BC.");
    EXPECT_EQ(formatOf("April").fontWeight(), QFont::Bold);
}

TEST_F(CaptureFiles, DocumentsAreReadAndNeverWrittenOver)
{
    const QString docx = t.path("history.docx");
    ASSERT_TRUE(QFile::copy(QM_TEST_DATA_DIR "/documents/history.docx", docx));
    ASSERT_TRUE(w->loadFile(docx));
    w->btnScan->trigger();
    EXPECT_EQ(w->txtDate->text(), "3/3/1002");

    // Saved beside it as plain text; never over it, nor as another document.
    const QByteArray original = qmtest::fileBytes(docx);
    dialogs.fileNames = {docx, t.path("history.odt"), t.path("history.txt")};
    for (int i = 0; i < 3; ++i)
        w->btnSave->trigger();
    EXPECT_EQ(qmtest::fileBytes(docx), original);
    EXPECT_EQ(dialogs.saveDialogs.front()[3], t.path("history.txt"));
    EXPECT_FALSE(QFile::exists(t.path("history.odt")));
    EXPECT_TRUE(qmtest::fileBytes(t.path("history.txt")).startsWith("Æthelred of Zürich\nCrowned"));
    EXPECT_EQ(dialogs.messages.size(), 2);

    // A damaged document is refused with the reason, and the text shown stays.
    EXPECT_FALSE(w->loadFile(QM_TEST_DATA_DIR "/documents/corrupt.docx"));
    EXPECT_TRUE(dialogs.messages.last().startsWith("The document corrupt.docx cannot be read: the document's text is "
                                                   "damaged"));
    EXPECT_EQ(w->rtb->document()->blockCount(), 6);
}

TEST_F(CaptureFiles, FailuresLoseNothing)
{
    setText("On July 4, 1776 they declared.");
    w->btnScan->trigger();
    QTest::keyClicks(w->rtb, "!");

    // Saving where no file can be made says so and leaves the text unsaved.
    EXPECT_FALSE(w->writeFile(t.path("missing/folder/out.txt")));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].startsWith("The text could not be saved as out.txt"));
    EXPECT_TRUE(w->rtb->document()->isModified());

    // An existing file is replaced only after Yes.
    const QString existing = t.path("old.txt");
    writeBytes(existing, "old");
    dialogs.fileNames = {existing};
    dialogs.answers = {false};
    w->btnSave->trigger();
    EXPECT_EQ(dialogs.questions.last(), "A file with this name already exists. Do you want to override it?");
    EXPECT_EQ(qmtest::fileBytes(existing), QByteArray("old"));

    // A file that holds no text is refused and the pane keeps what it had.
    const QString binary = t.path("picture.txt");
    writeBytes(binary, QByteArray("GIF89a\0\0\1\0", 10));
    const QString before = w->rtb->toPlainText();
    EXPECT_FALSE(w->loadFile(binary));
    EXPECT_EQ(w->rtb->toPlainText(), before);
    EXPECT_FALSE(w->loadFile(t.path("nowhere.txt")));
    EXPECT_EQ(w->rtb->toPlainText(), before);
    EXPECT_EQ(w->session().count(), 1);

    // Opening another text asks first; No keeps the changed one.
    const QString other = t.path("other.txt");
    writeBytes(other, "On 12/25/1990 the web began.");
    dialogs.fileNames = {other};
    dialogs.answers = {false};
    w->btnOpen->trigger();
    EXPECT_EQ(w->rtb->toPlainText(), before);

    // Yes opens it, and the dates found in the old text go with it.
    dialogs.fileNames = {other};
    dialogs.answers = {true};
    w->btnOpen->trigger();
    EXPECT_EQ(w->rtb->toPlainText(), "On 12/25/1990 the web began.");
    EXPECT_EQ(w->session().count(), 0);
    EXPECT_FALSE(w->btnAcceptAll->isEnabled());
}
