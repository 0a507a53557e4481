// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "edit/moveboxescommand.h"
#include "layout/canvasmouse.h"
#include "store/sqlquery.h"

#include <QUndoStack>

#include <tuple>

#include <gtest/gtest.h>

namespace {

using qmtest::PlacementFixture;

// Three boxes "Alpha", "Betas", "Gamma" of 1, 2 and 3 January 2001 as placed one after the other:
// pictures at (320, 820), (1390, 100) and (2460, 100). Each date (640 wide) reaches 220 left of its
// 200-twip picture; each name (500 wide) ends 750 right of the picture's left.
struct DragFixture : PlacementFixture
{
    DragFixture()
    {
        a = insert(qmtest::addEvent(t.g, "Alpha", 2001, 1, 1));
        b = insert(qmtest::addEvent(t.g, "Betas", 2001, 1, 2));
        c = insert(qmtest::addEvent(t.g, "Gamma", 2001, 1, 3));
    }

    double left(qint32 id) const { return pictureAt(id).x(); }
    // Presses on the middle of the box's picture and drags by (dx, dy) in one step.
    void drag(qint32 id, double dx, double dy)
    {
        const QPointF p = canvas.model().box(id)->picture.rect.center();
        ASSERT_EQ(canvas.pressAt(p.x(), p.y(), true), id);
        canvas.dragTo(p.x() + dx, p.y() + dy);
    }
    void dropOnStack()
    {
        std::vector<qm::BoxMove> moves = canvas.drop();
        const QString name = canvas.model().box(t.g.SelectedId)->name.caption;
        qm::pushCommand(
            stack, std::make_unique<qm::MoveBoxesCommand>(canvas, timelineId, qm::moveCaption(name), std::move(moves)));
    }

