// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/fakemeasurer.h"
#include "layout/scrollextents.h"
#include "layout/timelinecanvas.h"
#include "store/clformat.h"
#include "store/mdlparms.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include "../store/storetestsupport.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>

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
    EXPECT_EQ(t.g.Zoom, 1.0);
    EXPECT_EQ(t.g.SelectedId, -1);
    EXPECT_EQ(t.g.CurTimeLineId, id);
    EXPECT_FALSE(model.imPointer.visible);
    EXPECT_EQ(model.height, 7725);
    EXPECT_EQ(model.axis.p1.y(), 7000);
    EXPECT_EQ(model.lblLabel.caption, "Rome");
    // The subtitle (10 points: 200 twips high) sits 50 twips above the canvas bottom.
    EXPECT_EQ(model.lblSub.caption, "Made by me");
    EXPECT_DOUBLE_EQ(model.lblSub.rect.top(), 7725 - 50 - 200);
    EXPECT_EQ(model.backColor, 0x336699);
    // The canvas reaches 4 x MinDist past the rightmost name label.
    EXPECT_DOUBLE_EQ(model.width, 4236 + 300 + 50 + 400 + 4 * t.g.MinDist);
    EXPECT_DOUBLE_EQ(model.axis.p2.x(), model.width - t.g.MinDist);
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

TEST(LoadTimeLine, TilesTheWallpaperOnlyWhenItCanBeRead)
{
    qmtest::TempProject t;
    t.g.ProjectFolder = t.dir.filePath("Test") + QDir::separator();
    ASSERT_TRUE(QDir().mkpath(t.g.ProjectFolder + QStringLiteral("Walls")));
    QImage wall(4, 4, QImage::Format_RGB32);
    wall.fill(Qt::yellow);
    ASSERT_TRUE(wall.save(t.g.ProjectFolder + QStringLiteral("Walls/marble.png")));

    for (const QString &name : QStringList{"marble.png", "missing.png"}) {
        SCOPED_TRACE(name.toStdString());
        qm::clTimeLine tl(t.g.ProjectDb);
        tl.Name = name;
        tl.UseWallpaper = true;
        tl.WallSource = "C";
        tl.WallName = name;
        const qint32 id = tl.Save();
        FakeMeasurer m;
        qm::TimelineCanvas canvas(t.g, m);
        ASSERT_TRUE(canvas.LoadTimeLine(id));
        const bool readable = name == u"marble.png";
        EXPECT_EQ(canvas.model().useWallpaper, readable);
        EXPECT_EQ(canvas.model().wallpaper.isNull(), !readable);
    }
}

TEST(ScrollExtents, UnitsRangesAndBarsFollowTheOverflow)
{
    const qm::CanvasViewport viewport{10000, 5000, 255, 255};
    const struct
    {
        double rightmost;
        double height;
        int unit;
        bool hVisible;
        int hMax, hPage, hLine;
        bool vVisible;
        int vMax, vPage, vLine;
    } cases[] = {
        // No boxes: the canvas is as wide as the viewport.
        {0, 1000, 1, false, 0, 0, 0, false, 0, 0, 0},
        {39600, 1000, 1, true, 30000, 7500, 3750, false, 0, 0, 0},
        {39601, 1000, 10, true, 3000, 750, 375, false, 0, 0, 0},
        {309600, 1000, 10, true, 30000, 968, 484, false, 0, 0, 0},
        {309601, 1000, 100, true, 3000, 97, 48, false, 0, 0, 0},
        // Far beyond what 16-bit scroll bars could reach.
        {4999600, 1000, 100, true, 49900, 100, 50, false, 0, 0, 0},
        // A tall canvas shows the vertical bar, which takes its width off the horizontal room.
        {0, 7725, 1, false, 255, 248, 124, true, 2725, 1362, 545},
        {39600, 7725, 10, true, 3026, 737, 368, true, 2980, 1490, 596},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rightmost);
        const qm::ScrollExtents e = qm::computeScrollExtents(c.rightmost, c.height, 100, viewport);
        EXPECT_DOUBLE_EQ(e.canvasWidth, std::max(c.rightmost + 400, 10000.0));
        EXPECT_EQ(e.ScrollUnit, c.unit);
        EXPECT_EQ(e.hVisible, c.hVisible);
        EXPECT_EQ(e.hMaximum, c.hMax);
        EXPECT_EQ(e.hPageStep, c.hPage);
        EXPECT_EQ(e.hLineStep, c.hLine);
        EXPECT_EQ(e.vVisible, c.vVisible);
        EXPECT_EQ(e.vMaximum, c.vMax);
        EXPECT_EQ(e.vPageStep, c.vPage);
        EXPECT_EQ(e.vLineStep, c.vLine);
    }
}

