// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/platformdate.h"
#include "store/clevent.h"
#include "store/globals.h"
#include "store/placements.h"
#include "store/storeerror.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

namespace pd = qm::platformdate;

namespace {

qm::ExtDate day(int y, int m, int d, qint16 era = qm::EraPlain)
{
    return qm::ExtDate(*pd::makeValue(y, m, d), era);
}

// An event stored with a date of its own, as the event dialog stores them.
qint32 store(qm::Globals &g, const qm::ExtDate &date, const QString &name)
{
    qm::clEvent e(g);
    e.EventDate = std::make_shared<qm::ExtDate>(date);
    e.Name = name;
    return e.Save();
}

int rows(qmtest::TempProject &t, const QString &table, const QString &where = {}, const QVariantList &values = {})
{
    return qmtest::committedRows(t.projectPath, table, where, values);
}

} // namespace

TEST(clEvent, LoadWritesIntoTheSharedDateAndReadsEmptyPicturesAsTheStockOne)
{
    qmtest::TempProject t;
    const qint32 id = store(t.g, day(1776, 7, 4), "Independence");
    qm::clEvent e(t.g);
    const qm::clEvent before = e;
    e.Id = id + 100;
    EXPECT_EQ(e.Load(), 0);
    EXPECT_EQ(e.Name, before.Name);
    EXPECT_EQ(e.EventDate->Render(), before.EventDateStr);

    // Older versions left the picture columns empty.
    qm::execSql(t.g.ProjectDb, "UPDATE Event SET ImageName = NULL, ImageSource = NULL");
    e.ImageName = "custom.png";
    e.ImageSource = "C";
    e.Id = id;
    EXPECT_EQ(e.Load(), id);
    EXPECT_EQ(e.Name, "Independence");
    EXPECT_EQ(e.ImageSource + u'|' + e.ImageName, "S|Im0.gif");
    EXPECT_EQ(t.g.NewEventDate->Render(), "7/4/1776");
    EXPECT_EQ(qm::clEvent(t.g).EventDateStr, "7/5/1776");
}

// Another event's date asks for a correction, the event's own does not; a refused or unasked one
// stores nothing.
TEST(clEvent, AClashStoresNothingUnlessACorrectionIsAccepted)
{
    qmtest::TempProject t;
    const qint32 existing = store(t.g, day(1776, 7, 4), "Declaration");
    int asked = 0;
    EXPECT_EQ(store(t.g, day(1776, 7, 4), "No dialog at all"), -1);
    t.g.DateCorrection = [&](const QString &name, qint32 clashId, qint32 nextId) {
        EXPECT_EQ(std::tuple(name, clashId, nextId), std::tuple(QStringLiteral("Signing"), existing, 0));
        // First the same day again, which must be asked about once more, then the day after next.
        *t.g.NewEventDate = day(1776, 7, ++asked == 1 ? 4 : 6);
        return asked <= 2;
    };
    qm::clEvent own(t.g);
    own.Id = existing;
    own.Load();
    EXPECT_EQ(own.Save(), existing);
    EXPECT_EQ(asked, 0);

    qm::clEvent e(t.g);
    e.Name = "Signing";
    e.EventDate = std::make_shared<qm::ExtDate>(day(1776, 7, 4));
    const qint32 id = e.Save();
    ASSERT_GT(id, 0);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(qmtest::committedValue(t.projectPath, "SELECT EventDate FROM Event WHERE Id = ?", {id}).toDouble(),
              day(1776, 7, 6).Value);
    // The record now holds the shared working date, as documented.
    EXPECT_EQ(e.EventDate.get(), t.g.NewEventDate.get());

    asked = 2; // the next answer is a refusal
    qm::clEvent cancelled(t.g);
    cancelled.EventDate = std::make_shared<qm::ExtDate>(day(1776, 7, 4));
    cancelled.Name = "Signing";
    EXPECT_EQ(cancelled.Save(), -1);
    EXPECT_EQ(cancelled.Id, 0);
    EXPECT_EQ(rows(t, "Event"), 2);
}

TEST(clEvent, CorrectionSeesTheFollowingEventOfTheSameDate)
{
    qmtest::TempProject t;
    const qm::ExtDate ides = day(9855, 3, 15, qm::EraBC);
    // Files of older versions can already hold two events of one date.
    for (int i = 0; i < 2; ++i)
        qm::execSql(t.g.ProjectDb, "INSERT INTO Event (EventDate, EventEra, Name) VALUES (?, ?, 'x')",
                    {ides.Value, ides.Era});
    qint32 seenNext = -1;
    t.g.DateCorrection = [&](const QString &, qint32, qint32 nextId) {
        seenNext = nextId;
        return false;
    };
    EXPECT_EQ(store(t.g, ides, "Third"), -1);
    EXPECT_EQ(seenNext, 2);
}

TEST(clEvent, AnInvalidDateNeverReachesTheFile)
{
    qmtest::TempProject t;
    store(t.g, day(1776, 7, 4), "Declaration");
    qm::clEvent bad(t.g);
    bad.EventDate = std::make_shared<qm::ExtDate>(0.0, qm::EraInvalid);
    EXPECT_THROW(bad.Save(), qm::StoreError);

    t.g.DateCorrection = [&](const QString &, qint32, qint32) {
        t.g.NewEventDate->Era = qm::EraInvalid; // a dialog that let a bad text through
        return true;
    };
    qm::clEvent clash(t.g);
    clash.EventDate = std::make_shared<qm::ExtDate>(day(1776, 7, 4));
    EXPECT_THROW(clash.Save(), qm::StoreError);
    EXPECT_EQ(rows(t, "Event"), 1);
}

