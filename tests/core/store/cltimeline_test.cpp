// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/storedvalues.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

void addTimelineRow(qm::ProjectDatabase &db, const QString &name)
{
    qm::execSql(db, QStringLiteral("INSERT INTO TimeLine (Name) VALUES (?)"), {name});
}

} // namespace

TEST(clTimeLine, SaveWritesTheTimelineAndItsDefaultFormatAndLoadsThemBack)
{
    qmtest::TempProject t;
    qm::clTimeLine tl(t.g.ProjectDb);
    tl.Name = QStringLiteral("Rome \"the city\"");
    tl.Description = QStringLiteral("Kings\nand consuls");
    tl.LabelCaption = QStringLiteral("Rome");
    tl.LabelBold = true;
    tl.LabelItalic = true;
    tl.SubShowBorder = true;
    tl.SubForeColor = 0x0000FF;
    tl.LabelFontSize = QStringLiteral("18");
    tl.WallSource = QStringLiteral("C");
    tl.WallName = QStringLiteral("marble.jpg");
    tl.UseWallpaper = true;
    tl.ForceDefault = false;
    tl.DefaultFormat.PictureWidth = 150;
    tl.DefaultFormat.TextBold = true;
    const qint32 id = tl.Save();
    ASSERT_GT(id, 0);
    EXPECT_EQ(tl.Id, id);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM TimeLine WHERE Id = ?"), {id}),
              1);
    EXPECT_EQ(qmtest::committedCount(t.projectPath,
                                     QStringLiteral("SELECT PictureWidth FROM FormatTL WHERE "
                                                    "TimelineId = ?"),
                                     {id}),
              150);

    tl.Description = QStringLiteral("changed");
    EXPECT_EQ(tl.Save(), id);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM TimeLine")), 1);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM FormatTL")), 1);

    qm::ProjectDatabase second;
    second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
    qm::clTimeLine back(second);
    back.Load(id);
    EXPECT_EQ(back.Id, id);
    EXPECT_EQ(back.Name, tl.Name);
    EXPECT_EQ(back.Description, QStringLiteral("changed"));
    EXPECT_TRUE(back.LabelBold);
    EXPECT_TRUE(back.LabelItalic);
    EXPECT_FALSE(back.SubBold);
    EXPECT_TRUE(back.SubShowBorder);
    EXPECT_EQ(back.SubForeColor, 0x0000FF);
    EXPECT_EQ(back.LabelFontSize, QStringLiteral("18"));
    EXPECT_EQ(back.WallSource, QStringLiteral("C"));
    EXPECT_EQ(back.WallName, QStringLiteral("marble.jpg"));
    EXPECT_TRUE(back.UseWallpaper);
    EXPECT_FALSE(back.ForceDefault);
    EXPECT_EQ(back.SubCaption, QStringLiteral("Made with Quillmarsh"));
    EXPECT_EQ(back.DefaultFormat, tl.DefaultFormat);
}

TEST(clTimeLine, LoadFillsGapsOfOldRowsAndIgnoresUnknownIds)
{
    qmtest::TempProject t;
    addTimelineRow(t.g.ProjectDb, QStringLiteral("Old"));
    qm::clTimeLine tl(t.g.ProjectDb);
    EXPECT_EQ(tl.WallName, QStringLiteral("WallPaper0.jpg")); // a new record's own spelling
    EXPECT_EQ(qm::storedvalues::toColor(tl.BackColor), QColor(192, 192, 255));
    tl.Load(1);
    EXPECT_EQ(tl.Name, QStringLiteral("Old"));
    EXPECT_EQ(tl.WallSource, QStringLiteral("S"));
    EXPECT_EQ(tl.WallName, QStringLiteral("Wallpaper0.jpg"));
    EXPECT_EQ(tl.DefaultFormat, qm::clFormat()); // no FormatTL row

    const qm::clTimeLine before = tl;
    tl.Load(99);
    EXPECT_EQ(tl.Id, 1);
    EXPECT_EQ(tl.Name, before.Name);
}

