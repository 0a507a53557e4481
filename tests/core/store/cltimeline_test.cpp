// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

void addTimelineRow(qm::ProjectDatabase &db, const QString &name)
{
    qm::execSql(db, "INSERT INTO TimeLine (Name) VALUES (?)", {name});
}

} // namespace

TEST(clTimeLine, SaveWritesTheTimelineAndItsDefaultFormatAndLoadsThemBack)
{
    qmtest::TempProject t;
    qm::clTimeLine tl(t.g.ProjectDb);
    tl.Name = "Rome \"the city\"";
    tl.Description = "Kings\nand consuls";
    tl.LabelBold = true;
    tl.SubShowBorder = true;
    tl.SubForeColor = 0x0000FF;
    tl.LabelFontSize = "18";
    tl.WallName = "marble.jpg";
    tl.UseWallpaper = true;
    tl.ForceDefault = false;
    tl.DefaultFormat.PictureWidth = 150;
    const qint32 id = tl.Save();
    ASSERT_GT(id, 0);
    EXPECT_EQ(tl.Id, id);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT PictureWidth FROM FormatTL WHERE TimelineId = ?", {id}),
              150);
    tl.Description = "changed";
    EXPECT_EQ(tl.Save(), id);
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "TimeLine"), 1);
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "FormatTL"), 1);

    qm::ProjectDatabase second;
    second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
    qm::clTimeLine back(second);
    back.Load(id);
    const auto fields = [](const qm::clTimeLine &x) {
        return std::tuple(x.Id, x.Name, x.Description, x.LabelBold, x.SubBold, x.SubShowBorder, x.SubForeColor,
                          x.LabelFontSize, x.WallName, x.UseWallpaper, x.ForceDefault, x.SubCaption);
    };
    EXPECT_EQ(fields(back), fields(tl));
    EXPECT_EQ(back.DefaultFormat, tl.DefaultFormat);
}

TEST(clTimeLine, LoadFillsGapsOfOldRowsAndIgnoresUnknownIds)
{
    qmtest::TempProject t;
    addTimelineRow(t.g.ProjectDb, "Old");
    qm::clTimeLine tl(t.g.ProjectDb);
    tl.Load(1);
    EXPECT_EQ(tl.Name, "Old");
    EXPECT_EQ(tl.WallSource, "S");
    EXPECT_EQ(tl.WallName, "Wallpaper0.jpg");
    EXPECT_EQ(tl.DefaultFormat, qm::clFormat()); // no FormatTL row

    tl.Load(99);
    EXPECT_EQ(tl.Id, 1);
    EXPECT_EQ(tl.Name, "Old");
}

TEST(clTimeLine, NewTimelineNameCountsOnFromTheLargestNumber)
{
    const struct
    {
        QStringList names;
        const char *expected;
    } cases[] = {
        {{}, "Timeline1"},
        {{"Timeline0", "timeline12", "Timeline7 (old)", "TIMELINE4x5"}, "Timeline13"},
        {{"TimelineX", "Timeline 5", "My Timeline9", "Timeline05", "Timeline"}, "Timeline1"},
        {{"Timeline99999999999999999999", "Timeline2"}, "Timeline3"},
    };
    for (const auto &c : cases) {
        qmtest::TempProject t;
        for (const QString &name : c.names)
            addTimelineRow(t.g.ProjectDb, name);
        EXPECT_EQ(qm::NewTimelineName(t.g.ProjectDb), QString::fromUtf8(c.expected))
            << c.names.join(u'|').toStdString();
    }
}

TEST(clTimeLine, NameCheckIgnoresCaseAndTheTimelineItself)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    addTimelineRow(db, "Émile Zola");
    addTimelineRow(db, "Rome");
    const struct
    {
        const char *name;
        qint32 exceptId;
        bool exists;
    } cases[] = {
        {"Rome", 0, true},       {"ROME", 0, true},  {"rome", 2, false}, // renaming Rome to rome
        {"émile zola", 2, true}, {"Roma", 0, false}, {"Rome ", 0, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::timelineNameExists(db, QString::fromUtf8(c.name), c.exceptId), c.exists) << c.name;
}

TEST(clTimeLine, FirstTimelineOfANewProject)
{
    qmtest::TempProject t;
    addTimelineRow(t.g.ProjectDb, "zeta");
    addTimelineRow(t.g.ProjectDb, "Alpha");
    const qint32 id = qm::createFirstTimeline(t.g);
    ASSERT_TRUE(t.g.CurTimeLine);
    EXPECT_EQ(t.g.CurTimeLine->Id, id);
    EXPECT_EQ(qm::mdlParms::GetParm(t.g.ProjectDb, "TimeLine0"), QString::number(id));

    EXPECT_EQ(qmtest::committedValue(t.projectPath, "SELECT Name || LabelCaption FROM TimeLine WHERE Id = ?", {id})
                  .toString(),
              "Timeline0Timeline0");
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "FormatTL", "TimelineId = ?", {id}), 1);

    QStringList order;
    for (const qm::TimelineEntry &e : qm::timelinesByName(t.g.ProjectDb))
        order << e.name;
    EXPECT_EQ(order, (QStringList{"Alpha", "Timeline0", "zeta"}));
}
