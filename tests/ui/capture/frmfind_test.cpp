// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/frmfind.h"
#include "capturefixture.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct FindReplace : public qmtest::CaptureWindow
{
    qm::frmFind *find(const QString &what)
    {
        w->btnFind->trigger();
        qm::frmFind *f = w->findWindow();
        f->txtFind->setText(what);
        return f;
    }
    qsizetype selectionStart() const { return w->rtb->textCursor().selectionStart(); }
};

} // namespace

TEST_F(FindReplace, FindNextWalksTheOccurrencesAndOffersToStartOver)
{
    setText("Rome was not built in a day; rome fell in a day.");
    qm::frmFind *f = find("Rome");

    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_EQ(windows.FindText, "Rome");
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 29);
    EXPECT_EQ(w->rtb->textCursor().selectedText(), "rome");

    // Past the last one: No keeps the selection, Yes finds the first one, at the text's first character.
    dialogs.answers = {false, true};
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions.last(), "String not found through the end of the text\nWould you like "
                                        "to restart the search from the beginning of the text?");
    EXPECT_EQ(selectionStart(), 29);
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 0);

    // The options reach the search (FindInText covers what they do).
    f->txtFind->setText("a");
    QTest::mouseClick(f->chkWholeWord, Qt::LeftButton);
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 22);

    // A text that is nowhere is said once, not asked about for ever.
    f->txtFind->setText("Carthage");
    dialogs.answers = {true};
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{"\"Carthage\" does not occur in the text."});
    EXPECT_EQ(selectionStart(), 22);
}

TEST_F(FindReplace, FindTextComesFromTheSelectionAndOutlivesTheWindows)
{
    setText("The Senate of Rome");
    select("Senate");
    w->btnFind->trigger();
    qm::frmFind *f = w->findWindow();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->txtFind->text(), "Senate");
    QTest::mouseClick(f->cmdCancel, Qt::LeftButton);
    QTest::qWait(1);
    w.reset();
    w = std::make_unique<qm::frmText>(g, windows, dialogs);
    w->btnFind->trigger();
    EXPECT_EQ(w->findWindow()->txtFind->text(), "Senate");
}

TEST_F(FindReplace, ReplaceChangesTheSelectionAndReplaceAllTheWholeText)
{
    // Replace works inside the selection only, letter case counting.
    w->rtb->setHtml("<p>Rome and <b>Rome</b> and rome</p>");
    qm::frmFind *f = find("rome");
    f->txtReplace->setText("Carthage");
    select(0, 8);
    QTest::mouseClick(f->cmdReplace, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), "Rome and Rome and rome");
    select("and rome");
    QTest::mouseClick(f->cmdReplace, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), "Rome and Rome and Carthage");

    // Replace All keeps the formatting of the text around each replacement.
    f->txtFind->setText("and");
    f->txtReplace->setText("&");
    QTest::mouseClick(f->cmdReplaceAll, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), "Rome & Rome & Carthage");
    EXPECT_EQ(formatAt(7).fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(0).fontWeight(), QFont::Bold);
    w->rtb->undo();
    EXPECT_EQ(w->rtb->toPlainText(), "Rome and Rome and Carthage");

    // Replace takes what Find Next selected, across a line break and a non-breaking space too.
    setText(QString("Old\nRome and Old\u00a0Rome"));
    w->rtb->moveCursor(QTextCursor::Start);
    for (const QString &what : {QString("Old\nRome"), QString("Old Rome")}) {
        f->txtFind->setText(what);
        f->txtReplace->setText("Carthage");
        QTest::mouseClick(f->cmdFind, Qt::LeftButton);
        QTest::mouseClick(f->cmdReplace, Qt::LeftButton);
    }
    EXPECT_EQ(w->rtb->toPlainText(), "Carthage and Carthage");

    // A selection that holds a non-breaking space is found where it stands, as it is shown; Escape closes.
    setText(QString("Old\u00a0Rome and Old\u00a0Rome"));
    select(0, 8);
    w->btnFind->trigger();
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 13);
    QTest::keyClick(f->txtFind, Qt::Key_Escape);
    EXPECT_FALSE(f->isVisible());
}
