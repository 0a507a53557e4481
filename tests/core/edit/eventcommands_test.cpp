// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "../layout/canvasfixture.h"
#include "../store/storetestsupport.h"
#include "edit/eventcommands.h"
#include "edit/insertboxcommand.h"
#include "edit/lookcommands.h"
#include "store/clformat.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

using qmtest::committedRows;
using qmtest::committedValue;

struct EventCommands : qmtest::PlacementFixture, ::testing::Test
{
    QUndoStack stack;
    qint32 a = 0, b = 0, c = 0;

    EventCommands()
    {
        a = insert(qmtest::storeEvent(t.g, "1/1/2001", "Alpha", "Caesar, Brutus"));
        b = insert(qmtest::storeEvent(t.g, "2/1/2001", "Beta", "Caesar"));
        c = insert(qmtest::storeEvent(t.g, "3/1/2001", "Gamma"));
    }
    // What the file holds of the events and their boxes, read through a second connection.
    QString snapshot(const QString &table)
    {
        qm::ProjectDatabase second;
        second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        qm::SqlQuery q(second, QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2, 3").arg(table));
        q.exec();
        QStringList rows;
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < 8; ++i)
                fields << q.value(i).toString();
            rows << fields.join(u'|');
        }
        return rows.join(u'\n');
    }
    QStringList everything()
    {
        return {snapshot("Event"), snapshot("EventElement"), snapshot("TimeLineEvent"), snapshot("Format")};
    }
};

} // namespace

TEST_F(EventCommands, DeleteOfTwoEventsIsUndoneWithElementsBoxesAndFormats)
{
    // A second timeline holds one of them too: undo gives it back its box there as well.
    qm::execSql(t.g.ProjectDb, "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (99, ?, 5, 6)",
                {a});
    qm::clFormat odd;
    odd.TextFont = "Odd";
    odd.Save(t.g.ProjectDb, a, 99);
    const QStringList before = everything();
    const QPointF aAt = pictureAt(a);

    qm::pushCommand(stack, std::make_unique<qm::DeleteEventsCommand>(canvas, std::vector<qint32>{a, b}, "deletion"));
    EXPECT_EQ(committedRows(t.projectPath, "Event"), 1);
    EXPECT_EQ(committedRows(t.projectPath, "EventElement"), 0);
    EXPECT_EQ(committedRows(t.projectPath, "TimeLineEvent"), 1);
    EXPECT_FALSE(canvas.IsOnCanvas(a));

    stack.undo();
    EXPECT_EQ(everything(), before);
    ASSERT_TRUE(canvas.IsOnCanvas(a));
    EXPECT_EQ(pictureAt(a), aAt);
    EXPECT_EQ(canvas.model().box(b)->name.caption, "Beta");

    stack.redo();
    EXPECT_EQ(committedRows(t.projectPath, "Event"), 1);
    EXPECT_FALSE(canvas.IsOnCanvas(b));
}

TEST_F(EventCommands, ExcludeAndIncludeAreUndoneFromTheFile)
{
    const QStringList before = everything();
    qm::pushCommand(
        stack, std::make_unique<qm::ExcludeEventsCommand>(canvas, timelineId, std::vector<qint32>{b, c}, "exclusion"));
    EXPECT_EQ(committedRows(t.projectPath, "TimeLineEvent"), 1);
    EXPECT_EQ(committedRows(t.projectPath, "Event"), 3);
    EXPECT_EQ(canvas.model().boxCount(), 1u);

    // Include & Exit puts one back in its place in time.
    qmtest::makeCurrent(t.g, c);
    qm::pushCommand(stack, std::make_unique<qm::InsertBoxCommand>(canvas, false));
    EXPECT_EQ(committedRows(t.projectPath, "TimeLineEvent"), 2);

    stack.undo();
    stack.undo();
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(canvas.model().boxCount(), 3u);
    stack.redo();
    EXPECT_EQ(committedRows(t.projectPath, "TimeLineEvent", "EventId IN (?, ?)", {b, c}), 0);
}

TEST_F(EventCommands, PastesToAllAreOneStepEachWay)
{
    const QStringList before = everything();
    qm::clFormat look;
    look.TextFont = "Georgia";
    look.PictureWidth = 720;
    look.LineVisible = false;
    qm::pushCommand(stack,
                    std::make_unique<qm::PasteFormatCommand>(canvas, canvas.model().boxIds(), look, "format to all"));
    qm::pushCommand(stack, std::make_unique<qm::EventPictureCommand>(canvas, canvas.model().boxIds(), "C", "map.png",
                                                                     std::nullopt, "picture to all"));
    for (const qint32 id : {a, b, c}) {
        EXPECT_EQ(committedValue(t.projectPath, "SELECT TextFont FROM Format WHERE EventId = ? AND TimelineId = ?",
                                 {id, timelineId})
                      .toString(),
                  "Georgia");
        EXPECT_EQ(
            committedValue(t.projectPath, "SELECT ImageSource || ImageName FROM Event WHERE Id = ?", {id}).toString(),
            "Cmap.png");
        EXPECT_DOUBLE_EQ(canvas.model().box(id)->picture.rect.width(), 720);
        EXPECT_FALSE(canvas.model().box(id)->connector.visible);
    }
    stack.undo();
    stack.undo();
    EXPECT_EQ(everything(), before);
    EXPECT_TRUE(canvas.model().box(a)->connector.visible);
}

TEST_F(EventCommands, PictureFromTheChooserSetsItsSizeAndWallpaperIsUndone)
{
    qm::pushCommand(stack, std::make_unique<qm::EventPictureCommand>(canvas, std::vector<qint32>{b}, "S", "Im0.gif",
                                                                     qm::PictureLook{900, 31, false}, "picture"));
    EXPECT_EQ(committedValue(t.projectPath, "SELECT PictureHeight FROM Format WHERE EventId = ? AND TimelineId = ?",
                             {b, timelineId})
                  .toInt(),
              31);
    EXPECT_DOUBLE_EQ(canvas.model().box(b)->picture.rect.width(), 900);

    const qm::Backdrop wall{true, "S", "WallPaper0.jpg", 0xFFC0C0};
    qm::pushCommand(stack, std::make_unique<qm::BackdropCommand>(canvas, timelineId, wall, "wallpaper"));
    EXPECT_EQ(qm::BackdropCommand::stored(t.g.ProjectDb, timelineId), wall);
    EXPECT_TRUE(canvas.model().useWallpaper);
    stack.undo();
    EXPECT_FALSE(qm::BackdropCommand::stored(t.g.ProjectDb, timelineId).useWallpaper);
    EXPECT_FALSE(canvas.model().useWallpaper);
    EXPECT_FALSE(
        committedValue(t.projectPath, "SELECT UseWallpaper FROM TimeLine WHERE Id = ?", {timelineId}).toBool());
}
