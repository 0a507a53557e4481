// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "layout/timelinecanvas.h"
#include "layouttestsupport.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include "../store/storetestsupport.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using qmtest::FakeMeasurer;
using qmtest::PlacementFixture;

TEST(InsertNewBox, PlacesInDateOrderShiftsLaterBoxesAndStoresEveryPosition)
{
    PlacementFixture f;
    // Dates render as "m/d/yyyy": eight characters, 640 twips at 8 points, so each date sticks out
    // 220 twips left of its 200-twip picture.
    const qint32 b = qmtest::addEvent(f.t.g, "Betas", 2001, 2, 2);
    const qint32 d = qmtest::addEvent(f.t.g, "Delta", 2001, 4, 4);
    const qint32 a = qmtest::addEvent(f.t.g, "Alpha", 2001, 1, 1);
    const qint32 c = qmtest::addEvent(f.t.g, "Gamma", 2001, 3, 3);

    // First box: at MinDist, moved right so that its date starts at MinDist, and below the title.
    f.insert(b);
    EXPECT_EQ(f.pictureAt(b), QPointF(320, 820));
    EXPECT_DOUBLE_EQ(f.canvas.model().box(b)->date.rect.left(), 100);

    // Latest: right of the last box (its name ends at 320 + 200 + 50 + 500), clear of the title,
    // so at the top; nothing moves.
    f.insert(d);
    EXPECT_EQ(f.pictureAt(d), QPointF(1070 + 100 + 220, 100));
    EXPECT_EQ(f.pictureAt(b), QPointF(320, 820));

    // Earliest: first place again; every other box moves right by 2400.
    f.insert(a);
    EXPECT_EQ(f.pictureAt(a), QPointF(320, 820));
    EXPECT_EQ(f.pictureAt(b), QPointF(2720, 820));
    EXPECT_EQ(f.pictureAt(d), QPointF(1390 + 2400, 100));

    // In between: right of its predecessor; only the later box moves.
    f.insert(c);
    const double betaRight = 2720 + 200 + 50 + 500;
    EXPECT_EQ(f.pictureAt(c), QPointF(betaRight + 100 + 220, 100));
    EXPECT_EQ(f.pictureAt(d), QPointF(1390 + 4800, 100));
    EXPECT_EQ(f.pictureAt(b), QPointF(2720, 820));

    const std::map<qint32, QPointF> expected = {
        {a, f.pictureAt(a)}, {b, f.pictureAt(b)}, {c, f.pictureAt(c)}, {d, f.pictureAt(d)}};
    EXPECT_EQ(f.storedPositions(), expected);
    // The inserted box is selected and its format stored for this timeline.
    EXPECT_EQ(f.t.g.SelectedId, c);
    EXPECT_EQ(qmtest::committedCount(f.t.projectPath,
                                     "SELECT COUNT(*) FROM Format WHERE TimelineId = ? AND EventId = ?",
                                     {f.timelineId, c}),
              1);
    // Shifted boxes hang their parts as placed ones do.
    const qm::CanvasBox &moved = *f.canvas.model().box(d);
    EXPECT_DOUBLE_EQ(moved.name.rect.left(), moved.picture.rect.right() + 50);
    EXPECT_DOUBLE_EQ(moved.connector.p1.x(), moved.picture.rect.center().x());
}

TEST(InsertNewBox, BoxesOfTheSameDateAndEventsWithoutABoxAreLeftAlone)
{
    PlacementFixture f;
    const qint32 first = qmtest::addEvent(f.t.g, "First", 2001, 1, 1);
    const qint32 twin = qmtest::addEvent(f.t.g, "Twin", 2001, 6, 6);
    const qint32 offCanvas = qmtest::addEvent(f.t.g, "Hidden", 2001, 9, 9);
    f.insert(first);
    f.insert(twin);
    // A stored placement whose box is not on the canvas takes no part.
    qm::execSql(f.t.g.ProjectDb, "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (?, ?, 9, 9)",
                {f.timelineId, offCanvas});
    const qint32 same = qmtest::addEvent(f.t.g, "Same", 2001, 6, 7);
    qm::execSql(f.t.g.ProjectDb, "UPDATE Event SET EventDate = ? WHERE Id = ?", {qmtest::dateValue(2001, 6, 6), same});
    const QPointF twinBefore = f.pictureAt(twin);

    f.insert(same);
    // Placed right of "First", its only predecessor: neither right of nor shifting its twin.
    EXPECT_EQ(f.pictureAt(twin), twinBefore);
    EXPECT_EQ(f.pictureAt(same).x(), f.canvas.LoadUple(first).Right + 100 + 220);
    EXPECT_EQ(f.storedPositions().at(offCanvas), QPointF(9, 9));
}