    qint32 a = 0, b = 0, c = 0;
    QUndoStack stack;
};

TEST(Dragging, StepsThatBreakALimitAreRefusedAlongThatAxisOnly)
{
    const struct
    {
        const char *what;
        qint32 DragFixture::*box;
        double dx, dy;
        QPointF expected; // where the dragged picture ends
    } cases[] = {
        {"left edge: the unit already reaches MinDist", &DragFixture::a, -1, 0, {320, 820}},
        {"date label exactly MinDist after Alpha's", &DragFixture::b, -330, 0, {1060, 100}},
        {"date label one twip closer", &DragFixture::b, -331, 0, {1390, 100}},
        {"jumping past a later date", &DragFixture::a, 2000, 0, {320, 820}},
        {"down until MinDist above the axis", &DragFixture::b, 0, 6600, {1390, 6700}},
        {"down one twip further", &DragFixture::b, 0, 6601, {1390, 100}},
        {"up to MinDist from the top", &DragFixture::a, 0, -720, {320, 100}},
        {"up one twip further, sideways still allowed", &DragFixture::a, 50, -721, {370, 820}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        DragFixture f;
        const qint32 id = f.*c.box;
        f.drag(id, c.dx, c.dy);
        EXPECT_EQ(f.pictureAt(id), c.expected);
        // The pointer follows the box.
        EXPECT_DOUBLE_EQ(f.canvas.model().imPointer.rect.center().x(), f.canvas.model().box(id)->connector.p1.x());
    }
}

TEST(Dragging, BoxesToTheRightComeAlongAndTheDropIsOneUndoableStep)
{
    DragFixture f;
    const auto storedBefore = f.storedPositions();
    f.drag(f.b, -330, 40);
    EXPECT_EQ(f.left(f.c), 2460 - 330);
    EXPECT_EQ(f.left(f.a), 320);
    f.canvas.dragTo(f.canvas.LastX + 500, f.canvas.LastY);
    EXPECT_EQ(f.left(f.b), 1390 + 170);
    EXPECT_EQ(f.left(f.c), 2460 + 170);
    EXPECT_EQ(f.pictureAt(f.c).y(), 100); // carried boxes keep their height
    f.dropOnStack();

    std::map<qint32, QPointF> moved = storedBefore;
    moved[f.b] = QPointF(1560, 140);
    moved[f.c] = QPointF(2630, 100);
    EXPECT_EQ(f.storedPositions(), moved);
    ASSERT_EQ(f.stack.count(), 1);
    EXPECT_EQ(f.stack.undoText(), "move of Betas");

    f.stack.undo();
    EXPECT_EQ(f.storedPositions(), storedBefore);
    EXPECT_EQ(f.pictureAt(f.b), QPointF(1390, 100));
    EXPECT_EQ(f.left(f.c), 2460);
    f.stack.redo();
    EXPECT_EQ(f.storedPositions(), moved);
    EXPECT_EQ(f.pictureAt(f.b), QPointF(1560, 140));
}

TEST(Dragging, BoxesOfTheSameDatePassEachOtherAndStayWherePassed)
{
    DragFixture f;
    qm::execSql(f.t.g.ProjectDb, "UPDATE Event SET EventDate = ? WHERE Id = ?", {qmtest::dateValue(2001, 1, 2), f.c});
    f.drag(f.b, 1200, 0);
    EXPECT_EQ(f.left(f.b), 2590);
    EXPECT_EQ(f.left(f.c), 2460);
    // Only Betas moved: the box it passed is not right of it any more.
    EXPECT_EQ(f.canvas.drop().size(), 1u);
}

TEST(Dragging, AClickStoresNothingUnlessTheCanvasDiffersFromTheFile)
{
    DragFixture f;
    f.drag(f.b, 0, 0);
    EXPECT_TRUE(f.canvas.drop().empty());

    // After Compress 1 the screen differs from the file: a click stores the clicked box and those right of it.
    ASSERT_TRUE(f.canvas.Compress());
    f.drag(f.b, 0, 0);
    f.dropOnStack();
    const auto stored = f.storedPositions();
    EXPECT_EQ(stored.at(f.a), QPointF(320, 820));
    EXPECT_EQ(stored.at(f.b), f.pictureAt(f.b));
    EXPECT_EQ(stored.at(f.c), f.pictureAt(f.c));
    EXPECT_EQ(f.stack.count(), 1);
}

TEST(Dragging, AZoomedDragIsStoredAtFullSize)
{
    DragFixture f;
    f.canvas.zoomIn();
    f.canvas.zoomIn();
    f.drag(f.b, 144, 0);
    f.dropOnStack();
    const auto stored = f.storedPositions();
    EXPECT_NEAR(stored.at(f.b).x(), 1490, 0.01);
    EXPECT_NEAR(stored.at(f.b).y(), 100, 0.01);
    EXPECT_NEAR(stored.at(f.c).x(), 2560, 0.01);
    f.stack.undo();
    EXPECT_NEAR(f.left(f.b), 1390 * 1.44, 0.01);
}

TEST(CanvasMouse, ReleasesAndDoubleClicksAskForTheRightAction)
{
    DragFixture f;
    qm::CanvasMouse mouse(f.canvas);
    const QPointF pic = f.canvas.model().box(f.b)->picture.rect.center();
    const QPointF name = f.canvas.model().box(f.b)->name.rect.center();
    const QPointF date = f.canvas.model().box(f.b)->date.rect.center();
    const QPointF empty(5000, 3000);

    mouse.press(pic.x(), pic.y(), Qt::RightButton);
    EXPECT_EQ(f.t.g.SelectedId, f.b);
    EXPECT_FALSE(f.canvas.Dragging);
    qm::CanvasClick click = mouse.release(pic.x(), pic.y(), Qt::RightButton);
    EXPECT_EQ(click.action, qm::CanvasClick::EventMenu);
    EXPECT_EQ(click.id, f.b);
    EXPECT_EQ(mouse.release(empty.x(), empty.y(), Qt::RightButton).action, qm::CanvasClick::TimelineMenu);

    // Drags and label edits through the window are CanvasEditing's tests; a press on a label that
    // ends elsewhere edits nothing.
    mouse.press(name.x(), name.y(), Qt::LeftButton);
    EXPECT_EQ(mouse.release(empty.x(), empty.y(), Qt::LeftButton).action, qm::CanvasClick::None);
    mouse.press(date.x(), date.y(), Qt::LeftButton);
    click = mouse.release(date.x(), date.y(), Qt::LeftButton);
    EXPECT_EQ(std::tuple(click.action, click.kind, click.id),
              std::tuple(qm::CanvasClick::EditLabel, qm::LabelKind::Date, f.b));

    EXPECT_EQ(mouse.doubleClick(pic.x() + 10, pic.y(), Qt::LeftButton).action, qm::CanvasClick::EditEvent);
    click = mouse.doubleClick(name.x(), name.y(), Qt::LeftButton);
    EXPECT_EQ(click.action, qm::CanvasClick::EditEvent);
    EXPECT_EQ(click.id, f.b);
    EXPECT_EQ(mouse.doubleClick(empty.x(), empty.y(), Qt::LeftButton).action, qm::CanvasClick::EditTimeline);

    mouse.press(empty.x(), empty.y(), Qt::LeftButton);
    EXPECT_EQ(f.t.g.SelectedId, -1);
    EXPECT_FALSE(f.canvas.model().imPointer.visible);
}

TEST(CanvasMouse, CtrlClicksAndAShiftBandSelectSeveralAndAPressOnOneOfThemKeepsThem)
{
    DragFixture f;
    qm::CanvasMouse mouse(f.canvas);
    const auto at = [&f](qint32 id) { return f.canvas.model().box(id)->picture.rect.center(); };
    const auto marked = [&f](qint32 id) { return f.canvas.model().box(id)->picture.border; };
    using Ids = std::vector<qint32>;

    mouse.press(at(f.c).x(), at(f.c).y(), Qt::LeftButton);
    mouse.release(at(f.c).x(), at(f.c).y(), Qt::LeftButton);
    mouse.press(at(f.a).x(), at(f.a).y(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(f.canvas.selectedIds(), (Ids{f.c, f.a}));
    EXPECT_TRUE(marked(f.a) && marked(f.c));
    EXPECT_FALSE(f.canvas.outputModel().box(f.a)->picture.border);
    // Taking the selected box off hands its part to the next one.
    mouse.press(at(f.c).x(), at(f.c).y(), Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(f.canvas.selectedIds(), Ids{f.a});
    EXPECT_EQ(f.t.g.SelectedId, f.a);
    EXPECT_FALSE(marked(f.c));

    // From empty canvas over Betas and Gamma only.
    mouse.press(1300, 50, Qt::LeftButton, Qt::ShiftModifier);
    mouse.move(3000, 400);
    EXPECT_EQ(mouse.band(), QRectF(QPointF(1300, 50), QPointF(3000, 400)));
    EXPECT_EQ(mouse.release(3000, 400, Qt::LeftButton).action, qm::CanvasClick::None);
    EXPECT_FALSE(mouse.band());
    EXPECT_EQ(f.canvas.selectedIds(), (Ids{f.a, f.b, f.c}));

    // Dragging moves the box under the pointer alone; the others stay selected.
    mouse.press(at(f.b).x(), at(f.b).y(), Qt::LeftButton);
    mouse.move(at(f.b).x(), at(f.b).y() + 40);
    EXPECT_EQ(mouse.release(at(f.b).x(), at(f.b).y(), Qt::LeftButton).moves.size(), 1u);
    EXPECT_EQ(f.canvas.selectedIds(), (Ids{f.b, f.a, f.c}));

    mouse.press(5000, 3000, Qt::LeftButton);
    EXPECT_TRUE(f.canvas.selectedIds().empty());
    EXPECT_FALSE(marked(f.a) || marked(f.b) || marked(f.c));
}

} // namespace
