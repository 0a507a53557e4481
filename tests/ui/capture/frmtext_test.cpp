// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturefixture.h"
#include "edit/canvascommand.h"
#include "store/datequeries.h"
#include "store/elements.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

using CaptureWindow = qmtest::CaptureWindow;

const QString History = "A history\n"
                        "The colonies declared on July 4, 1776 that they were free. He had 300 ships.\n"
                        "The web began on 12/25/1990 at CERN.";

} // namespace

TEST_F(CaptureWindow, ScanMarksTheDatesAndWalksThroughThem)
{
    // Part of the first date is bold in the document itself; marking it shown must not lose that.
    w->rtb->setHtml("<p>A history</p><p>The colonies declared on <b>July</b> 4, 1776 that they were "
                    "free. He had 300 ships.</p><p>The web began on 12/25/1990 at CERN.</p>");
    w->rtb->document()->setModified(false);
    w->btnScan->trigger();
    EXPECT_TRUE(isRed("July 4, 1776"));
    EXPECT_TRUE(isRed("4, 1776"));
    EXPECT_FALSE(isRed("300"));
    EXPECT_TRUE(isRed("12/25/1990"));
    EXPECT_FALSE(isRed("colonies"));
    EXPECT_FALSE(w->rtb->document()->isModified());

    EXPECT_EQ(w->rtb->textCursor().selectedText(), "July 4, 1776");
    // What the fields hold is FoundDateFields's matter; here they are filled.
    EXPECT_EQ(w->txtDate->text(), "7/4/1776");
    EXPECT_EQ(shown(), "July 4, 1776");
    EXPECT_TRUE(w->btnAccept->isEnabled());
    EXPECT_TRUE(w->btnAcceptAll->isEnabled());
    EXPECT_TRUE(w->btnNext->isEnabled());
    EXPECT_FALSE(w->btnPrev->isEnabled());

    w->btnNext->trigger();
    EXPECT_EQ(w->rtb->textCursor().selectedText(), "12/25/1990");
    EXPECT_EQ(w->txtShort->toPlainText(), "The web began at CERN");
    EXPECT_EQ(shown(), "12/25/1990");
    // The marks are drawn over the text: the document's own bold stays, and nothing else is in it.
    EXPECT_EQ(formatOf("July").fontWeight(), QFont::Bold);
    EXPECT_NE(formatOf("4, 1776").fontWeight(), QFont::Bold);
    EXPECT_FALSE(formatOf("12/25/1990").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(w->btnNext->isEnabled());
    EXPECT_TRUE(w->btnPrev->isEnabled());

    w->btnPrev->trigger();
    EXPECT_EQ(w->txtDate->text(), "7/4/1776");
    EXPECT_FALSE(w->btnPrev->isEnabled());

    // A long text is marked where it is shown only, however many dates it holds.
    setText(QString("A year on March 3, 1500 passed.\n").repeated(3000));
    w->btnScan->trigger();
    EXPECT_EQ(w->session().count(), 3000);
    EXPECT_TRUE(isRed("March 3"));
    EXPECT_GT(w->marks()->drawnCount(), 0);
    EXPECT_LT(w->marks()->drawnCount(), 100);

    // A scan that finds nothing leaves nothing to walk to.
    setText("In 42 he sailed.");
    w->btnScan->trigger();
    EXPECT_FALSE(w->btnNext->isEnabled());
    EXPECT_FALSE(w->btnAcceptAll->isEnabled());
    EXPECT_EQ(w->session().count(), 0);
}

TEST_F(CaptureWindow, AReportIsReadFromTheDayItWasWritten)
{
    // The top gives no day: the day typed by the user places "December 28" in the year before.
    setText("The talks failed on December 28. Yesterday the minister resigned.");
    w->txtWritten->setText("1/5/2004");
    w->btnScan->trigger();
    ASSERT_EQ(w->session().count(), 2);
    EXPECT_EQ(w->txtDate->text(), "12/28/2003");
    w->btnNext->trigger();
    EXPECT_EQ(w->txtDate->text(), "1/4/2004");

    // What is not a day is said, and the last scan stays as it was.
    w->txtWritten->setText("soon");
    w->btnScan->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].startsWith("\"soon\" is not a day."));
    EXPECT_EQ(w->session().count(), 2);

    // Left empty, the day at the text's top is used, and the status says which day that was.
    w->txtWritten->clear();
    setText("LONDON, January 5, 2004 (Reuters) -- The talks failed on December 28.");
    w->btnScan->trigger();
    EXPECT_EQ(w->session().writtenOn(), QDate(2004, 1, 5));
    EXPECT_TRUE(w->lblStatus->text().contains("written on January 5, 2004"));
}