TEST(clEvent, ElementListsAreStoredAsLinksAndComeBackNormalised)
{
    const struct
    {
        const char *actors;
        const char *loaded;
        int links;
    } cases[] = {
        {" Caesar ,caesar", "Caesar, Caesar", 2}, // one element, two links
        {"Émile, ÉMILE, ", "Émile, Émile", 2},    // a stray comma names nothing
        {",,", "", 0},
        // Ordered by name whatever the letter case.
        {"pompey, Caesar, antony, Brutus", "antony, Brutus, Caesar, pompey", 4},
        {"Marcus \"the elder\", Cato", "Cato, Marcus \"the elder\"", 2},
    };
    for (const auto &c : cases) {
        qmtest::TempProject t;
        qm::clEvent e(t.g);
        e.Actors = QString::fromUtf8(c.actors);
        e.Places = "Rome";
        const qint32 id = e.Save();
        ASSERT_GT(id, 0);
        EXPECT_EQ(rows(t, "EventElement", "EventId = ? AND ElementType = 'A'", {id}), c.links) << c.actors;

        qm::clEvent back(t.g);
        back.Id = id;
        ASSERT_EQ(back.Load(), id);
        EXPECT_EQ(back.Actors, QString::fromUtf8(c.loaded)) << c.actors;
        EXPECT_EQ(back.Places, "Rome");
    }
}

TEST(clEvent, SavingAgainReplacesTheLinksAndReusesElements)
{
    qmtest::TempProject t;
    qm::clEvent e(t.g);
    e.Actors = "Caesar, Pompey";
    e.Keywords = "Civil war";
    const qint32 id = e.Save();
    e.Actors = "pompey, Crassus";
    e.Keywords.clear();
    ASSERT_EQ(e.Save(), id);

    qm::clEvent back(t.g);
    back.Id = id;
    back.Load();
    EXPECT_EQ(back.Actors, "Crassus, Pompey");
    EXPECT_EQ(back.Keywords, "");
    EXPECT_EQ(rows(t, "EventElement"), 2);
    // Elements stay when nothing links to them any more.
    EXPECT_EQ(rows(t, "Element"), 4);
}

TEST(clEvent, AFailedSaveStoresNothingAndKeepsNoId)
{
    qmtest::TempProject t;
    qm::clEvent e(t.g);
    e.Actors = "Caesar";
    // The event row goes in, then its first link fails.
    qm::execSql(t.g.ProjectDb, "CREATE TRIGGER NoLinks BEFORE INSERT ON EventElement "
                               "BEGIN SELECT RAISE(ABORT, 'no links'); END");
    EXPECT_THROW(e.Save(), qm::StoreError);
    EXPECT_EQ(e.Id, 0);
    // Gone before the file is read again: a file holding a trigger is not opened.
    qm::execSql(t.g.ProjectDb, "DROP TRIGGER NoLinks");
    EXPECT_EQ(rows(t, "Event"), 0);
    EXPECT_EQ(rows(t, "Element"), 0);

    const qint32 id = e.Save();
    ASSERT_GT(id, 0);
    EXPECT_EQ(rows(t, "EventElement", "EventId = ?", {id}), 1);
}

TEST(clEvent, DeletingAnEventTakesItsRowsAlongAndPlacementsSkipOrphans)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    const qint32 ad = store(t.g, day(1066, 10, 14), "Hastings");
    const qint32 bc = store(t.g, day(9399, 1, 1, qm::EraBC), "500 BC");
    const qint32 early = store(t.g, day(9949, 1, 1, qm::EraEarlyAD), "50 AD");
    const qint32 gone = store(t.g, day(1200, 1, 1), "Gone");
    const qint32 oldGone = store(t.g, day(1300, 1, 1), "Deleted by an older version");
    for (const qint32 id : {ad, bc, early, gone, oldGone}) {
        qm::execSql(db,
                    "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                    "VALUES (1, ?, ?, 300)",
                    {id, id * 1000.0});
        qm::execSql(db, "INSERT INTO Format (TimelineId, EventId) VALUES (1, ?)", {id});
        qm::execSql(db, "INSERT INTO EventElement (EventId, ElementType, ElementId) VALUES (?, 'A', 1)", {id});
    }

    qm::DeleteEventRow(db, gone);
    qm::execSql(db, "DELETE FROM Event WHERE Id = ?", {oldGone});
    for (const char *table : {"TimeLineEvent", "Format", "EventElement"})
        EXPECT_EQ(rows(t, QString::fromUtf8(table), "EventId = ?", {gone}), 0) << table;
    EXPECT_EQ(rows(t, "TimeLineEvent"), 4);

    const std::vector<qm::Placement> boxes = qm::timelinePlacements(db, 1);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].eventId, bc);
    EXPECT_EQ(boxes[1].eventId, early);
    EXPECT_EQ(boxes[2].eventId, ad);
    EXPECT_EQ(boxes[2].BoxLeft, ad * 1000.0);
    EXPECT_EQ(boxes[2].BoxTop, 300.0);
    EXPECT_TRUE(qm::timelinePlacements(db, 2).empty());
    EXPECT_EQ(qm::eventIdsByDate(db), (QList<qint32>{bc, early, ad}));
}
