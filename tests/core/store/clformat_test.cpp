// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/clformat.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

TEST(clFormat, MissingRowsGiveTheDefaultsNotTheTimelineFormat)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    qmtest::unusualFormat().Save(db, 0, 1); // the timeline's default look
    qmtest::unusualFormat().Save(db, 3, 1);
    // Another event of that timeline, and the same event on another timeline.
    for (const auto &[eventId, timelineId] : {std::pair{7, 1}, {3, 2}}) {
        qm::clFormat f = qmtest::unusualFormat();
        f.GetFormat(db, eventId, timelineId);
        qm::clFormat defaults;
        defaults.PictureName = "map.png"; // not touched by GetDefault
        EXPECT_EQ(f, defaults) << eventId << " " << timelineId;
    }
}

TEST(clFormat, SaveStoresOneRowPerKeyAndReadsBackEveryMember)
{
    const struct
    {
        qint32 eventId;
        const char *table;
    } cases[] = {{5, "Format"}, {0, "FormatTL"}, {-1, "FormatTL"}};
    for (const auto &c : cases) {
        qmtest::TempProject t;
        auto &db = t.g.ProjectDb;
        qm::clFormat first;
        first.Save(db, c.eventId, 2);
        qmtest::unusualFormat().Save(db, c.eventId, 2);

        const QString table = QString::fromUtf8(c.table);
        // One row, in the table and under the key that GetFormat reads.
        EXPECT_EQ(qmtest::committedRows(t.projectPath, "Format") + qmtest::committedRows(t.projectPath, "FormatTL"), 1);
        EXPECT_EQ(qmtest::committedRows(t.projectPath, table, "TimelineId = 2"), 1) << c.eventId;
        // Booleans as -1 and 0, colours as one number (0x102030), as other tools of the file expect.
        EXPECT_EQ(
            qmtest::committedValue(
                t.projectPath,
                QStringLiteral("SELECT TextSolid || ' ' || LineVisible || ' ' || TextBackColor FROM %1").arg(table))
                .toString(),
            "-1 0 1056816");

        qm::ProjectDatabase second;
        second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        qm::clFormat back;
        back.GetFormat(second, c.eventId, 2);
        EXPECT_EQ(back, qmtest::unusualFormat()) << c.eventId;
    }
}
