// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturefixture.h"

#include <QAction>
#include <QFile>
#include <QTest>

namespace {

using CaptureFiles = qmtest::CaptureWindow;

void writeBytes(const QString &path, const QByteArray &bytes)
{
    ASSERT_TRUE(qmtest::writeFile(path, bytes));
}

} // namespace

TEST_F(CaptureFiles, PlainTextsOpenInTheirEncodingAndSaveAsUtf8)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QString text;
    } cases[] = {
        {"utf8.txt", QByteArray("Caf\xc3\xa9 on July 4, 1776\r\nsecond line\r\n"),
         "Caf\u00e9 on July 4, 1776\nsecond line\n"},
        {"cp1252.txt",
         QByteArray("\x93"
                    "Caf\xe9\x94 \x96 1776\nend"),
         "\u201cCaf\u00e9\u201d \u2013 1776\nend"},
        {"utf16.txt", QByteArray("\xff\xfeR\0o\0m\0e\0\r\0\n\0", 14), "Rome\n"},
        {"mac.txt", QByteArray("one\rtwo"), "one\ntwo"},
    };
    for (const auto &c : cases) {
        const QString path = t.path(QString::fromLatin1(c.name));
        writeBytes(path, c.bytes);
        ASSERT_TRUE(w->loadFile(path)) << c.name;
        EXPECT_EQ(w->rtb->toPlainText(), c.text) << c.name;
        EXPECT_FALSE(w->rtb->document()->isModified());

        // Marks of a scan are the window's: a plain text file never gets them, nor any markup.
        w->btnScan->trigger();
        const QString out = t.path(QStringLiteral("out-") + QString::fromLatin1(c.name));
        ASSERT_TRUE(w->writeFile(out));
        EXPECT_EQ(qmtest::fileBytes(out), c.text.toUtf8()) << c.name;
    }
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

    const QString md = t.path("notes.md");
    writeBytes(md, QByteArray("# Rome\n\nFounded on **April 21, 753 BC**.\n"));
    ASSERT_TRUE(w->loadFile(md));
    EXPECT_EQ(w->rtb->toPlainText(), "Rome\nFounded on April 21, 753 BC.");
    EXPECT_EQ(formatOf("April").fontWeight(), QFont::Bold);
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