TEST_F(CaptureWindow, AcceptRefusesATakenDateUnlessItIsAdvanced)
{
    store("7/4/1776", "Declaration");
    g.AdvanceDate = false;
    w = std::make_unique<qm::frmText>(g, windows, dialogs);
    EXPECT_FALSE(w->chkAdvance->isChecked());
    EXPECT_FALSE(w->chkInclude->isEnabled());
    EXPECT_FALSE(w->chkInclude->isChecked());
    setText(History);
    w->btnScan->trigger();
    EXPECT_FALSE(w->btnAccept->isEnabled());

    // Ticking offers Accept; unticking leaves it offered, and Accept then refuses the date.
    QTest::mouseClick(w->chkAdvance, Qt::LeftButton);
    EXPECT_TRUE(g.AdvanceDate);
    EXPECT_TRUE(w->btnAccept->isEnabled());
    QTest::mouseClick(w->chkAdvance, Qt::LeftButton);
    EXPECT_FALSE(g.AdvanceDate);
    EXPECT_TRUE(w->btnAccept->isEnabled());
    w->btnAccept->trigger();
    EXPECT_EQ(dialogs.messages,
              QStringList{"Another event with this exact date already exists in this project. Change the date or "
                          "check \"" +
                          qm::sameDayCaption() + "\"."});
    EXPECT_EQ(committedEvents(), 1);
    EXPECT_EQ(w->session().CurrentDateIndex, 1);

    QTest::mouseClick(w->chkAdvance, Qt::LeftButton);
    w->btnAccept->trigger();
    EXPECT_EQ(committedEvents(), 2);
    // On to the next date, which is free (the day kept is Session.AcceptRefuses...'s matter).
    EXPECT_EQ(w->txtDate->text(), "12/25/1990");
    EXPECT_TRUE(w->btnAccept->isEnabled());

    // Accepting the last date stays on it, with nothing more to accept.
    w->txtDate->setText("12/25/1990");
    w->btnAccept->trigger();
    EXPECT_EQ(committedEvents(), 3);
    EXPECT_EQ(w->txtShort->toPlainText(), "The web began at CERN");
    EXPECT_FALSE(w->btnAccept->isEnabled());
    EXPECT_FALSE(w->btnNext->isEnabled());
}

TEST_F(CaptureWindow, TypedDatesOfferAcceptOnlyWhenFree)
{
    store("7/4/1776", "Declaration");
    g.AdvanceDate = false;
    w = std::make_unique<qm::frmText>(g, windows, dialogs);
    w->txtDate->setText("1/1/1800");
    EXPECT_TRUE(w->btnAccept->isEnabled());
    w->txtDate->setText("7/4/1776");
    EXPECT_FALSE(w->btnAccept->isEnabled());
    // Half a date changes nothing until the field is left.
    w->txtDate->setText("7/4/");
    EXPECT_FALSE(w->btnAccept->isEnabled());
    w->txtDate->setText("March 3, 1500");
    w->txtDate_LostFocus();
    EXPECT_TRUE(w->btnAccept->isEnabled());

    // Without a timeline the event is only saved (names are cut as Session.AcceptedEventsKeep... shows).
    bool placed = false;
    w->setTimeline({[&] { return placed = true; }, {}, {}, {}, {}, {}});
    w->btnAccept->trigger();
    EXPECT_FALSE(placed);
    EXPECT_EQ(committedEvents(), 2);

    // The project may close while the window stays open: dates are still found, nothing is stored.
    g.ProjectDb.close();
    setText("On 12/25/1990 the web began.");
    w->btnScan->trigger();
    EXPECT_EQ(w->txtDate->text(), "12/25/1990");
    w->btnAccept->trigger();
    w->btnAcceptAll->trigger();
    EXPECT_EQ(dialogs.messages, QStringList(2, "Open a project to keep the events in first."));
}

