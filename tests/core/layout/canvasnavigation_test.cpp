// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/boxedproject.h"
#include "layout/canvasnavigation.h"
#include "store/elements.h"
#include "store/sqlquery.h"

#include <gtest/gtest.h>

namespace {

namespace nav = qm::navigation;

struct Navigation : ::testing::Test
{
    qmtest::LoadedBoxes boxes{40};
    qm::Globals &g = boxes.g;
    qm::TimelineCanvas &canvas = boxes.canvas;
    const qint32 timelineId = boxes.timelineId;
    const std::vector<qint32> ids = canvas.SortBoxes();
};

TEST_F(Navigation, FindLooksThroughNamesDatesAndElementsLeftToRight)
{
    const qint32 actor = qm::FindOrCreateElement(g.ProjectDb, "A", "Tycho Brahe");
    qm::execSql(g.ProjectDb, "INSERT INTO EventElement (EventId, ElementType, ElementId) VALUES (?, 'A', ?)",
                {ids[30], actor});
    nav::FindIndex index;
    index.build(canvas.model(), ids, nav::elementTextsOfTimeline(g.ProjectDb, timelineId));
    EXPECT_EQ(index.find("NUMBER 12 "), std::vector<qint32>{ids[12]});
    EXPECT_EQ(index.find(" number 3").size(), 11u); // 3 and 30 to 39
    EXPECT_EQ(index.find("number 3").front(), ids[3]);
    EXPECT_EQ(index.find("tycho"), std::vector<qint32>{ids[30]});
    EXPECT_EQ(index.find(canvas.model().box(ids[7])->date.caption), std::vector<qint32>{ids[7]});
    EXPECT_TRUE(index.find("  ").empty());
    EXPECT_TRUE(index.find("Kepler").empty());
}

TEST_F(Navigation, GoToDateTakesTheFirstBoxAtOrAfterAndTheLastWhenAllAreEarlier)
{
    const std::vector<qm::DatedPlacement> dated = qm::datedPlacements(g.ProjectDb, timelineId);
    EXPECT_EQ(nav::boxAtOrAfter(dated, qm::ExtDate(10010.5, qm::EraPlain)), ids[11]);
    EXPECT_EQ(nav::boxAtOrAfter(dated, qm::ExtDate(10010.0, qm::EraPlain)), ids[10]);
    EXPECT_EQ(nav::boxAtOrAfter(dated, qm::ExtDate(5.0, qm::EraPlain)), ids.front());
    EXPECT_EQ(nav::boxAtOrAfter(dated, qm::ExtDate(90000.0, qm::EraPlain)), ids.back());
    EXPECT_EQ(nav::boxAtOrAfter({}, qm::ExtDate(5.0, qm::EraPlain)), -1);
}

TEST_F(Navigation, KeysMoveByBoxAndByScreenWithinTheTimeline)
{
    using M = nav::Move;
    const auto &m = canvas.model();
    // The boxes stand 900 twips apart: a screen of 4500 twips is five boxes.
    EXPECT_EQ(nav::moveSelection(m, ids, ids[7], M::First, 4500, 0), ids.front());
    EXPECT_EQ(nav::moveSelection(m, ids, ids[7], M::Last, 4500, 0), ids.back());
    EXPECT_EQ(nav::moveSelection(m, ids, ids[7], M::PageOn, 4500, 0), ids[12]);
    EXPECT_EQ(nav::moveSelection(m, ids, ids[7], M::PageBack, 4500, 0), ids[2]);
    EXPECT_EQ(nav::moveSelection(m, ids, ids[2], M::PageBack, 4500, 0), ids.front());
    EXPECT_EQ(nav::moveSelection(m, ids, ids[37], M::PageOn, 4500, 0), ids.back());
    // Nothing selected: a screen on from the view's left edge.
    const double left = m.box(ids[10])->connector.p1.x();
    EXPECT_EQ(nav::moveSelection(m, ids, -1, M::PageOn, 4500, left), ids[15]);
    EXPECT_EQ(nav::moveSelection(m, {}, -1, M::First, 4500, 0), -1);
}

TEST_F(Navigation, ZoomToFitShowsEveryBoxInTheViewport)
{
    const double f = nav::fitFactor(canvas.model(), 400, 24000, 9000);
    ASSERT_LT(f, 1.0);
    g.Zoom *= f;
    canvas.ScaleCanvas(f);
    for (const auto &[id, box] : canvas.model().boxes()) {
        EXPECT_LE(box.bounds().right(), 24000.0) << id;
        EXPECT_LE(box.bounds().bottom(), 9000.0) << id;
    }
    EXPECT_NEAR(nav::fitFactor(canvas.model(), 400 * f, 24000, 9000), 1.0, 0.02);
}

} // namespace
