// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/fakemeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <map>

namespace qmtest {

// A project with a timeline titled "Rome" shown on a canvas measured by the fake measurer. The
// title (24 points) covers x 240 to 1200 and y 240 to 720; MinDist is 100.
struct PlacementFixture
{
    PlacementFixture()
    {
        t.g.MinDist = 100;
        timelineId = qmtest::addTimeline(t.g, "T", "Rome");
        canvas.LoadTimeLine(timelineId);
    }

    qint32 insert(qint32 eventId)
    {
        qmtest::makeCurrent(t.g, eventId);
        EXPECT_TRUE(canvas.InsertNewBox(*t.g.CurEvent));
        return eventId;
    }

    QPointF pictureAt(qint32 id) const { return canvas.model().box(id)->picture.rect.topLeft(); }

    // Every stored position of the timeline, read through a second connection.
    std::map<qint32, QPointF> storedPositions() const
    {
        qm::ProjectDatabase second;
        second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        qm::SqlQuery q(second, "SELECT EventId, BoxLeft, BoxTop FROM TimeLineEvent WHERE "
                               "TimeLineId = ?");
        q.bind(timelineId).exec();
        std::map<qint32, QPointF> rows;
        while (q.next()) {
            EXPECT_EQ(rows.count(q.value(0).toInt()), 0u) << "two rows for one event";
            rows[q.value(0).toInt()] = QPointF(q.value(1).toDouble(), q.value(2).toDouble());
        }
        return rows;
    }

    qmtest::TempProject t;
    FakeMeasurer measurer;
    qm::TimelineCanvas canvas{t.g, measurer};
    qint32 timelineId = 0;
};

} // namespace qmtest
