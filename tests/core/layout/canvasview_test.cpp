// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "layout/scrollextents.h"
#include "layout/timelinecanvas.h"
#include "store/clformat.h"
#include "store/mdlparms.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include "../store/storetestsupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using qmtest::FakeMeasurer;

void addPlacement(qm::Globals &g, qint32 timelineId, qint32 eventId, double left, double top)
{
    qm::execSql(g.ProjectDb, "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (?, ?, ?, ?)",
                {timelineId, eventId, left, top});
}

TEST(LoadTimeLine, ShowsTitlesBackgroundAndEveryStoredBoxOnceWhereItWasStored)
{
    qmtest::TempProject t;
    qm::clTimeLine tl(t.g.ProjectDb);
    tl.Name = "T";
    tl.LabelCaption = "Rome";
    tl.SubCaption = "Made by me";
    tl.BackColor = 0x336699;
    const qint32 id = tl.Save();
    const qint32 a = qmtest::addEvent(t.g, "Alpha", 2001, 1, 1);
    const qint32 b = qmtest::addEvent(t.g, "Beta", 2001, 2, 2);
    qm::clFormat wide;
    wide.PictureWidth = 300;
    wide.Save(t.g.ProjectDb, b, id);
    // Halves round to even; a row naming a deleted event and a second row for one event are left out.
    addPlacement(t.g, id, a, 1234.5, 500.4);
    addPlacement(t.g, id, b, 4235.5, 600.6);
    addPlacement(t.g, id, 999, 100, 100);
    addPlacement(t.g, id, a, 9000, 9000);

    FakeMeasurer m;
    qm::TimelineCanvas canvas(t.g, m);
    int changes = 0;
    canvas.onChanged = [&changes] { ++changes; };
    t.g.Zoom = 3;
    t.g.SelectedId = a;
    ASSERT_TRUE(canvas.LoadTimeLine(id));

    const qm::CanvasModel &model = canvas.model();
    EXPECT_EQ(model.boxCount(), 2u);
    EXPECT_EQ(model.box(a)->picture.rect, QRectF(1234, 500, 200, 200));
    EXPECT_EQ(model.box(b)->picture.rect, QRectF(4236, 601, 300, 200));
    EXPECT_DOUBLE_EQ(model.box(b)->date.rect.center().x(), 4236 + 150);
    EXPECT_EQ(std::tuple(t.g.Zoom, t.g.SelectedId, t.g.CurTimeLineId), std::tuple(1.0, -1, id));
    EXPECT_FALSE(model.imPointer.visible);
    EXPECT_EQ(model.lblLabel.caption + u'|' + model.lblSub.caption, "Rome|Made by me");
    EXPECT_EQ(model.backColor, 0x336699);
    // The canvas reaches 4 x MinDist past the rightmost name label.
    EXPECT_DOUBLE_EQ(model.width, 4236 + 300 + 50 + 400 + 4 * t.g.MinDist);
    EXPECT_GT(changes, 0);
}

TEST(LoadTimeLine, AnotherTimelineReplacesTheShownOneAndAMissingOneLeavesTheCanvasEmpty)
{
    qmtest::TempProject t;
    const qint32 first = qmtest::addTimeline(t.g, "One", "One");
    const qint32 second = qmtest::addTimeline(t.g, "Two", QString());
    const qint32 a = qmtest::addEvent(t.g, "A", 2001, 1, 1);
    addPlacement(t.g, first, a, 500, 500);

    FakeMeasurer m;
    qm::TimelineCanvas canvas(t.g, m);
    ASSERT_TRUE(canvas.LoadTimeLine(first));
    canvas.zoomIn();
    ASSERT_TRUE(canvas.LoadTimeLine(second));
    EXPECT_EQ(canvas.model().boxCount(), 0u);
    EXPECT_EQ(canvas.model().lblLabel.caption, QString());
    EXPECT_EQ(canvas.model().imPointer.rect.size(), QSizeF(240, 240));

    ASSERT_TRUE(canvas.LoadTimeLine(first));
    EXPECT_FALSE(canvas.LoadTimeLine(12345));
    EXPECT_EQ(canvas.model().boxCount(), 0u);
    EXPECT_EQ(t.g.CurTimeLineId, first);
}