TEST(InsertNewBox, AnEventPlacedAgainKeepsOneBoxAndOneRow)
{
    PlacementFixture f;
    const qint32 a = qmtest::addEvent(f.t.g, "A", 2001, 1, 1);
    const qint32 b = qmtest::addEvent(f.t.g, "B", 2001, 2, 2);
    f.insert(a);
    f.insert(b);
    const QPointF placed = f.pictureAt(b);
    f.insert(b);
    EXPECT_EQ(f.canvas.model().boxCount(), 2u);
    EXPECT_EQ(f.pictureAt(b), placed);
    EXPECT_EQ(f.storedPositions().size(), 2u);
}

TEST(InsertNewBox, NothingHappensWithoutATimelineOrAStoredEvent)
{
    qmtest::TempProject t;
    FakeMeasurer m;
    qm::TimelineCanvas canvas(t.g, m);
    const qint32 id = qmtest::addEvent(t.g, "A", 2001, 1, 1);
    qmtest::makeCurrent(t.g, id);
    EXPECT_FALSE(canvas.InsertNewBox());
    t.g.CurTimeLineId = qmtest::addTimeline(t.g, "T", QString());
    t.g.CurEvent = std::make_unique<qm::clEvent>(t.g);
    EXPECT_FALSE(canvas.InsertNewBox());
    EXPECT_EQ(canvas.model().boxCount(), 0u);
}

