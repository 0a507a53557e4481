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
    setText(QStringLiteral("Rome was not built in a day; rome fell in a day."));
    qm::frmFind *f = find(QStringLiteral("Rome"));
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Find & Replace"));
    EXPECT_FALSE(f->isModal());

    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 0);
    EXPECT_EQ(g.FindText, QStringLiteral("Rome"));
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 29);
    EXPECT_EQ(w->rtb->textCursor().selectedText(), QStringLiteral("rome"));

    // Past the last one: No keeps the selection, Yes finds the first one, at the text's first character.
    dialogs.answers = {false, true};
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("String not found through the end of the text\nWould you like "
                                                       "to restart the search from the begining of the text?"));
    EXPECT_EQ(selectionStart(), 29);
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 0);

    // Letter case and whole words.
    QTest::mouseClick(f->chkMatchCase, Qt::LeftButton);
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(dialogs.questions.size(), 3);
    EXPECT_EQ(selectionStart(), 0);
    f->txtFind->setText(QStringLiteral("a"));
    QTest::mouseClick(f->chkWholeWord, Qt::LeftButton);
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(selectionStart(), 22);

    // A text that is nowhere is said once, not asked about for ever.
    f->txtFind->setText(QStringLiteral("Carthage"));
    dialogs.answers = {true};
    QTest::mouseClick(f->cmdFind, Qt::LeftButton);
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("\"Carthage\" does not occur in the text.")});
    EXPECT_EQ(selectionStart(), 22);
}

TEST_F(FindReplace, FindTextComesFromTheSelectionAndOutlivesTheWindows)
{
    setText(QStringLiteral("The Senate of Rome"));
    select(QStringLiteral("Senate"));
    w->btnFind->trigger();
    qm::frmFind *f = w->findWindow();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->txtFind->text(), QStringLiteral("Senate"));
    QTest::mouseClick(f->cmdCancel, Qt::LeftButton);
    QTest::qWait(1);
    w.reset();
    w = std::make_unique<qm::frmText>(g, dialogs);
    w->btnFind->trigger();
    EXPECT_EQ(w->findWindow()->txtFind->text(), QStringLiteral("Senate"));
}

TEST_F(FindReplace, ReplaceChangesTheSelectionAndReplaceAllTheWholeText)
{
    setText(QStringLiteral("banana"));
    qm::frmFind *f = find(QStringLiteral("a"));
    f->txtReplace->setText(QStringLiteral("b"));
    QTest::mouseClick(f->cmdReplaceAll, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), QStringLiteral("bbnbnb"));

    // Replace works inside the selection only, letter case counting.
    w->rtb->setHtml(QStringLiteral("<p>Rome and <b>Rome</b> and rome</p>"));
    f->txtFind->setText(QStringLiteral("rome"));
    f->txtReplace->setText(QStringLiteral("Carthage"));
    select(0, 8);
    QTest::mouseClick(f->cmdReplace, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), QStringLiteral("Rome and Rome and rome"));
    select(QStringLiteral("and rome"));
    QTest::mouseClick(f->cmdReplace, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), QStringLiteral("Rome and Rome and Carthage"));

    // Replace All keeps the formatting of the text around each replacement.
    f->txtFind->setText(QStringLiteral("and"));
    f->txtReplace->setText(QStringLiteral("&"));
    QTest::mouseClick(f->cmdReplaceAll, Qt::LeftButton);
    EXPECT_EQ(w->rtb->toPlainText(), QStringLiteral("Rome & Rome & Carthage"));
    EXPECT_EQ(formatAt(7).fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(0).fontWeight(), QFont::Bold);
    w->rtb->undo();
    EXPECT_EQ(w->rtb->toPlainText(), QStringLiteral("Rome and Rome and Carthage"));
}