// The bars' ranges follow from the canvas; what can go wrong is their reach and their room.
TEST(ScrollExtents, ReachFarBeyondSixteenBitsAndTheVerticalBarTakesItsWidth)
{
    const qm::CanvasViewport viewport{10000, 5000, 255, 255};
    // No boxes: the canvas is as wide as the viewport.
    EXPECT_DOUBLE_EQ(qm::computeScrollExtents(0, 1000, 100, viewport).canvasWidth, 10000);
    const qm::ScrollExtents far = qm::computeScrollExtents(4999600, 1000, 100, viewport);
    EXPECT_EQ(std::tuple(far.ScrollUnit, far.hVisible, far.hMaximum, far.hPageStep, far.vVisible),
              std::tuple(100, true, 49900, 100, false));
    const qm::ScrollExtents tall = qm::computeScrollExtents(39600, 7725, 100, viewport);
    EXPECT_EQ(std::tuple(tall.hMaximum, tall.hPageStep, tall.vVisible, tall.vMaximum, tall.vPageStep),
              std::tuple(3026, 737, true, 2980, 1490));
}

// What zooming stores is StoredChanges.AreTheSameAtEveryZoom's matter; here the shown geometry
// comes back after a step in and a step out (one of which is rounded to single precision).
TEST(Zoom, InThenOutGivesTheSameGeometryBack)
{
    qmtest::PlacementFixture f;
    f.insert(qmtest::addEvent(f.t.g, "Alpha", 2001, 1, 1));
    f.insert(qmtest::addEvent(f.t.g, "Beta gamma delta", 2001, 1, 2));
    const qm::CanvasModel before = f.canvas.model();
    f.canvas.zoomIn();
    EXPECT_DOUBLE_EQ(f.t.g.Zoom, 1.2);
    for (const auto &[boxId, box] : f.canvas.model().boxes()) {
        EXPECT_DOUBLE_EQ(box.picture.rect.left(), before.box(boxId)->picture.rect.left() * 1.2);
        EXPECT_DOUBLE_EQ(box.name.font.size, 12);
    }
    f.canvas.zoomOut();
    EXPECT_NE(f.t.g.Zoom, 1.0);
    auto near = [](const QRectF &a, const QRectF &b) {
        return (a.topLeft() - b.topLeft()).manhattanLength() + (a.bottomRight() - b.bottomRight()).manhattanLength() <
               0.04;
    };
    for (const auto &[boxId, box] : f.canvas.model().boxes()) {
        const qm::CanvasBox &old = *before.box(boxId);
        EXPECT_TRUE(near(box.picture.rect, old.picture.rect) && near(box.name.rect, old.name.rect) &&
                    near(box.date.rect, old.date.rect));
    }
    EXPECT_TRUE(near(f.canvas.model().lblSub.rect, before.lblSub.rect));
    EXPECT_TRUE(near(f.canvas.model().imPointer.rect, before.imPointer.rect));
}

TEST(MinDist, SliderSetsAndStoresItAndAStoredValueFindsItsSliderPosition)
{
    qmtest::TempProject t;
    FakeMeasurer m;
    qm::TimelineCanvas canvas(t.g, m);
    for (const auto &[value, minDist] : {std::pair{0, 50}, {3, 200}, {10, 550}}) {
        canvas.setMinDistFromSlider(value);
        EXPECT_EQ(t.g.MinDist, minDist);
        EXPECT_EQ(
            qmtest::committedValue(t.projectPath, "SELECT ParmValue FROM Parms WHERE ParmName = 'MinDist'").toString(),
            QString::number(minDist));
    }
    // Halves go to the even neighbour; values beyond the slider's range stop at its ends.
    for (const auto &[minDist, value] : {std::pair{125, 2}, {175, 2}, {225, 4}, {5000, 10}, {0, 0}})
        EXPECT_EQ(qm::TimelineCanvas::sliderValueFor(minDist), value) << minDist;
}

TEST(ClearCanvas, EmptiesTheCanvasAndClosingTheProjectLetsThePicturesGo)
{
    qmtest::PlacementFixture f;
    f.insert(qmtest::addEvent(f.t.g, "A", 2001, 1, 1));
    f.canvas.ClearCanvas();
    EXPECT_EQ(f.canvas.model().boxCount(), 0u);
    EXPECT_FALSE(f.canvas.model().imPointer.visible);
    EXPECT_EQ(f.canvas.model().lblLabel.caption + f.canvas.model().lblSub.caption, QString());

    // Switching timelines keeps the decoded pictures; closing the project lets them go.
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(f.t.path("p.png")));
    f.canvas.pictures().file(f.t.path("p.png"));
    ASSERT_TRUE(f.canvas.LoadTimeLine(f.timelineId));
    f.canvas.ClearCanvas();
    const int kept = f.canvas.pictures().size();
    f.t.g.ProjectDb.close();
    f.canvas.ClearCanvas();
    EXPECT_EQ(f.canvas.pictures().size(), 0);
    EXPECT_GT(kept, 0);
}

} // namespace
