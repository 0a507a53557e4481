// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "edit/canvascommand.h"
#include "kit/fakemeasurer.h"
#include "layout/timelinecanvas.h"
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
    EXPECT_FALSE(canvas.InsertNewBox(*t.g.CurEvent));
    t.g.CurTimeLineId = qmtest::addTimeline(t.g, "T", QString());
    t.g.CurEvent = std::make_unique<qm::clEvent>(t.g);
    EXPECT_FALSE(canvas.InsertNewBox(*t.g.CurEvent));
    EXPECT_EQ(canvas.model().boxCount(), 0u);
}

// Refused only at the last write, after the later box was moved and stored (a file that turned
// read-only fails at the first write, sooner than this).
TEST(InsertNewBox, ARefusedLastWriteLeavesCanvasAndFileAsTheyWere)
{
    PlacementFixture f;
    const qint32 late = f.insert(qmtest::addEvent(f.t.g, "Late", 2001, 5, 5));
    const qint32 early = qmtest::addEvent(f.t.g, "Early", 2001, 1, 1);
    const QPointF lateBefore = f.pictureAt(late);
    const std::map<qint32, QPointF> storedBefore = f.storedPositions();
    qm::execSql(f.t.g.ProjectDb,
                "CREATE TRIGGER refuse BEFORE INSERT ON Format BEGIN SELECT RAISE(ABORT, 'refused'); END");
    qmtest::makeCurrent(f.t.g, early);
    EXPECT_THROW(f.canvas.InsertNewBox(*f.t.g.CurEvent), qm::StoreError);
    EXPECT_FALSE(f.canvas.IsOnCanvas(early));
    EXPECT_EQ(f.pictureAt(late), lateBefore);
    EXPECT_EQ(f.t.g.SelectedId, late);
    EXPECT_TRUE(f.canvas.model().box(late)->picture.border);
    // A file holding a trigger is refused by every later opening: the check needs it gone.
    qm::execSql(f.t.g.ProjectDb, "DROP TRIGGER refuse");
    EXPECT_EQ(f.storedPositions(), storedBefore);
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

// Taking boxes off and deleting their events is read back from the file by the event commands' tests.
TEST(Selection, ShowMarksTheBoxAndPlacesThePointerClearUnmarksIt)
{
    PlacementFixture f;
    const qint32 a = qmtest::addEvent(f.t.g, "A", 2001, 1, 1);
    f.insert(a);
    // Well right of the subtitle, which the pointer keeps clear of.
    f.canvas.placeBoxAt(a, QPointF(5000, 1000));
    qint32 reported = -1;
    f.canvas.onSelectionChanged = [&reported](qint32 id) { reported = id; };
    f.t.g.Zoom = 2; // the gap under the date follows the zoom
    f.canvas.ShowSelection();
    const qm::CanvasBox &b = *f.canvas.model().box(a);
    EXPECT_TRUE(b.connector.color == 255 && b.connector.dashed && b.picture.border);
    const qm::CanvasMarker &marker = f.canvas.model().imPointer;
    EXPECT_TRUE(marker.visible);
    EXPECT_DOUBLE_EQ(marker.rect.center().x(), b.connector.p1.x());
    EXPECT_DOUBLE_EQ(marker.rect.top(), b.date.rect.bottom() + 100);
    EXPECT_EQ(reported, a);

    f.canvas.ClearSelection();
    EXPECT_FALSE(b.connector.color != 0 || b.connector.dashed || b.picture.border || marker.visible);
    EXPECT_EQ(f.t.g.SelectedId, a);
    // A selection whose box is gone is ignored both ways.
    f.t.g.SelectedId = 999;
    f.canvas.ShowSelection();
    f.canvas.ClearSelection();
}

TEST(HitTest, FindsThePartPaintedOnTop)
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
        {1200.1, 600, -1}, {1350, 900, 3}, {1350.1, 900, -1}, {1175, 750, 3}, // the overlap: 3 is painted last
        {0, 0, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(canvas.HitTest(c.x, c.y), c.id) << c.x << ", " << c.y;
    // A box brought to the front is the one under the pointer, whatever its id.
    canvas.BringToFront(5);
    EXPECT_EQ(canvas.HitTest(1175, 750), 5);

    // A name label painted over another box's picture hides it from the pointer.
    canvas.model().box(3)->name.rect = QRectF(1000, 500, 100, 100);
    EXPECT_EQ(canvas.HitTest(1050, 550), 5);
    canvas.BringToFront(3);
    EXPECT_EQ(canvas.HitTest(1050, 550), -1);
    EXPECT_EQ(canvas.nameLabelAt(1050, 550), 3);
    canvas.model().box(5)->name.rect = QRectF(1250, 500, 400, 200);
    EXPECT_EQ(canvas.nameLabelAt(1650, 700), 5);
    EXPECT_EQ(canvas.nameLabelAt(1249, 600), -1);
}

// A timeline of boxes old and new, some names long enough to wrap, dated before, between and
// after each other.
struct MixedTimeline : qmtest::PlacementFixture
{
    MixedTimeline()
    {
        for (const auto &[name, year] : std::vector<std::pair<QString, int>>{
                 {"Founding", 1100}, {"A war that has a name long enough to wrap", 1300}, {"Peace", 1500}})
            insert(qmtest::addEvent(t.g, name, year, 5, 1));
        // A long run of later boxes, which the file moves in one statement over their dates.
        for (int i = 0; i < 40; ++i)
            insert(qmtest::addEvent(t.g, QString("Year %1").arg(1600 + i), 1600 + i, 1, 1));
        for (const auto &[name, year] : std::vector<std::pair<QString, int>>{{"Late", 1800},
                                                                             {"Before all of them", 1000},
                                                                             {"Between", 1200},
                                                                             {"Also between, but wider", 1250},
                                                                             {"Just after", 1501}})
            added.push_back(qmtest::addEvent(t.g, name, year, 3, 3));
    }
    // The added events loaded as the event list hands them over.
    std::vector<const qm::clEvent *> loaded()
    {
        std::vector<const qm::clEvent *> events;
        for (const qint32 id : added) {
            owned.push_back(qm::loadEventAside(t.g, id));
            events.push_back(owned.back().get());
        }
        return events;
    }
    std::vector<qint32> added;
    std::vector<std::unique_ptr<qm::clEvent>> owned;
};

TEST(PlaceEvents, EqualsOneInsertionAfterAnotherBoxForBox)
{
    MixedTimeline one;
    const std::vector<qint32> &a = one.added;
    const std::vector<qint32> byDate{a[1], a[2], a[3], a[4], a[0]};
    for (const qint32 id : byDate)
        one.insert(id);

    MixedTimeline batch;
    int progress = 0;
    EXPECT_EQ(batch.canvas.PlaceEvents(batch.loaded(), [&progress] { ++progress; }), byDate);
    EXPECT_EQ(progress, 5);
    EXPECT_EQ(batch.storedPositions(), one.storedPositions());
    for (const auto &[id, box] : one.canvas.model().boxes()) {
        EXPECT_EQ(batch.pictureAt(id), box.picture.rect.topLeft()) << id;
        EXPECT_EQ(batch.storedPositions().at(id), box.picture.rect.topLeft()) << id;
    }
    EXPECT_EQ(batch.t.g.SelectedId, byDate.back());

    // A pass stopped half way leaves the file and the canvas as they were.
    MixedTimeline stopped;
    const auto before = stopped.storedPositions();
    const std::size_t boxes = stopped.canvas.model().boxCount();
    int placed = 0;
    EXPECT_THROW(stopped.canvas.PlaceEvents(stopped.loaded(),
                                            [&placed] {
                                                if (++placed == 3)
                                                    throw std::runtime_error("stop");
                                            }),
                 std::runtime_error);
    EXPECT_EQ(stopped.storedPositions(), before);
    EXPECT_EQ(stopped.canvas.model().boxCount(), boxes);
}

TEST(StoredChanges, AreTheSameAtEveryZoom)
{
    std::map<double, std::map<qint32, QPointF>> inserted, compressed;
    for (const double zoom : {0.5, 1.0, 1.7}) {
        MixedTimeline f;
        f.t.g.Zoom = zoom;
        f.canvas.ScaleCanvas(zoom);
        for (const qint32 id : f.added)
            f.insert(id);
        inserted[zoom] = f.storedPositions();
        std::vector<qm::BoxPosition> positions;
        for (const qm::BoxMove &m : f.canvas.Compress2())
            positions.push_back({m.eventId, m.after});
        qm::storeBoxPositions(f.t.g.ProjectDb, f.timelineId, positions);
        compressed[zoom] = f.storedPositions();
        // The canvas still shows the zoom it had.
        EXPECT_DOUBLE_EQ(f.t.g.Zoom, zoom);
        const qint32 last = f.added.back();
        EXPECT_NEAR(f.pictureAt(last).x(), compressed[zoom][last].x() * zoom, 1e-6);
    }
    for (const double zoom : {0.5, 1.7}) {
        EXPECT_EQ(inserted[zoom], inserted[1.0]) << zoom;
        EXPECT_EQ(compressed[zoom], compressed[1.0]) << zoom;
    }
    // Whole twips, as a full-size layout makes them.
    for (const auto &[id, at] : inserted[1.7])
        EXPECT_EQ(at.x(), std::round(at.x())) << id;
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
    // Clear of the subtitle it is under the date again, as ShowMarksTheBoxAndPlacesThePointer shows.
}
