// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "../layout/canvasfixture.h"
#include "../store/storetestsupport.h"
#include "edit/commandgroup.h"
#include "edit/eventcommands.h"
#include "edit/insertboxcommand.h"
#include "edit/lookcommands.h"
#include "edit/makeroom.h"
#include "edit/moveboxescommand.h"
#include "edit/saveeventcommand.h"
#include "edit/timelinecommands.h"
#include "store/clformat.h"
#include "store/picturelibrary.h"
#include "store/projectlifecycle.h"
#include "store/storeerror.h"

#include <QSqlQuery>
#include <QSqlRecord>
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
    // Every column of every row, for tables whose later columns matter too.
    QString wholeTable(const QString &table)
    {
        qm::ProjectDatabase second;
        second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        QSqlQuery q(second.db());
        q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1").arg(table));
        QStringList rows;
        while (q.next()) {
            QStringList fields;
            for (int i = 0; i < q.record().count(); ++i)
                fields << q.value(i).toString();
            rows << fields.join(u'|');
        }
        return rows.join(u'\n');
    }
    QStringList project()
    {
        return everything() << wholeTable("Element") << wholeTable("TimeLine") << wholeTable("FormatTL");
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

TEST_F(EventCommands, TheEventDialogsSaveIsOneStepReadBackAfterUndoAndRedo)
{
    const QStringList before = project();
    std::unique_ptr<qm::clEvent> edited = qm::loadEventAside(t.g, b);
    edited->Name = "Beta revised";
    edited->Actors = "Caesar, Scipio"; // Scipio is new to the project
    edited->EventDate = std::make_shared<qm::ExtDate>(*edited->EventDate);
    edited->EventDate->NextDay();
    auto save = std::make_unique<qm::SaveEventCommand>(canvas, *edited, "edit of Beta");
    const qm::SaveEventCommand &done = *save;
    qm::pushCommand(stack, std::move(save));
    EXPECT_TRUE(done.dateChanged());
    EXPECT_TRUE(done.changedAnything());
    EXPECT_EQ(committedValue(t.projectPath, "SELECT Name FROM Event WHERE Id = ?", {b}).toString(), "Beta revised");
    EXPECT_EQ(committedRows(t.projectPath, "Element", "ElementName = ?", {"Scipio"}), 1);
    EXPECT_EQ(canvas.model().box(b)->name.caption, "Beta revised");
    const QStringList after = project();

    stack.undo();
    EXPECT_EQ(project(), before);
    EXPECT_EQ(canvas.model().box(b)->name.caption, "Beta");
    stack.redo();
    EXPECT_EQ(project(), after);

    // Save and Exit with nothing changed is no change; an event deleted meanwhile is not made again.
    qm::SaveEventCommand unchanged(canvas, *qm::loadEventAside(t.g, c), "edit of Gamma");
    unchanged.redo();
    EXPECT_FALSE(unchanged.changedAnything());
    const std::unique_ptr<qm::clEvent> gone = qm::loadEventAside(t.g, c);
    qm::pushCommand(stack, std::make_unique<qm::DeleteEventsCommand>(canvas, std::vector<qint32>{c}, "deletion"));
    const QStringList deleted = project();
    qm::SaveEventCommand late(canvas, *gone, "edit of Gamma");
    EXPECT_THROW(late.redo(), qm::StoreError);
    EXPECT_EQ(project(), deleted);
}

TEST_F(EventCommands, TimelineDialogNewAndDeleteAreStepsReadBackAfterUndoAndRedo)
{
    std::vector<qint32> told;
    const auto changed = [&told](qint32 show) { told.push_back(show); };
    const QStringList before = project();
    const QString subtitle = canvas.model().lblSub.caption;

    qm::clTimeLine fresh(t.g.ProjectDb);
    fresh.Name = "Carthage";
    auto create = std::make_unique<qm::SaveTimelineCommand>(canvas, fresh, "new timeline", changed);
    const qm::SaveTimelineCommand &made = *create;
    qm::pushCommand(stack, std::move(create));
    const qint32 carthage = made.savedId();
    ASSERT_GT(carthage, timelineId);
    EXPECT_EQ(told.back(), carthage);

    qm::clTimeLine edited(t.g.ProjectDb);
    edited.Load(timelineId);
    edited.Name = "Roma";
    edited.SubCaption = "Res publica";
    edited.DefaultFormat.TextFont = "Gelasio";
    qm::pushCommand(stack, std::make_unique<qm::SaveTimelineCommand>(canvas, edited, "edit", changed));
    EXPECT_EQ(canvas.model().lblSub.caption, "Res publica");
    EXPECT_EQ(t.g.CurTimeLine->Name, "Roma");
    EXPECT_EQ(
        committedValue(t.projectPath, "SELECT TextFont FROM FormatTL WHERE TimelineId = ?", {timelineId}).toString(),
        "Gelasio");

    qm::pushCommand(stack, std::make_unique<qm::DeleteTimelineCommand>(canvas, carthage, "deletion", changed));
    EXPECT_EQ(committedRows(t.projectPath, "TimeLine", "Id = ?", {carthage}), 0);
    const QStringList after = project();

    for (int i = 0; i < 3; ++i)
        stack.undo();
    EXPECT_EQ(project(), before);
    EXPECT_EQ(canvas.model().lblSub.caption, subtitle);
    EXPECT_EQ(told.back(), 0);
    for (int i = 0; i < 3; ++i)
        stack.redo();
    EXPECT_EQ(project(), after);
}

TEST_F(EventCommands, AGroupThatFailsHalfWayLeavesNothingOnTheStackOrInTheFile)
{
    const qint32 d = qmtest::storeEvent(t.g, "1/15/2001", "Delta");
    const qint32 e = qmtest::storeEvent(t.g, "2/15/2001", "Epsilon");
    const qint32 f = qmtest::storeEvent(t.g, "3/15/2001", "Zeta");
    const QStringList before = everything();
    // The file refuses the second placement, as a full disk or a lock would.
    qm::execSql(t.g.ProjectDb, QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON TimeLineEvent WHEN "
                                              "NEW.EventId = %1 BEGIN SELECT RAISE(ABORT, 'disk full'); END")
                                   .arg(e));
    QUndoStack &stack = t.g.History; // the open project's own
    stack.push(new QUndoCommand("earlier step"));
    const auto boxes = canvas.model().boxIds();
    const QPointF cAt = pictureAt(c);

    try {
        qm::runGroup(stack, "choice of events", [&](qm::CommandGroup &group) {
            group.add(std::make_unique<qm::ExcludeEventsCommand>(canvas, timelineId, std::vector<qint32>{a}, ""));
            for (const qint32 id : {d, e, f}) {
                qmtest::makeCurrent(t.g, id);
                group.add(std::make_unique<qm::InsertBoxCommand>(canvas, false));
            }
        });
        ADD_FAILURE() << "the refused placement went unnoticed";
    } catch (const qm::StoreError &err) {
        EXPECT_TRUE(err.text().startsWith("Choice of events failed; nothing of it was kept"))
            << err.text().toStdString();
        EXPECT_TRUE(err.text().contains("disk full"));
    }
    // A file holding a trigger is not opened again: it goes before the file is read back.
    qm::execSql(t.g.ProjectDb, "DROP TRIGGER refuse");
    EXPECT_EQ(everything(), before);
    EXPECT_EQ(canvas.model().boxIds(), boxes);
    EXPECT_EQ(pictureAt(c), cAt);
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), "earlier step");
    // Closing the project is what empties its history.
    qm::closeProjectStore(t.g);
    EXPECT_EQ(stack.count(), 0);
}

