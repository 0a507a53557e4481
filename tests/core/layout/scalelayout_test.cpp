// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "edit/commandgroup.h"
#include "edit/eventcommands.h"
#include "edit/lookcommands.h"
#include "edit/makeroom.h"
#include "edit/scalecommands.h"
#include "layout/scalelayout.h"
#include "store/placements.h"
#include "store/storeerror.h"

#include <QUndoStack>

namespace {

// The room a box takes on the canvas: picture, name and date.
QRectF extentOf(const qm::CanvasBox &b)
{
    return b.picture.rect | b.name.rect | b.date.rect;
}

TEST(FitRows, NoTwoBoxesOfARowOverlapAndKeptBoxesStandInTheWay)
{
    std::vector<qm::ScaleBox> boxes;
    unsigned seed = 7;
    for (int i = 0; i < 300; ++i) {
        seed = seed * 1103515245u + 12345u;
        boxes.push_back({i, double(seed % 100000), 300.0, 1500.0, 900.0, std::nullopt});
    }
    // A box the user put in the first row, over the first 2000 twips.
    boxes.push_back({1000, 500.0, 500.0, 1500.0, 900.0, 100.0});
    boxes.push_back({1001, 600.0, 300.0, 300.0, 900.0, std::nullopt});
    ASSERT_TRUE(qm::fitRows(boxes, 100.0, 1000.0, 40, 100.0));
    for (const qm::ScaleBox &a : boxes) {
        for (const qm::ScaleBox &b : boxes) {
            if (a.id < b.id && a.top == b.top) {
                EXPECT_TRUE(a.x + a.rightReach + 100.0 <= b.x - b.leftReach ||
                            b.x + b.rightReach + 100.0 <= a.x - a.leftReach)
                    << a.id << " and " << b.id;
            }
        }
    }
    EXPECT_EQ(boxes[300].top, 100.0);
    EXPECT_GT(boxes[301].top, 100.0);
    // Too few rows: the fitting says so, for the scale to be widened.
    EXPECT_FALSE(qm::fitRows(boxes, 100.0, 1000.0, 2, 100.0));
}

struct ScaleFixture : qmtest::PlacementFixture
{
    ScaleFixture()
    {
        for (const char *date : {"1/1/3000 BC", "12/31/1 BC", "1/1/1 AD", "2/29/2000", "3/1/2000"})
            ids.push_back(insert(qmtest::storeEvent(t.g, QString::fromLatin1(date), QString::fromLatin1(date))));
        for (const qint32 id : ids)
            inDateOrder[id] = pictureAt(id);
    }

    void setScale(bool toScale)
    {
        qm::pushCommand(history, std::make_unique<qm::TimeScaleCommand>(canvas, timelineId,
                                                                        qm::TimeScaleCommand::Scale{toScale, 0.0}));
    }

