// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "../layout/canvasfixture.h"
#include "../store/storetestsupport.h"
#include "edit/editlabelcommand.h"
#include "edit/insertboxcommand.h"
#include "store/clevent.h"
#include "store/cltimeline.h"

#include <QAction>
#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

using qmtest::committedRows;
using qmtest::committedValue;

struct CommandFixture : qmtest::PlacementFixture
{
    // Stores an event as the event dialog does and places it through the stack, as Events > New does.
    qint32 newEvent(const QString &name, int month, const QString &actors = {})
    {
        const qint32 id = qmtest::storeEvent(t.g, QStringLiteral("%1/1/2001").arg(month), name, actors);
        qmtest::makeCurrent(t.g, id);
        qm::pushCommand(stack, std::make_unique<qm::InsertBoxCommand>(canvas, true));
        return id;
    }
    QVariant stored(const QString &sql, const QVariantList &values) const
    {
        return committedValue(t.projectPath, sql, values);
    }
    QString storedText(const QString &sql, const QVariantList &values) const { return stored(sql, values).toString(); }

    QUndoStack stack;
};

TEST(InsertBoxCommand, UndoTakesANewEventOutOfTheProjectAndRedoBringsItBackWithItsId)
{
    CommandFixture f;
    const qint32 late = f.newEvent("Late", 9);
    const auto withLate = f.storedPositions();
    const qint32 early = f.newEvent("Early", 1, "Hannibal");
    const auto withBoth = f.storedPositions();
    const QPointF earlyAt = f.pictureAt(early);
    ASSERT_NE(withBoth.at(late), withLate.at(late));
    std::unique_ptr<QAction> undoAction(f.stack.createUndoAction(nullptr));
    EXPECT_EQ(undoAction->text(), "Undo new event Early");

    f.stack.undo();
    EXPECT_EQ(f.storedPositions(), withLate);
    EXPECT_FALSE(f.canvas.IsOnCanvas(early));
    EXPECT_EQ(f.pictureAt(late), withLate.at(late));
    EXPECT_EQ(f.t.g.SelectedId, -1);
    EXPECT_EQ(committedRows(f.t.projectPath, "Event", "Id = ?", {early}), 0);
    EXPECT_EQ(committedRows(f.t.projectPath, "EventElement", "EventId = ?", {early}), 0);
    EXPECT_EQ(committedRows(f.t.projectPath, "Format", "EventId = ?", {early}), 0);

    f.stack.redo();
    EXPECT_EQ(f.storedPositions(), withBoth);
    EXPECT_EQ(f.pictureAt(early), earlyAt);
    EXPECT_EQ(f.t.g.SelectedId, early);
    EXPECT_EQ(f.storedText("SELECT Name FROM Event WHERE Id = ?", {early}), "Early");
    EXPECT_EQ(committedRows(f.t.projectPath, "EventElement", "EventId = ?", {early}), 1);
    EXPECT_EQ(committedRows(f.t.projectPath, "Format", "EventId = ?", {early}), 1);
}