TEST(InsertNewBox, AFailedWriteLeavesCanvasAndFileAsTheyWere)
{
    // Refused at the first write, or only at the last one, after the later box was moved and stored.
    for (const bool lastWriteFails : {false, true}) {
        SCOPED_TRACE(lastWriteFails);
        PlacementFixture f;
        const qint32 late = qmtest::addEvent(f.t.g, "Late", 2001, 5, 5);
        const qint32 early = qmtest::addEvent(f.t.g, "Early", 2001, 1, 1);
        f.insert(late);
        const QPointF lateBefore = f.pictureAt(late);
        const std::map<qint32, QPointF> storedBefore = f.storedPositions();

        if (lastWriteFails) {
            qm::execSql(f.t.g.ProjectDb, "CREATE TRIGGER refuse BEFORE INSERT ON Format "
                                         "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        } else {
            f.t.g.ProjectDb.close();
            f.t.g.ProjectDb.open(f.t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        }
        qmtest::makeCurrent(f.t.g, early);
        EXPECT_THROW(f.canvas.InsertNewBox(), qm::StoreError);
        EXPECT_FALSE(f.canvas.IsOnCanvas(early));
        EXPECT_EQ(f.pictureAt(late), lateBefore);
        EXPECT_EQ(f.t.g.SelectedId, late);
        EXPECT_TRUE(f.canvas.model().box(late)->picture.border);
        EXPECT_EQ(f.storedPositions(), storedBefore);
    }
}

TEST(InsertNewBox, AZoomedInsertStoresWhatAFullSizeOneWould)
{
    std::map<qint32, QPointF> full;
    for (const bool zoomed : {false, true}) {
        SCOPED_TRACE(zoomed);
        PlacementFixture f;
        const qint32 a = f.insert(qmtest::addEvent(f.t.g, "Alpha", 2001, 1, 1));
        f.insert(qmtest::addEvent(f.t.g, "Gamma", 2001, 3, 3));
        if (zoomed) {
            f.canvas.zoomIn();
            f.canvas.zoomIn();
        }
        f.insert(qmtest::addEvent(f.t.g, "Betas", 2001, 2, 2));
        const auto stored = f.storedPositions();
        if (!zoomed) {
            full = stored;
            continue;
        }
        ASSERT_EQ(stored.size(), full.size());
        // Zoomed edges are whole twips of the zoomed canvas: under a twip apart at full size.
        for (const auto &[id, at] : full) {
            EXPECT_NEAR(stored.at(id).x(), at.x(), 1.0) << id;
            EXPECT_NEAR(stored.at(id).y(), at.y(), 1.0) << id;
        }
        EXPECT_NEAR(f.pictureAt(a).x(), 320 * 1.44, 0.01);
    }
}

TEST(InsertNewBox, LaterBoxesMakeRoomForAWideBoxSoThatDateOrderAndMinDistHold)
{
    PlacementFixture f;
    const qint32 late = f.insert(qmtest::addEvent(f.t.g, "Late", 2001, 9, 9));
    // 255 characters wrap at the 5000-twip text width: the box reaches 5250 right of its picture.
    const qint32 wide = f.insert(qmtest::addEvent(f.t.g, QString(255, u'w'), 2001, 1, 1));
    EXPECT_GE(f.canvas.LoadUple(late).Left, f.canvas.LoadUple(wide).Right + 100);
    const double lateBefore = f.pictureAt(late).x();
    const qint32 middle = f.insert(qmtest::addEvent(f.t.g, "Middle", 2001, 5, 5));
    EXPECT_EQ(f.canvas.SortBoxes(), (std::vector<qint32>{wide, middle, late}));
    // An ordinary box still makes the usual room.
    EXPECT_EQ(f.pictureAt(late).x(), lateBefore + 2400);
}

TEST(RemoveBox, TakesTheBoxOffTheTimelineAndDeletesTheEventOnlyWhenAsked)
{
    for (const bool deleteEvent : {false, true}) {
        SCOPED_TRACE(deleteEvent);
        PlacementFixture f;
        const qint32 keep = qmtest::addEvent(f.t.g, "Keep", 2001, 1, 1);
        const qint32 gone = qmtest::addEvent(f.t.g, "Gone", 2001, 2, 2);
        f.insert(keep);
        f.insert(gone);
        ASSERT_EQ(f.t.g.SelectedId, gone);

        f.canvas.RemoveBox(gone, deleteEvent);
        EXPECT_FALSE(f.canvas.IsOnCanvas(gone));
        EXPECT_TRUE(f.canvas.IsOnCanvas(keep));
        EXPECT_EQ(f.t.g.SelectedId, -1);
        EXPECT_FALSE(f.canvas.model().imPointer.visible);
        EXPECT_EQ(f.storedPositions().count(gone), 0u);
        EXPECT_EQ(qmtest::committedCount(f.t.projectPath, "SELECT COUNT(*) FROM Event WHERE Id = ?", {gone}),
                  deleteEvent ? 0 : 1);
        // A negative id is no box at all.
        f.canvas.RemoveBox(-1, true);
        EXPECT_EQ(f.canvas.model().boxCount(), 1u);
    }
}

TEST(Selection, ShowMarksTheBoxAndPlacesThePointerClearUnmarksIt)
{
    PlacementFixture f;
    const qint32 a = qmtest::addEvent(f.t.g, "A", 2001, 1, 1);
    f.insert(a);
    // Well right of the subtitle, which the pointer keeps clear of.
    f.canvas.placeBoxAt(a, QPointF(5000, 1000));
    int menuState = -1;
    f.canvas.onSelectionChanged = [&menuState](int state) { menuState = state; };
    f.t.g.Zoom = 2; // the gap under the date follows the zoom
    f.canvas.ShowSelection();
    const qm::CanvasBox &b = *f.canvas.model().box(a);
    EXPECT_EQ(b.connector.color, 255);
    EXPECT_TRUE(b.connector.dashed);
    EXPECT_TRUE(b.picture.border);
    const qm::CanvasMarker &marker = f.canvas.model().imPointer;
    EXPECT_TRUE(marker.visible);
    EXPECT_DOUBLE_EQ(marker.rect.center().x(), b.connector.p1.x());
    EXPECT_DOUBLE_EQ(marker.rect.top(), b.date.rect.bottom() + 100);
    EXPECT_EQ(menuState, 2);

    f.canvas.ClearSelection();
    EXPECT_EQ(b.connector.color, 0);
    EXPECT_FALSE(b.connector.dashed);
    EXPECT_FALSE(b.picture.border);
    EXPECT_FALSE(marker.visible);
    EXPECT_EQ(f.t.g.SelectedId, a);
    // A selection whose box is gone is ignored both ways.
    f.t.g.SelectedId = 999;
    f.canvas.ShowSelection();
    f.canvas.ClearSelection();
}

TEST(SortBoxes, OrdersByConnectorXWithLaterBoxesFirstAmongEquals)
{
    const struct
    {
        std::vector<double> xs; // of boxes 1, 2, 3...
        std::vector<qint32> sorted;
    } cases[] = {
        {{300, 100, 200}, {2, 3, 1}},
        {{100, 100, 50}, {3, 2, 1}},
        {{}, {}},
    };
    for (const auto &c : cases) {
        qm::Globals g;
        FakeMeasurer m;
        qm::TimelineCanvas canvas(g, m);
        for (std::size_t i = 0; i < c.xs.size(); ++i)
            canvas.model().addBox(static_cast<qint32>(i + 1)).connector.p1 = QPointF(c.xs[i], 0);
        EXPECT_EQ(canvas.SortBoxes(), c.sorted);
    }
}

TEST(HitTest, FindsThePictureEdgesIncludedAndTheFirstBoxWhereTheyOverlap)
{
    qm::Globals g;
    FakeMeasurer m;
    qm::TimelineCanvas canvas(g, m);
    canvas.model().addBox(5).picture.rect = QRectF(1000, 500, 200, 300);
    canvas.model().addBox(3).picture.rect = QRectF(1150, 700, 200, 200);
    const struct
    {
        double x, y;
        qint32 id;
    } cases[] = {
        {1000, 500, 5},    {1100, 600, 5}, {999.9, 600, -1},  {1100, 499.9, -1}, {1200, 600, 5},
        {1200.1, 600, -1}, {1350, 900, 3}, {1350.1, 900, -1}, {1175, 750, 3}, // the overlap: enumeration order
        {0, 0, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(canvas.HitTest(c.x, c.y), c.id) << c.x << ", " << c.y;

    canvas.model().box(5)->name.rect = QRectF(1250, 500, 400, 200);
    EXPECT_EQ(canvas.nameLabelAt(1650, 700), 5);
    EXPECT_EQ(canvas.nameLabelAt(1249, 600), -1);
    EXPECT_EQ(canvas.HitTest(1400, 600), -1);
}

} // namespace

TEST(Selection, PointerKeepsClearOfTheSubtitle)
{
    PlacementFixture f;
    f.t.g.CurTimeLine->SubCaption = QStringLiteral("For the class");
    f.t.g.CurTimeLine->Save();
    f.canvas.LoadTimeLine(f.timelineId);
    const qint32 a = f.insert(qmtest::addEvent(f.t.g, "A", 2001, 1, 1));
    const qm::CanvasModel &m = f.canvas.model();
    const qm::CanvasMarker &marker = m.imPointer;
    // The first box stands above the subtitle: the pointer points down at its picture instead.
    ASSERT_TRUE(marker.visible);
    EXPECT_FALSE(marker.rect.intersects(m.lblSub.rect));
    EXPECT_TRUE(marker.pointsDown);
    EXPECT_LT(marker.rect.bottom(), m.box(a)->picture.rect.top());
    EXPECT_DOUBLE_EQ(marker.rect.center().x(), m.box(a)->connector.p1.x());

    // Clear of the subtitle, it is under the date again.
    f.canvas.placeBoxAt(a, QPointF(m.lblSub.rect.right() + 1000, 1000));
    f.canvas.ShowSelection();
    EXPECT_FALSE(marker.pointsDown);
    EXPECT_DOUBLE_EQ(marker.rect.top(), m.box(a)->date.rect.bottom() + 50);
}