    std::vector<qint32> ids;
    std::map<qint32, QPointF> inDateOrder;
    QUndoStack history;
};

TEST(ToScale, ConnectorsStandAtTheirDatesAndSwitchingBackRestoresTheLayout)
{
    ScaleFixture f;
    f.setScale(true);
    const qm::CanvasModel &m = f.canvas.model();
    ASSERT_TRUE(m.timeScale);
    const auto atDatesApart = [&] {
        for (const qm::DatedPlacement &p : qm::datedPlacements(f.t.g.ProjectDb, f.timelineId)) {
            const qint32 id = p.eventId;
            const qm::CanvasBox &b = *m.box(id);
            // Within half a pixel of the place in proportion to time.
            EXPECT_NEAR(b.connector.p1.x(), m.timeScale->xOf(*qm::yearPosition(p.date)), 7.5) << id;
            for (const auto &[other, o] : m.boxes())
                EXPECT_TRUE(id == other || !extentOf(b).intersects(extentOf(o))) << id << " and " << other;
        }
    };
    atDatesApart();
    // Fitted to the window: a window twice as wide shows the years twice as wide, the boxes at their dates.
    f.canvas.UpdateScrollExtents(20000, 8000, 0, 0);
    const double narrow = m.timeScale->twipsPerYear;
    f.canvas.UpdateScrollExtents(40000, 8000, 0, 0);
    EXPECT_NEAR(m.timeScale->twipsPerYear / narrow, 2.0, 0.2);
    atDatesApart();
    // A picture grown to scale: the boxes stay at their dates in rows fitted again, while their places
    // in date order make room for the way back, in the same step.
    qm::runGroup(f.history, "wide picture", [&](qm::CommandGroup &group) {
        group.add(std::make_unique<qm::EventPictureCommand>(f.canvas, std::vector<qint32>{f.ids[0]}, "S", "Im0.gif",
                                                            qm::PictureLook{6000, 300, true}, ""));
        EXPECT_TRUE(qm::makeRoomFor(group, f.canvas, f.ids[0]));
    });
    atDatesApart();
    EXPECT_GT(f.storedPositions()[f.ids[1]].x(), f.inDateOrder[f.ids[1]].x());
    f.history.undo();
    EXPECT_EQ(f.storedPositions(), f.inDateOrder);
    ASSERT_FALSE(m.axisLabels.empty());
    for (std::size_t i = 1; i < m.axisLabels.size(); ++i)
        EXPECT_LE(m.axisLabels[i - 1].rect.right(), m.axisLabels[i].rect.left());
    // The places in date order stay in the file for the way back.
    EXPECT_EQ(f.storedPositions(), f.inDateOrder);
    // A box a command puts back stands at its date again, not at its place in date order.
    const QPointF before = f.pictureAt(f.ids[3]);
    qm::pushCommand(f.history, std::make_unique<qm::ExcludeEventsCommand>(f.canvas, f.timelineId,
                                                                          std::vector<qint32>{f.ids[3]}, "exclude"));
    f.history.undo();
    EXPECT_EQ(f.pictureAt(f.ids[3]), before);

    f.history.undo();
    EXPECT_FALSE(m.timeScale);
    EXPECT_TRUE(m.axisMarks.empty());
    for (const qint32 id : f.ids)
        EXPECT_EQ(f.pictureAt(id), f.inDateOrder[id]);
    f.history.redo();
    EXPECT_TRUE(m.timeScale);
}

TEST(ToScale, BoxesMoveOnlyUpOrDownAndArrangeRowsFitsThemAgain)
{
    ScaleFixture f;
    f.setScale(true);
    const qint32 id = f.ids[2];
    const QPointF fitted = f.pictureAt(id);
    QString said;
    f.canvas.onStatusMessage = [&](const QString &message) { said = message; };

    const QPointF grip = f.canvas.model().box(id)->picture.rect.center();
    ASSERT_EQ(f.canvas.pressAt(grip.x(), grip.y(), true), id);
    f.canvas.dragTo(grip.x() + 2000, grip.y());
    EXPECT_EQ(f.pictureAt(id), fitted);
    EXPECT_EQ(said, qm::sidewaysDragMessage());
    f.canvas.dragTo(grip.x() + 2000, grip.y() + 1500);
    EXPECT_EQ(f.pictureAt(id), fitted + QPointF(0, 1500));
    f.history.push(qm::ScaleRowsCommand::dropped(f.canvas, f.canvas.drop(), "move").release());
    EXPECT_EQ(qm::scaleTops(f.t.g.ProjectDb, f.timelineId).at(id), fitted.y() + 1500);

    // Kept when the timeline is shown again, and given up by Arrange rows as one step.
    f.canvas.LoadTimeLine(f.timelineId);
    EXPECT_EQ(f.pictureAt(id), fitted + QPointF(0, 1500));
    f.history.push(qm::ScaleRowsCommand::arrangeRows(f.canvas).release());
    EXPECT_EQ(f.pictureAt(id), fitted);
    f.history.undo();
    EXPECT_EQ(f.pictureAt(id), fitted + QPointF(0, 1500));

    // A box placed while to scale gets its place in date order too, for the way back.
    const qint32 added = f.insert(qmtest::storeEvent(f.t.g, "7/4/1776", "Independence"));
    EXPECT_TRUE(f.canvas.model().timeScale);
    f.setScale(false);
    std::vector<double> xs;
    for (const qm::DatedPlacement &p : qm::datedPlacements(f.t.g.ProjectDb, f.timelineId))
        xs.push_back(f.pictureAt(p.eventId).x());
    EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end()));
    EXPECT_GT(f.pictureAt(added).x(), f.inDateOrder[f.ids[2]].x());
}

} // namespace