TEST(EditLabelCommand, NameAndDateEditsWriteEventAndFormatAndUndoPutsBothBack)
{
    CommandFixture f;
    const qint32 id = f.newEvent("Cannae", 8);
    const QVariant dateBefore = f.stored("SELECT EventDate FROM Event WHERE Id = ?", {id});
    // The box's format row exists since its placement; take it away to see undo restore "no row".
    qm::execSql(f.t.g.ProjectDb, "DELETE FROM Format WHERE EventId = ?", {id});

    qm::LabelLook look = qm::lookOf(f.canvas, qm::LabelKind::Name, id);
    EXPECT_EQ(look.text, "Cannae");
    EXPECT_DOUBLE_EQ(look.font.size, 10);
    look.text = "Battle of Cannae";
    look.font.bold = true;
    qm::pushCommand(f.stack, qm::makeLabelEdit(f.canvas, qm::LabelKind::Name, id, look));
    EXPECT_EQ(f.storedText("SELECT Name FROM Event WHERE Id = ?", {id}), "Battle of Cannae");
    EXPECT_EQ(f.stored("SELECT TextBold FROM Format WHERE EventId = ?", {id}).toInt(), -1);
    EXPECT_EQ(f.canvas.model().box(id)->name.caption, "Battle of Cannae");

    qm::LabelLook date = qm::lookOf(f.canvas, qm::LabelKind::Date, id);
    date.text = "2 August 216 BC, morning"; // 24 characters: 20 are stored, all are shown
    qm::pushCommand(f.stack, qm::makeLabelEdit(f.canvas, qm::LabelKind::Date, id, date));
    EXPECT_EQ(f.storedText("SELECT EventDateStr FROM Event WHERE Id = ?", {id}), "2 August 216 BC, mor");
    EXPECT_EQ(f.canvas.model().box(id)->date.caption, date.text);
    EXPECT_EQ(f.stored("SELECT EventDate FROM Event WHERE Id = ?", {id}), dateBefore);
    EXPECT_EQ(f.stack.undoText(), "edit of the date of Battle of Cannae");
    // Nothing changed, nothing to undo.
    EXPECT_EQ(qm::makeLabelEdit(f.canvas, qm::LabelKind::Date, id, date), nullptr);

    f.stack.undo();
    f.stack.undo();
    EXPECT_EQ(f.storedText("SELECT Name FROM Event WHERE Id = ?", {id}), "Cannae");
    EXPECT_EQ(f.storedText("SELECT EventDateStr FROM Event WHERE Id = ?", {id}), "8/1/2001");
    EXPECT_EQ(committedRows(f.t.projectPath, "Format", "EventId = ?", {id}), 0);
    EXPECT_EQ(f.canvas.model().box(id)->name.caption, "Cannae");
    EXPECT_FALSE(f.canvas.model().box(id)->name.font.bold);
    f.stack.redo();
    EXPECT_EQ(f.storedText("SELECT Name FROM Event WHERE Id = ?", {id}), "Battle of Cannae");
}

TEST(EditLabelCommand, TitleEditsGoToTheTimelineRecordAtFullSizeWhileZoomed)
{
    CommandFixture f;
    f.canvas.zoomIn();
    for (const qm::LabelKind kind : {qm::LabelKind::Title, qm::LabelKind::Subtitle}) {
        const bool title = kind == qm::LabelKind::Title;
        qm::LabelLook look = qm::lookOf(f.canvas, kind, -1);
        const QString before = look.text;
        look.text = "Late Antiquity";
        look.solid = true;
        look.backColor = 0x00FFFF;
        qm::pushCommand(f.stack, qm::makeLabelEdit(f.canvas, kind, -1, look));
        const QString prefix = title ? QStringLiteral("Label") : QStringLiteral("Sub");
        const QString sql = "SELECT %1Caption, %1FontSize, %1Solid, %1BackColor FROM TimeLine WHERE Id = ?";
        EXPECT_EQ(f.storedText(sql.arg(prefix), {f.timelineId}), "Late Antiquity");
        EXPECT_EQ(f.storedText(QString("SELECT %1FontSize FROM TimeLine WHERE Id = ?").arg(prefix), {f.timelineId}),
                  title ? QString("24") : QString("10"));
        EXPECT_EQ(f.t.g.CurTimeLine->LabelCaption, title ? QString("Late Antiquity") : QString("Rome"));
        const qm::CanvasLabel &shown = title ? f.canvas.model().lblLabel : f.canvas.model().lblSub;
        EXPECT_TRUE(shown.solid);
        EXPECT_NEAR(shown.font.size, (title ? 24 : 10) * 1.2, 1e-9);

        f.stack.undo();
        EXPECT_EQ(f.storedText(sql.arg(prefix), {f.timelineId}), before);
        EXPECT_EQ(f.stored(QString("SELECT %1Solid FROM TimeLine WHERE Id = ?").arg(prefix), {f.timelineId}).toInt(),
                  0);
    }
}

} // namespace
