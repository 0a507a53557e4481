// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/frmcategories.h"
#include "dialogs/frmevent.h"
#include "dialogs/frmeventformat.h"
#include "edit/canvascommand.h"
#include "layout/timelinecanvas.h"
#include "main/inplaceeditor.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/elements.h"
#include "store/sqlquery.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>
#include <QUndoStack>

namespace {

// A new project whose first timeline shows three events placed with Events > New.
struct CanvasEditing : public qmtest::MainWindow
{
    CanvasEditing()
    {
        startWithNewProject();
        first = newEvent("Trebia", "12/18/218 BC");
        second = newEvent("Cannae", "8/2/216 BC");
        third = newEvent("Zama", "10/19/202 BC");
    }
    // Fills the event dialog as soon as it opens (an empty name leaves it as it is) and saves.
    static void answerEventDialog(const QString &name, const QString &date)
    {
        qmtest::onNextModal([name, date](QWidget *modal) {
            auto *d = qobject_cast<qm::frmEvent *>(modal);
            ASSERT_NE(d, nullptr);
            if (!name.isEmpty()) {
                d->txtName->setText(name);
                d->txtDate->setText(date);
            }
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        });
    }
    qint32 newEvent(const QString &name, const QString &date)
    {
        answerEventDialog(name, date);
        w->mnuEventNew_Click();
        return g.CurEvent->Id;
    }
    const qm::CanvasBox &box(qint32 id) { return *w->canvas().model().box(id); }
    void click(const QPointF &at, Qt::MouseButton button = Qt::LeftButton)
    {
        w->Pic_MouseDown(at, button);
        w->Pic_MouseUp(at, button);
    }
    QAction *editButton(const char *key) { return w->editor().tbEdit->findChild<QAction *>(QString::fromLatin1(key)); }

