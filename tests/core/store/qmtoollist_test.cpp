// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetestsupport.h"
#include "testsupport.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

using qmtest::qmtool;
using qmtest::ToolRun;

namespace {

struct ToolProject : public ::testing::Test
{
    QTemporaryDir dir;
    QString file = dir.filePath("Rome.qmp");

    ToolProject()
    {
        EXPECT_EQ(qmtool({"new", file}).exitCode, 0);
        add("3/15/44 BC", "Ides", "Caesar, Brutus");
        add("1/10/49 BC", "Rubicon", "CAESAR");
        add("8/2/216 BC", "Cannae", "Hannibal");
    }
    void add(const QString &date, const QString &name, const QString &actors)
    {
        const ToolRun r = qmtool({"add-event", file, "--date", date, "--name", name, "--actors", actors});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    QString run(const QStringList &args, int exitCode = 0)
    {
        const ToolRun r = qmtool(args);
        EXPECT_EQ(r.exitCode, exitCode) << args.join(' ').toStdString() << ": " << r.err.toStdString();
        return exitCode == 0 ? r.out : r.err;
    }
    int placed(qint32 id)
    {
        return qmtest::committedRows(file, "TimeLineEvent", "TimeLineId = 1 AND EventId = ?", {id});
    }
};

} // namespace

// What select, include, exclude and delete do to a project is the core's (EventList, InsertNewBox,
// the event commands); here each command reaches it and a wrong id or timeline changes nothing.
TEST_F(ToolProject, SelectIncludeExcludeDelete)
{
    // Ids 1 Ides, 2 Rubicon, 3 Cannae; the list's order is by date.
    EXPECT_EQ(run({"select", file, "--actors", "caesar, Nobody", "--from", "1/1/45 BC"}), "1\n");
    EXPECT_TRUE(run({"select", file, "--to", "Feb 30"}, 1).contains("Invalid date"));
    run({"include", file, "--timeline", "timeline0", "1", "3"});
    EXPECT_EQ(placed(1) + placed(3), 2);
    EXPECT_TRUE(run({"include", file, "--timeline", "Timeline0", "2", "99"}, 1).contains("99"));
    EXPECT_EQ(placed(2), 0);
    run({"exclude", file, "--timeline", "Timeline0", "3"});
    EXPECT_EQ(placed(3), 0);
    EXPECT_TRUE(run({"exclude", file, "--timeline", "Nowhere", "1"}, 1).contains("Nowhere"));
    run({"delete-event", file, "1"});
    EXPECT_EQ(qmtest::committedRows(file, "TimeLineEvent") + qmtest::committedRows(file, "Event"), 2);
    run({"delete-event", file, "1"}, 1);
}

TEST_F(ToolProject, ImportAndSetPicture)
{
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString picture = dir.filePath("forum.png");
    ASSERT_TRUE(image.save(picture));

    EXPECT_EQ(run({"import-pictures", file, "--kind", "I", picture}), "forum.png\n");
    EXPECT_TRUE(run({"import-pictures", file, "--kind", "W", dir.filePath("gone.png")}, 1).contains("gone.png"));

    run({"set-picture", file, "2", "--source", "C", "--name", "forum.png", "--timeline", "Timeline0", "--width", "900",
         "--height", "31"});
    EXPECT_EQ(qmtest::committedValue(file, "SELECT ImageSource || ImageName FROM Event WHERE Id = 2").toString(),
              "Cforum.png");
    EXPECT_EQ(qmtest::committedCount(file, "SELECT PictureWidth FROM Format WHERE EventId = 2 AND TimelineId = 1"),
              900);
    const struct
    {
        QStringList args;
        int exitCode;
    } refused[] = {
        {{"--source", "S", "--name", "../Rome.qmp"}, 1},
        {{"--source", "X", "--name", "forum.png"}, 2},
        {{"--source", "C", "--name", "forum.png", "--timeline", "Timeline0", "--width", "30", "--height", "40"}, 1},
        {{"--source", "C", "--name", "forum.png", "--width", "300", "--height", "40"}, 2},
    };
    for (const auto &r : refused)
        run(QStringList{"set-picture", file, "3"} + r.args, r.exitCode);
    EXPECT_EQ(qmtest::committedValue(file, "SELECT ImageName FROM Event WHERE Id = 3").toString(), "Im0.gif");
}

TEST_F(ToolProject, TagAndMoveAcrossTimelines)
{
    qmtest::rawExec(file, {"INSERT INTO TimeLine (Name) VALUES ('Second')"});
    run({"tag", file, "--add", "keyword", "Rome", "1", "3"});
    EXPECT_EQ(run({"select", file, "--keywords", "rome"}), "3\n1\n");
    run({"tag", file, "--remove", "K", "ROME", "3"});
    EXPECT_EQ(run({"select", file, "--keywords", "rome"}), "1\n");
    EXPECT_TRUE(run({"tag", file, "--add", "X", "Rome", "1"}, 2).contains("TYPE"));
    run({"include", file, "--timeline", "Timeline0", "1", "3"});
    run({"include", file, "--timeline", "Second", "--move-from", "Timeline0", "3"});
    EXPECT_EQ(placed(1), 1);
    EXPECT_EQ(placed(3), 0);
    EXPECT_EQ(qmtest::committedRows(file, "TimeLineEvent", "EventId = 3"), 1);
}