TEST(clTimeLine, GetDefaultKeepsTheIdentityAndTitle)
{
    qmtest::TempProject t;
    qm::clTimeLine tl(t.g.ProjectDb);
    tl.Id = 4;
    tl.Name = QStringLiteral("Wars");
    tl.Description = QStringLiteral("All of them");
    tl.LabelCaption = QStringLiteral("Wars of Rome");
    tl.SubCaption = QStringLiteral("mine");
    tl.BackColor = 0;
    tl.DefaultFormat.Scheme = 9;
    tl.DefaultFormat.PictureName = QStringLiteral("kept.png");
    tl.GetDefault();
    EXPECT_EQ(tl.Id, 4);
    EXPECT_EQ(tl.Name, QStringLiteral("Wars"));
    EXPECT_EQ(tl.Description, QStringLiteral("All of them"));
    EXPECT_EQ(tl.LabelCaption, QStringLiteral("Wars of Rome"));
    EXPECT_EQ(tl.SubCaption, QStringLiteral("Made with Quillmarsh"));
    EXPECT_EQ(tl.BackColor, 0xFFC0C0);
    EXPECT_EQ(tl.DefaultFormat.Scheme, 1);
    EXPECT_EQ(tl.DefaultFormat.PictureName, QStringLiteral("kept.png"));
}

TEST(clTimeLine, NewTimelineNameCountsOnFromTheLargestNumber)
{
    const struct
    {
        QStringList names;
        const char *expected;
    } cases[] = {
        {{}, "Timeline1"},
        {{QStringLiteral("Timeline0")}, "Timeline1"},
        {{QStringLiteral("Timeline0"), QStringLiteral("Timeline1"), QStringLiteral("Timeline7 (old)")}, "Timeline8"},
        {{QStringLiteral("timeline12"), QStringLiteral("Timeline3")}, "Timeline13"},
        {{QStringLiteral("TIMELINE4x5")}, "Timeline5"},
        {{QStringLiteral("TimelineX"), QStringLiteral("Timeline 5"), QStringLiteral("My Timeline9")}, "Timeline1"},
        {{QStringLiteral("Timeline05"), QStringLiteral("Timeline")}, "Timeline1"},
        {{QStringLiteral("Timeline99999999999999999999"), QStringLiteral("Timeline2")}, "Timeline3"},
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
    addTimelineRow(db, QStringLiteral("Émile Zola"));
    addTimelineRow(db, QStringLiteral("Rome"));
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
    addTimelineRow(t.g.ProjectDb, QStringLiteral("zeta"));
    addTimelineRow(t.g.ProjectDb, QStringLiteral("Alpha"));
    const qint32 id = qm::createFirstTimeline(t.g);
    ASSERT_TRUE(t.g.CurTimeLine);
    EXPECT_EQ(t.g.CurTimeLine->Id, id);
    EXPECT_EQ(qm::mdlParms::GetParm(t.g.ProjectDb, QStringLiteral("TimeLine0")), QString::number(id));

    qm::clTimeLine back(t.g.ProjectDb);
    back.Load(id);
    EXPECT_EQ(back.Name, QStringLiteral("Timeline0"));
    EXPECT_EQ(back.LabelCaption, QStringLiteral("Timeline0"));
    EXPECT_EQ(back.Description, QStringLiteral(""));
    EXPECT_EQ(qmtest::committedCount(t.projectPath,
                                     QStringLiteral("SELECT COUNT(*) FROM FormatTL WHERE TimelineId = ?"), {id}),
              1);

    QStringList order;
    for (const qm::TimelineEntry &e : qm::timelinesByName(t.g.ProjectDb))
        order << e.name;
    EXPECT_EQ(order, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Timeline0"), QStringLiteral("zeta")}));
}