TEST_F(EventCommands, NoPictureShowsTheNameOnTheConnectorAndAGrownPictureMakesRoomInOneStep)
{
    // A large picture first, then none: where it stood is empty canvas, and the name holds the box.
    qm::pushCommand(stack, std::make_unique<qm::EventPictureCommand>(canvas, std::vector<qint32>{b}, "S", "Im0.gif",
                                                                     qm::PictureLook{900, 900, true}, "picture"));
    const QRectF was = canvas.model().box(b)->picture.rect;
    qm::pushCommand(stack, std::make_unique<qm::EventPictureCommand>(canvas, std::vector<qint32>{b},
                                                                     qm::NoPictureSource.toString(), QString(),
                                                                     qm::PictureLook{900, 900, true}, "no picture"));
    const auto noPicture = [&] {
        const qm::CanvasBox &box = *canvas.model().box(b);
        EXPECT_FALSE(box.picture.visible);
        EXPECT_EQ(box.name.rect.topLeft(), was.topLeft());
        EXPECT_EQ(box.connector.p1, box.name.rect.bottomLeft());
        EXPECT_EQ(canvas.partAt(was.right() - 10, was.bottom() - 10).id, -1);
        EXPECT_EQ(canvas.HitTest(box.name.rect.center().x(), box.name.rect.center().y()), b);
    };
    noPicture();
    EXPECT_EQ(
        committedValue(t.projectPath, "SELECT ImageSource || '|' || ImageName FROM Event WHERE Id = ?", {b}).toString(),
        "N|");
    canvas.LoadTimeLine(timelineId); // as the project reopens
    noPicture();

    // The picture comes back four times as wide: the later box moves on, keeping date order and MinDist.
    const QPointF cBefore = pictureAt(c);
    qm::runGroup(stack, "wide picture", [&](qm::CommandGroup &group) {
        group.add(std::make_unique<qm::EventPictureCommand>(canvas, std::vector<qint32>{b}, "S", "Im0.gif",
                                                            qm::PictureLook{3600, 900, true}, ""));
        EXPECT_TRUE(qm::makeRoomFor(group, canvas, b));
    });
    for (const auto &[left, right] : {std::pair{a, b}, {b, c}})
        EXPECT_LE(canvas.LoadUple(left).Right + 100, canvas.LoadUple(right).Left) << left;
    EXPECT_GT(pictureAt(c).x(), cBefore.x());
    EXPECT_EQ(storedPositions()[c], pictureAt(c));
    stack.undo();
    EXPECT_EQ(pictureAt(c), cBefore);
    EXPECT_FALSE(canvas.model().box(b)->picture.visible);

    // A box already reaching over a later one lower down, as a cascade leaves it: the later box moves
    // on by what the box grew, not by all its reach.
    const auto widen = [&](int width, const qm::BoxReach &before) {
        qm::runGroup(stack, "picture", [&](qm::CommandGroup &group) {
            group.add(std::make_unique<qm::EventPictureCommand>(canvas, std::vector<qint32>{b}, "S", "Im0.gif",
                                                                qm::PictureLook{width, 900, true}, ""));
            qm::makeRoomFor(group, canvas, b, before);
        });
    };
    widen(1800, {});
    const QPointF cascaded = storedPositions()[b] + QPointF(600, 2000);
    const QPointF cWas = pictureAt(c);
    canvas.placeBoxAt(c, cascaded);
    qm::pushCommand(stack, std::make_unique<qm::MoveBoxesCommand>(canvas, timelineId, "cascade",
                                                                  std::vector<qm::BoxMove>{{c, cWas, cascaded}}));
    const double reached = canvas.LoadUple(b).Right;
    widen(3600, qm::reachOf(canvas, {b}));
    EXPECT_NEAR(storedPositions()[c].x() - cascaded.x(), canvas.LoadUple(b).Right - reached, 1.0);
    for (int i = 0; i < 3; ++i)
        stack.undo();

    // A new timeline gives new events no picture; the chooser can make a picture its default instead.
    const QString defaultPicture = "SELECT ImageSource || '|' || ImageName FROM TimeLine WHERE Id = ?";
    EXPECT_EQ(committedValue(t.projectPath, defaultPicture, {timelineId}).toString(), "N|");
    qm::pushCommand(stack, std::make_unique<qm::DefaultPictureCommand>(canvas, timelineId, "S", "anvil.png", "d"));
    EXPECT_EQ(committedValue(t.projectPath, defaultPicture, {timelineId}).toString(), "S|anvil.png");
    QString source, name;
    t.g.CurTimeLine->giveNewEventPicture(source, name);
    EXPECT_EQ(source + name, "Sanvil.png");
    stack.undo();
    EXPECT_EQ(committedValue(t.projectPath, defaultPicture, {timelineId}).toString(), "N|");
}