TEST(Zoom, InThenOutGivesTheSameGeometryBackAndLeavesStoredPositionsAlone)
{
    qmtest::TempProject t;
    t.g.MinDist = 100;
    const qint32 id = qmtest::addTimeline(t.g, "T", "Rome");
    FakeMeasurer m;
    qm::TimelineCanvas canvas(t.g, m);
    canvas.UpdateScrollExtents(30000, 8000, 255, 255);
    ASSERT_TRUE(canvas.LoadTimeLine(id));
    for (const auto &[name, day] : {std::pair{QStringLiteral("Alpha"), 1}, {QStringLiteral("Beta gamma delta"), 2}}) {
        qmtest::makeCurrent(t.g, qmtest::addEvent(t.g, name, 2001, 1, day));
        ASSERT_TRUE(canvas.InsertNewBox());
    }
    const qm::CanvasModel before = canvas.model();
    const QVariant storedLeft = qmtest::committedValue(t.projectPath, "SELECT SUM(BoxLeft) FROM "
                                                                      "TimeLineEvent");

    canvas.zoomIn();
    EXPECT_DOUBLE_EQ(t.g.Zoom, 1.2);
    EXPECT_DOUBLE_EQ(canvas.model().height, 7725 * 1.2);
    EXPECT_DOUBLE_EQ(canvas.model().axis.p1.y(), 8400);
    for (const auto &[boxId, box] : canvas.model().boxes()) {
        EXPECT_DOUBLE_EQ(box.picture.rect.width(), 240);
        EXPECT_DOUBLE_EQ(box.picture.rect.left(), before.box(boxId)->picture.rect.left() * 1.2);
        EXPECT_DOUBLE_EQ(box.name.font.size, 12);
        EXPECT_DOUBLE_EQ(box.connector.p2.y(), 8400);
    }

    canvas.zoomOut();
    const double single = static_cast<float>(1 / 1.2);
    EXPECT_EQ(t.g.Zoom, 1.2 * single);
    EXPECT_NE(t.g.Zoom, 1.0);
    auto near = [](const QRectF &a, const QRectF &b) {
        return std::abs(a.left() - b.left()) < 0.01 && std::abs(a.top() - b.top()) < 0.01 &&
               std::abs(a.width() - b.width()) < 0.01 && std::abs(a.height() - b.height()) < 0.01;
    };
    for (const auto &[boxId, box] : canvas.model().boxes()) {
        const qm::CanvasBox &old = *before.box(boxId);
        EXPECT_TRUE(near(box.picture.rect, old.picture.rect));
        EXPECT_TRUE(near(box.name.rect, old.name.rect));
        EXPECT_TRUE(near(box.date.rect, old.date.rect));
        EXPECT_NEAR(box.name.font.size, old.name.font.size, 1e-5);
        EXPECT_NEAR(box.connector.p1.x(), old.connector.p1.x(), 0.01);
    }
    EXPECT_TRUE(near(canvas.model().lblLabel.rect, before.lblLabel.rect));
    EXPECT_TRUE(near(canvas.model().lblSub.rect, before.lblSub.rect));
    EXPECT_TRUE(near(canvas.model().imPointer.rect, before.imPointer.rect));
    EXPECT_NEAR(canvas.model().height, before.height, 0.01);
    EXPECT_EQ(qmtest::committedValue(t.projectPath, "SELECT SUM(BoxLeft) FROM TimeLineEvent"), storedLeft);
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
    for (const auto &[minDist, value] :
         {std::pair{50, 0}, {100, 1}, {125, 2}, {175, 2}, {225, 4}, {500, 9}, {550, 10}, {5000, 10}, {0, 0}})
        EXPECT_EQ(qm::TimelineCanvas::sliderValueFor(minDist), value) << minDist;
}

TEST(ClearCanvas, EmptiesTheCanvasButKeepsTheScale)
{
    qmtest::TempProject t;
    const qint32 id = qmtest::addTimeline(t.g, "T", "Title");
    FakeMeasurer m;
    qm::TimelineCanvas canvas(t.g, m);
    ASSERT_TRUE(canvas.LoadTimeLine(id));
    qmtest::makeCurrent(t.g, qmtest::addEvent(t.g, "A", 2001, 1, 1));
    ASSERT_TRUE(canvas.InsertNewBox());
    ASSERT_TRUE(canvas.model().imPointer.visible);

    canvas.ClearCanvas();
    EXPECT_EQ(canvas.model().boxCount(), 0u);
    EXPECT_FALSE(canvas.model().imPointer.visible);
    EXPECT_EQ(canvas.model().lblLabel.caption, QString());
    EXPECT_EQ(canvas.model().lblSub.caption, QString());
    EXPECT_EQ(canvas.model().height, 7725);

    // Switching timelines keeps the decoded pictures; closing the project lets them go.
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(t.path("p.png")));
    canvas.pictures().file(t.path("p.png"));
    ASSERT_TRUE(canvas.LoadTimeLine(id));
    canvas.ClearCanvas();
    const int kept = canvas.pictures().size();
    t.g.ProjectDb.close();
    canvas.ClearCanvas();
    EXPECT_EQ(canvas.pictures().size(), 0);
    EXPECT_GT(kept, 0);
}

} // namespace