namespace {

TEST(ToScale, PeriodsAreBarsFromStartToEndInLanesAndEndsNeverPrecedeStarts)
{
    ScaleFixture f;
    const auto period = [&](const char *from, const char *to, const char *shown) {
        qm::clEvent e(f.t.g);
        e.EventDate = std::make_shared<qm::ExtDate>();
        e.EventDate->Assign(QString::fromLatin1(from));
        e.EventDateStr = QString::fromLatin1(shown);
        e.EndDate.emplace();
        e.EndDate->Assign(QString::fromLatin1(to));
        e.Name = QString::fromLatin1(shown);
        return f.insert(e.Save());
    };
    const qint32 terror = period("9/5/1793", "7/27/1794", "1793");
    const qint32 convention = period("9/21/1792", "10/26/1795", "9/21/1792");
    const qint32 directory = period("11/2/1795", "11/9/1799", "1795");
    EXPECT_EQ(f.canvas.model().box(terror)->date.caption, "1793-1794");
    EXPECT_EQ(f.canvas.model().box(convention)->date.caption, "9/21/1792 - 10/26/1795");
    // The end is written as the start was: named, a month alone, in numbers in the start's order
    // whatever the reader's own.
    const auto caption = [](const char *shown, const char *from, const char *to) {
        qm::ExtDate start, end;
        start.Assign(QString::fromLatin1(from));
        end.Assign(QString::fromLatin1(to));
        return qm::periodCaption(QString::fromLatin1(shown), start, end, qm::DateOrder::DayFirst);
    };
    EXPECT_EQ(caption("5 September 1793", "9/5/1793", "7/28/1794"), "5 September 1793 - 28 July 1794");
    EXPECT_EQ(caption("September 1793", "9/1/1793", "7/1/1794"), "September 1793 - July 1794");
    EXPECT_EQ(caption("March 44 BC", "3/1/44 BC", "4/1/43 BC"), "March 44 BC - April 43 BC");
    EXPECT_EQ(caption("27 BC", "1/1/27 BC", "12/31/14 AD"), "27 BC-AD 14");
    EXPECT_EQ(caption("AD 14", "1/1/14 AD", "12/31/37 AD"), "AD 14-37");
    EXPECT_EQ(caption("79 AD", "1/1/79 AD", "12/31/81 AD"), "AD 79-81");
    EXPECT_EQ(caption("5 May 5 BC", "5/5/5 BC", "6/10/4 BC"), "5 May 5 BC - 10 June 4 BC");
    EXPECT_EQ(caption("9/21/1792", "9/21/1792", "10/26/1795"), "9/21/1792 - 10/26/1795");
    EXPECT_EQ(caption("September 5, 1793", "9/5/1793", "7/28/1794"), "September 5, 1793 - July 28, 1794");

    // An end typed as a year or a month alone runs to its last day, as a period found in a text does.
    const auto end = [](const char *typed) {
        qm::ExtDate read;
        read.Assign(QString::fromLatin1(typed));
        return qm::typedEnd(QString::fromLatin1(typed), read).Render(qm::DateOrder::MonthFirst, false);
    };
    EXPECT_EQ(end("1794"), "12/31/1794");
    EXPECT_EQ(end("July 1794"), "7/31/1794");
    EXPECT_EQ(end("43 BC"), "12/31/43 BC");
    EXPECT_EQ(end("February 1796"), "2/29/1796");
    EXPECT_EQ(end("5 July 1794"), "7/5/1794");

    // Twenty years a page width: a year is 720 twips.
    qm::pushCommand(f.history, std::make_unique<qm::TimeScaleCommand>(f.canvas, f.timelineId,
                                                                      qm::TimeScaleCommand::Scale{true, 20.0}));
    const qm::CanvasModel &m = f.canvas.model();
    std::map<qint32, QRectF> bars;
    for (const qm::CanvasBar &b : m.periodBars)
        bars[b.id] = b.rect;
    ASSERT_EQ(bars.size(), 3u);
    const auto xOf = [&](const char *date) {
        qm::ExtDate d;
        d.Assign(QString::fromLatin1(date));
        return m.timeScale->xOf(*qm::yearPosition(d));
    };
    EXPECT_NEAR(bars[terror].left(), xOf("9/5/1793"), 1.0);
    EXPECT_NEAR(bars[terror].right(), xOf("7/27/1794"), 1.0);
    EXPECT_NEAR(m.box(terror)->connector.p1.x(), bars[terror].left(), 7.5);
    // The Terror lies within the Convention: another lane. The Directory follows it: the same one.
    EXPECT_NE(bars[terror].top(), bars[convention].top());
    EXPECT_EQ(bars[directory].top(), bars[convention].top());
    EXPECT_LT(bars[terror].bottom(), m.axis.p1.y());
    // Printed or exported, the axis ends soon after the last thing drawn, whatever the spacing and the
    // width of the window.
    f.t.g.MinDist = 2000;
    f.canvas.UpdateScrollExtents(m.width + 100000, 10000, 0, 0);
    const qm::CanvasModel out = f.canvas.outputModel();
    double last = 0;
    for (const auto &entry : m.boxes())
        last = std::max(last, entry.second.bounds().right());
    for (const auto &bar : bars)
        last = std::max(last, bar.second.right());
    EXPECT_LE(out.width, last + 2 * 2000 + 1);
    for (const qm::CanvasLabel &year : out.axisLabels)
        EXPECT_LE(year.rect.right(), out.width);

    qm::clEvent backwards(f.t.g);
    backwards.Id = terror;
    backwards.Load();
    ASSERT_TRUE(backwards.EndDate);
    backwards.EndDate->Assign("1/1/1790");
    EXPECT_THROW(backwards.Save(), qm::StoreError);
}

} // namespace