    qint32 first = 0, second = 0, third = 0;
};

TEST_F(CanvasEditing, ADragIsOneStepThatTheEditMenuUndoesAndRedoes)
{
    ASSERT_EQ(w->undoStack().count(), 3);
    const QPointF start = box(second).picture.rect.center();
    const double secondLeft = box(second).picture.rect.left();
    const double thirdLeft = box(third).picture.rect.left();
    w->Pic_MouseDown(start, Qt::LeftButton);
    EXPECT_EQ(g.SelectedId, second);
    w->Pic_MouseMove(start + QPointF(300, 0));
    w->Pic_MouseUp(start + QPointF(300, 0), Qt::LeftButton);
    EXPECT_EQ(box(second).picture.rect.left(), secondLeft + 300);
    EXPECT_EQ(box(third).picture.rect.left(), thirdLeft + 300);
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo move of Cannae");

    w->mnuEditUndo->trigger();
    EXPECT_EQ(box(second).picture.rect.left(), secondLeft);
    EXPECT_EQ(box(third).picture.rect.left(), thirdLeft);
}

TEST_F(CanvasEditing, ANewEventWhoseBoxCannotBePlacedIsKeptAndTheMessageSaysSo)
{
    // A cancelled dialog places nothing and adds no step.
    qmtest::onNextModal(
        [](QWidget *modal) { QTest::mouseClick(qobject_cast<qm::frmEvent *>(modal)->cmdCancel, Qt::LeftButton); });
    w->mnuEventNew_Click();
    EXPECT_EQ(w->canvas().model().boxCount(), 3u);
    EXPECT_EQ(w->undoStack().count(), 3);

    qm::execSql(g.ProjectDb, "CREATE TRIGGER refuse BEFORE INSERT ON TimeLineEvent "
                             "BEGIN SELECT RAISE(ABORT, 'disk full'); END");
    const qint32 id = newEvent("Ilipa", "6/1/206 BC");
    EXPECT_TRUE(dialogs.messages.value(0).startsWith(
        "The event \"Ilipa\" was stored, but its box could not be placed on the timeline"));
    EXPECT_TRUE(dialogs.messages.value(0).contains("disk full"));
    EXPECT_TRUE(qm::eventExists(g.ProjectDb, id));
    EXPECT_FALSE(w->canvas().IsOnCanvas(id));
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo new event Ilipa");
    w->mnuEditUndo->trigger();
    EXPECT_FALSE(qm::eventExists(g.ProjectDb, id));
}

TEST_F(CanvasEditing, TheTitleOpensWithTheEditBandAndEscapeKeepsWhatWasTyped)
{
    const qm::CanvasLabel &title = w->canvas().model().lblLabel;
    click(title.rect.center());
    qm::InPlaceEditor &editor = w->editor();
    ASSERT_TRUE(editor.isOpen());
    EXPECT_EQ(editor.Text1->text(), "Timeline0");
    EXPECT_TRUE(editButton("Bold")->isEnabled());
    // A transparent title shows the edit box's off-white; a chosen back colour makes it solid.
    EXPECT_EQ(editor.Text1->palette().color(QPalette::Base), qm::colorFromLong(qm::InPlaceEditor::TransparentBack));
    editor.Text1->setText("Punic Wars");
    editButton("Bold")->trigger();
    dialogs.colors.push_back(QColor(255, 255, 0));
    editButton("BackColor")->trigger();
    EXPECT_TRUE(editButton("Solid")->isChecked());
    QTest::keyClick(editor.Text1, Qt::Key_Escape);

    EXPECT_FALSE(editor.isOpen());
    // The band, greyed, tells nothing of the label no longer edited; its fonts carry no maker's tag.
    EXPECT_FALSE(editButton("Bold")->isEnabled());
    EXPECT_FALSE(editButton("Bold")->isChecked() || editButton("Solid")->isChecked());
    EXPECT_EQ(editor.cmbFonts->currentIndex(), -1);
    EXPECT_EQ(editor.cmbFonts->findText(" [", Qt::MatchContains), -1);
    EXPECT_EQ(title.caption, "Punic Wars");
    EXPECT_TRUE(title.font.bold);
    // What a title edit stores is EditLabelCommand.TitleEditsGoToTheTimelineRecord...'s matter.
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo edit of the title");
    w->mnuEditUndo->trigger();
    EXPECT_EQ(title.caption, "Timeline0");
}

TEST_F(CanvasEditing, TheEditBandFormatsAnEventsNameAndDateAndAClickOnTheCanvasCommits)
{
    // A new timeline's events have no picture: the first click on the name selects the box, the next
    // one opens the name.
    click(box(second).name.rect.center());
    qm::InPlaceEditor &editor = w->editor();
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(g.SelectedId, second);
    click(box(second).name.rect.center());
    ASSERT_TRUE(editor.isOpen());
    EXPECT_TRUE(editButton("Bold")->isEnabled());
    EXPECT_TRUE(editor.cmbFonts->isEnabled());
    editor.Text1->setText("Battle of Cannae");
    editButton("Bold")->trigger();
    click(QPointF(20000, 3000));
    EXPECT_FALSE(editor.isOpen());
    EXPECT_EQ(box(second).name.caption, "Battle of Cannae");
    EXPECT_TRUE(box(second).name.font.bold);
    EXPECT_EQ(g.SelectedId, -1);

    click(box(second).date.rect.center());
    dialogs.colors.push_back(QColor(128, 0, 0));
    editButton("ForeColor")->trigger();
    QTest::keyClick(editor.Text1, Qt::Key_Escape);
    qm::clFormat stored;
    stored.GetFormat(g.ProjectDb, second, g.CurTimeLineId);
    EXPECT_TRUE(stored.TextBold);
    EXPECT_EQ(stored.DateForeColor, 128);
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo edit of the date of Battle of Cannae");
    w->mnuEditUndo->trigger();
    EXPECT_EQ(box(second).date.foreColor, 0);
    EXPECT_TRUE(box(second).name.font.bold);

    // A plain click on a text opens nothing else: the pictures still select.
    click(box(first).picture.rect.center());
    EXPECT_EQ(g.SelectedId, first);
    EXPECT_FALSE(editor.isOpen());
}

TEST_F(CanvasEditing, ArrowKeysWalkTheBoxesInDateOrderAndCompressionIsUndoable)
{
    w->selectBox(first);
    w->Pic_KeyDown(Qt::Key_Right);
    EXPECT_EQ(g.SelectedId, second);
    w->Pic_KeyDown(Qt::Key_Right);
    w->Pic_KeyDown(Qt::Key_Right);
    EXPECT_EQ(g.SelectedId, third);
    w->Pic_KeyDown(Qt::Key_Left);
    EXPECT_EQ(g.SelectedId, second);

    QAction *compress2 = w->tbArrange->findChild<QAction *>("Compress2");
    ASSERT_TRUE(compress2->isEnabled());
    const int steps = w->undoStack().count();
    const QPointF before = box(third).picture.rect.topLeft();
    compress2->trigger();
    EXPECT_EQ(w->undoStack().count(), steps + 1);
    EXPECT_NE(box(third).picture.rect.topLeft(), before);
    // Its undo, and Compress 1 leaving the file alone, are Compress2's and Compress's tests.
}

TEST_F(CanvasEditing, TheEventDialogIsOneStepAndSavingNothingKeepsTheHistory)
{
    const auto edit = [this](const QString &name, const QString &date) {
        answerEventDialog(name, date);
        w->selectBox(first);
        w->mnuEventEdit_Click();
    };
    edit({}, {});
    EXPECT_EQ(w->undoStack().count(), 3);

    // A later date places the box again, after Cannae, in the same step.
    edit("Battle of the Trebia", "9/1/216 BC");
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo edit of Battle of the Trebia");
    EXPECT_GT(box(first).picture.rect.left(), box(second).picture.rect.left());
    w->mnuEditUndo->trigger();
    EXPECT_EQ(box(first).name.caption, "Trebia");
    EXPECT_LT(box(first).picture.rect.left(), box(second).picture.rect.left());
    EXPECT_EQ(qm::loadEventAside(g, first)->Name, "Trebia");
    EXPECT_EQ(w->undoStack().index(), 3);

    // An event deleted while its dialog is open is not stored again: the dialog says so and stays.
    qmtest::onNextModal([this](QWidget *modal) {
        auto *d = qobject_cast<qm::frmEvent *>(modal);
        ASSERT_NE(d, nullptr);
        qm::DeleteEventRow(g.ProjectDb, third);
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        EXPECT_TRUE(d->isVisible());
        QTest::mouseClick(d->cmdCancel, Qt::LeftButton);
    });
    w->selectBox(third);
    w->mnuEventEdit_Click();
    EXPECT_EQ(dialogs.messages.value(0), "The event \"Zama\" was deleted, so the changes cannot be stored");
    EXPECT_FALSE(qm::eventExists(g.ProjectDb, third));
    EXPECT_EQ(w->undoStack().index(), 3);
}

TEST_F(CanvasEditing, SeveralSelectedBoxesTakeAPastedFormatAndLeaveInOneStepEach)
{
    click(box(first).picture.rect.center());
    w->Pic_MouseDown(box(third).picture.rect.center(), Qt::LeftButton, Qt::ControlModifier);
    w->Pic_MouseUp(box(third).picture.rect.center(), Qt::LeftButton);
    ASSERT_EQ(w->canvas().selectedIds(), (std::vector<qint32>{first, third}));

    w->mnuEventCopyFormat->trigger();
    w->session().ClipFormat->TextBold = true;
    const int steps = w->undoStack().count();
    w->mnuEventPasteFormat->trigger();
    EXPECT_TRUE(box(first).name.font.bold && box(third).name.font.bold);
    EXPECT_FALSE(box(second).name.font.bold);
    w->mnuEditUndo->trigger();
    EXPECT_FALSE(box(first).name.font.bold || box(third).name.font.bold);
    w->mnuEditRedo->trigger();

    w->mnuEventExclude->trigger();
    EXPECT_EQ(w->canvas().model().boxCount(), 1u);
    EXPECT_EQ(w->undoStack().count(), steps + 2);
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo exclusion of 2 events");
    w->mnuEditUndo->trigger();
    EXPECT_TRUE(w->canvas().IsOnCanvas(first) && w->canvas().IsOnCanvas(third));
}

TEST_F(CanvasEditing, TheEventFormatDialogAppliesToAllInOneStepAndBecomesTheDefaultForNewEvents)
{
    w->selectBox(second);
    const auto answer = [](bool all, bool makeDefault) {
        qmtest::onNextModal([all, makeDefault](QWidget *modal) {
            auto *d = qobject_cast<qm::frmEventFormat *>(modal);
            ASSERT_NE(d, nullptr);
            d->name.chkItalic->setChecked(true);
            d->name.spnSize->setValue(30);
            d->date.spnSize->setValue(12);
            d->spnPictureBorder->setValue(2);
            d->cmbLineStyle->setCurrentIndex(2);
            d->chkApplyAll->setChecked(all);
            d->chkMakeDefault->setChecked(makeDefault);
            QTest::mouseClick(d->cmdOK, Qt::LeftButton);
        });
    };
    answer(false, false);
    w->mnuFormatEvent->trigger();
    EXPECT_TRUE(box(second).name.font.italic);
    EXPECT_FALSE(box(first).name.font.italic);
    w->mnuEditUndo->trigger();

    const int steps = w->undoStack().index();
    answer(true, true);
    w->mnuFormatEvent->trigger();
    EXPECT_EQ(w->undoStack().index(), steps + 1);
    for (const qint32 id : {first, second, third}) {
        qm::clFormat f;
        f.GetFormat(g.ProjectDb, id, g.CurTimeLineId);
        EXPECT_TRUE(f.TextItalic && f.DateFontSize == 12 && f.PictureBorderWidth == 40 &&
                    f.LineStyle == qm::clFormat::LineDotted)
            << id;
    }
    // The names grown larger pushed the later boxes on in the same step, in date order and MinDist apart.
    for (const auto &[left, right] : {std::pair{first, second}, {second, third}})
        EXPECT_LE(w->canvas().LoadUple(left).Right + g.MinDist, w->canvas().LoadUple(right).Left) << left;
    EXPECT_TRUE(box(first).name.font.italic);
    const qint32 fourth = newEvent("Ilipa", "6/1/206 BC");
    EXPECT_TRUE(box(fourth).name.font.italic);
    EXPECT_EQ(box(fourth).connector.style, qm::clFormat::LineDotted);

    w->mnuEditUndo->trigger();
    w->mnuEditUndo->trigger();
    EXPECT_FALSE(box(first).name.font.italic || box(third).name.font.italic);
    qm::clFormat def;
    def.GetFormat(g.ProjectDb, 0, g.CurTimeLineId);
    EXPECT_FALSE(def.TextItalic);
    EXPECT_FALSE(g.CurTimeLine->DefaultFormat.TextItalic);
}

TEST_F(CanvasEditing, TheCategoriesDialogColoursTheBoxesInOneStep)
{
    const qint32 war = qm::FindOrCreateElement(g.ProjectDb, "K", "Second Punic War");
    qm::execSql(g.ProjectDb, "INSERT INTO EventElement (EventId, ElementType, ElementId) VALUES (?, 'K', ?)",
                {second, war});
    qmtest::onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmCategories *>(modal);
        ASSERT_NE(d, nullptr);
        d->cmbType->setCurrentIndex(3);
        d->cmdAdd->click();
        QTest::mouseClick(d->cmdOK, Qt::LeftButton);
    });
    w->mnuTimelineCategories->trigger();
    EXPECT_EQ(w->canvas().model().categoryColors.count(second), 1u);
    EXPECT_TRUE(w->canvas().model().legend.visible);
    EXPECT_EQ(w->mnuEditUndo->text(), "&Undo categories");
    w->mnuEditUndo->trigger();
    EXPECT_TRUE(w->canvas().model().categoryColors.empty());
}

} // namespace