TEST_F(CaptureWindow, PeriodsFillTheEndWhichAcceptChecksAndStores)
{
    setText("The Terror lasted from 1793 to 1794. Louis XVI died on 21 January 1793.");
    w->btnScan->trigger();
    EXPECT_EQ(w->rtb->textCursor().selectedText(), "1793 to 1794");
    EXPECT_EQ(w->txtDateLabel->text(), "1793");
    EXPECT_EQ(w->txtEnds->text(), "12/31/1794");

    w->txtEnds->setText("1792");
    w->btnAccept->trigger();
    EXPECT_EQ(dialogs.messages, QStringList{"The end must not lie before the start"});
    EXPECT_EQ(committedEvents(), 0);
    w->txtEnds->setText("7/27/1794");
    w->btnAccept->trigger();
    ASSERT_EQ(committedEvents(), 1);
    // On to a point in time, which has no end.
    EXPECT_EQ(w->txtDate->text(), "1/21/1793");
    EXPECT_TRUE(w->txtEnds->text().isEmpty());
    const auto e = qm::loadEventAside(g, qm::eventIdsByDate(g.ProjectDb).front());
    ASSERT_TRUE(e->EndDate);
    EXPECT_EQ(e->EndDate->Render(), "7/27/1794");
}

TEST_F(CaptureWindow, SelectionsBecomeDescriptionsNamesAndElements)
{
    setText("Rome\nParis\nThe city of Paris fell.");
    select(0, 10);
    EXPECT_EQ(w->txtCapture->text(), "Rome,Paris");
    w->cmbElementType->setCurrentText("Place");
    QTest::mouseClick(w->cmdCapture, Qt::LeftButton);
    EXPECT_EQ(qm::elementsOfType(g.ProjectDb, "P"), (QStringList{"Paris", "Rome"}));
    EXPECT_TRUE(qm::elementsOfType(g.ProjectDb, "A").isEmpty());

    QTest::mouseClick(w->cmdCaptureLong, Qt::LeftButton);
    EXPECT_EQ(w->txtLong->toPlainText(), "Rome\nParis");

    // Once per field and letter case is Session.CapturedNamesGoInOncePerListWhateverTheirCase's matter.
    select(5, 5);
    QTest::mouseClick(w->cmdCaptureWhere, Qt::LeftButton);
    QTest::mouseClick(w->cmdCaptureShort, Qt::LeftButton);
    EXPECT_EQ(w->txtWhere->text(), "Paris");
    EXPECT_EQ(w->txtShort->toPlainText(), "Paris");

    // Names found in the text come with a scanned date.
    setText("The Parisians rose on July 14, 1789 in Rome.");
    w->btnScan->trigger();
    EXPECT_EQ(w->txtWhere->text(), "Rome,Paris");
}

TEST_F(CaptureWindow, AcceptAllLeavesTheDateAsFound)
{
    store("8/19/14 AD", "Augustus");
    g.AdvanceDate = true;
    w = std::make_unique<qm::frmText>(g, windows, dialogs);
    setText("Augustus died in 14 AD at Nola.");
    w->btnScan->trigger();
    ASSERT_EQ(w->txtDate->text(), "8/19/14 AD");
    w->btnAcceptAll->trigger();
    EXPECT_EQ(committedEvents(), 2);
    EXPECT_EQ(w->session().CaptureDate.Render(qm::DateOrder::MonthFirst, false), "8/19/14 AD");
    EXPECT_EQ(w->txtDate->text(), "8/19/14 AD");

    // Escape closes the window as it closes a dialog.
    w->show();
    QTest::keyClick(w->rtb, Qt::Key_Escape);
    EXPECT_FALSE(w->isVisible());
}
