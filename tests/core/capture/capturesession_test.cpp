// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturesession.h"
#include "core/store/storetestsupport.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/elements.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

// "date text|name" of every stored event, in date order.
QStringList storedEvents(qm::Globals &g)
{
    QStringList events;
    for (const qint32 id : qm::eventIdsByDate(g.ProjectDb)) {
        qm::clEvent e(g);
        e.Id = id;
        e.Load();
        events << e.EventDate->Render() + u'|' + e.Name;
    }
    return events;
}

qm::CaptureFields fieldsFor(const QString &date, const QString &name = QStringLiteral("An event"))
{
    qm::CaptureFields f;
    f.txtDate = date;
    f.txtShort = name;
    return f;
}

struct Session : public ::testing::Test
{
    qmtest::TempProject t;
    qm::CaptureSession session{t.g};
};

} // namespace

TEST(PaneText, PositionsOfTheCrLfTextLeadBackToTheDocument)
{
    const qm::PaneText pane(QStringLiteral("ab\ncd\n\ne"));
    EXPECT_EQ(pane.text(), QStringLiteral("ab\r\ncd\r\n\r\ne"));
    // a b CR LF c d CR LF CR LF e
    const qsizetype document[] = {0, 1, 2, 3, 3, 4, 5, 6, 6, 7, 7};
    for (qsizetype p = 0; p < pane.text().size(); ++p)
        EXPECT_EQ(pane.toDocument(p), document[p]) << p;
}

TEST(CaptureNames, SelectionsBecomeNameLists)
{
    const struct
    {
        QString selection;
        QString names;
    } cases[] = {
        {QStringLiteral("Rome\r\nParis"), QStringLiteral("Rome,Paris")},
        {QStringLiteral("Rome\u2029Paris"), QStringLiteral("Rome,Paris")},
        {QStringLiteral("  Caesar  "), QStringLiteral("Caesar")},
        {QStringLiteral("\r\nRome\r\n"), QStringLiteral("Rome")},
        // Only one comma goes at either end, and none from a text of one character.
        {QStringLiteral(",,Rome,,"), QStringLiteral(",Rome,")},
        {QStringLiteral(","), QStringLiteral(",")},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::namesFromSelection(c.selection), c.names) << c.selection.toStdString();

    EXPECT_EQ(qm::ElementTypeLetter(QStringLiteral("Actor")), QStringLiteral("A"));
    EXPECT_EQ(qm::ElementTypeLetter(QStringLiteral("Place")), QStringLiteral("P"));
    EXPECT_EQ(qm::ElementTypeLetter(QStringLiteral("Source")), QStringLiteral("S"));
    EXPECT_EQ(qm::ElementTypeLetter(QStringLiteral("actor")), QStringLiteral("K"));
}

TEST_F(Session, CapturedNamesGoInOncePerListWhateverTheirCase)
{
    QString where;
    EXPECT_TRUE(session.captureInto(qm::CaptureList::Places, where, QStringLiteral("Paris")));
    EXPECT_FALSE(session.captureInto(qm::CaptureList::Places, where, QStringLiteral("Paris")));
    EXPECT_FALSE(session.captureInto(qm::CaptureList::Places, where, QStringLiteral("PARIS")));
    EXPECT_TRUE(session.captureInto(qm::CaptureList::Places, where, QStringLiteral("Rome")));
    EXPECT_EQ(where, QStringLiteral("Paris, Rome"));
    // Each field keeps its own list.
    QString who;
    EXPECT_TRUE(session.captureInto(qm::CaptureList::Actors, who, QStringLiteral("Paris")));
    EXPECT_EQ(who, QStringLiteral("Paris"));

    EXPECT_EQ(qm::addCapturedElements(t.g.ProjectDb, QStringLiteral("Rome,, Paris"), QStringLiteral("P")), 2);
    EXPECT_EQ(qm::addCapturedElements(t.g.ProjectDb, QStringLiteral("rome"), QStringLiteral("P")), 1);
    EXPECT_EQ(qm::elementsOfType(t.g.ProjectDb, QStringLiteral("P")),
              (QStringList{QStringLiteral("Paris"), QStringLiteral("Rome")}));
}

TEST_F(Session, AcceptRefusesBadAndTakenDatesOrAdvancesThem)
{
    EXPECT_EQ(session.acceptEvent(fieldsFor(QStringLiteral("13/45/1990")), false).result,
              qm::AcceptResult::InvalidDate);

    t.g.AdvanceDate = false;
    const qm::AcceptOutcome first = session.acceptEvent(fieldsFor(QStringLiteral("July 4, 1776")), false);
    ASSERT_EQ(first.result, qm::AcceptResult::Saved);
    EXPECT_EQ(first.txtDate, QStringLiteral("7/4/1776"));
    const qm::AcceptOutcome taken = session.acceptEvent(fieldsFor(QStringLiteral("7/4/1776")), false);
    EXPECT_EQ(taken.result, qm::AcceptResult::DateTaken);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM Event")), 1);

    t.g.AdvanceDate = true;
    const qm::AcceptOutcome advanced =
        session.acceptEvent(fieldsFor(QStringLiteral("7/4/1776"), QStringLiteral("Again")), false);
    ASSERT_EQ(advanced.result, qm::AcceptResult::Saved);
    // The field keeps the date as typed; the event goes to the next free day.
    EXPECT_EQ(advanced.txtDate, QStringLiteral("7/4/1776"));
    EXPECT_EQ(session.CaptureDate.Render(), QStringLiteral("7/5/1776"));
    // The working date of the event dialog is a date of its own.
    EXPECT_NE(t.g.NewEventDate->Render(), QStringLiteral("7/5/1776"));
    EXPECT_EQ(storedEvents(t.g), (QStringList{QStringLiteral("7/4/1776|An event"), QStringLiteral("7/5/1776|Again")}));
}

TEST_F(Session, AcceptedEventsKeepTheirTextsAndTheTimelinesPicture)
{
    qm::clTimeLine timeline(t.g.ProjectDb);
    timeline.Name = QStringLiteral("Rome");
    timeline.ImageSource = QStringLiteral("C");
    timeline.ImageName = QStringLiteral("eagle.png");
    t.g.CurTimeLineId = timeline.Save();
    t.g.CurTimeLine = std::make_unique<qm::clTimeLine>(timeline);

    // 254 letters and a character of two code units: cutting at 255 would leave half of it.
    qm::CaptureFields f = fieldsFor(QStringLiteral("44 BC"), QString(254, u'x') + QStringLiteral("\U0001F3DB") + u'y');
    f.txtLong = QStringLiteral("The paragraph.\nAnd its second line.");
    f.txtActors = QStringLiteral("Caesar, Brutus");
    f.txtWhere = QStringLiteral("Rome");
    int placed = 0;
    session.timeline.insertCurrentEvent = [&] { return ++placed > 0; };
    const qm::AcceptOutcome out = session.acceptEvent(f, true);
    ASSERT_EQ(out.result, qm::AcceptResult::Saved);
    EXPECT_TRUE(out.placed);
    EXPECT_EQ(placed, 1);

    qm::clEvent e(t.g);
    e.Id = out.id;
    e.Load();
    EXPECT_EQ(e.Name, QString(254, u'x'));
    EXPECT_EQ(e.Description, f.txtLong);
    EXPECT_EQ(e.Actors, QStringLiteral("Brutus, Caesar"));
    EXPECT_EQ(e.Places, QStringLiteral("Rome"));
    EXPECT_EQ(e.ImageSource, QStringLiteral("C"));
    EXPECT_EQ(e.ImageName, QStringLiteral("eagle.png"));
}

TEST_F(Session, AcceptAllStoresEveryDateOnceAndEndsWhateverTheDates)
{
    const QString text = QStringLiteral("On July 4, 1776 it was declared. Again July 4, 1776 it was read.\n"
                                        "In 1492 he sailed. The web began 12/25/1990 at night. 13/45/1990 is no date.");
    ASSERT_EQ(session.scan(text), 3);
    t.g.AdvanceDate = false;
    // The user typed a date that does not read into the fields of the first date.
    qm::AcceptAllSummary run = session.acceptAll(fieldsFor(QStringLiteral("July 45, 1776")), true, false, false);
    EXPECT_EQ(run.accepted, 2);
    EXPECT_EQ(run.skipped, 1);
    EXPECT_EQ(session.CurrentDateIndex, 3);
    EXPECT_EQ(storedEvents(t.g), (QStringList{QStringLiteral("7/4/1776| Again July 4, 1776 it was read."),
                                              QStringLiteral("12/25/1990| The web began 12/25/1990 at night.")}));

    // A second run passes over what the first one saved, even with the date advanced.
    t.g.AdvanceDate = true;
    run = session.acceptAll({}, false, true, false);
    EXPECT_EQ(run.accepted, 1);
    EXPECT_EQ(storedEvents(t.g).size(), 3);
    EXPECT_EQ(storedEvents(t.g)[1], QStringLiteral("7/5/1776|On July 4, 1776 it was declared."));
}

TEST_F(Session, AStoppedRunKeepsWhatItSavedAndAFailedRunKeepsNothing)
{
    QString text;
    for (int year = 1801; year <= 1810; ++year)
        text += QStringLiteral("In 1/1/%1 something happened.\n").arg(year);
    ASSERT_EQ(session.scan(text), 10);
    const qm::CaptureFields first = fieldsFor(QStringLiteral("1/1/1801"), QStringLiteral("First"));

    const qm::AcceptAllSummary stopped =
        session.acceptAll(first, true, false, false, [](int done, int) { return done < 4; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.accepted, 4);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM Event")), 4);

    // Placing the third box of the next run fails: nothing of that run stays, and the timeline is shown anew.
    int placements = 0;
    int reloads = 0;
    session.timeline.insertCurrentEvent = [&] {
        if (++placements == 3)
            throw qm::StoreError(QStringLiteral("disk full"));
        return true;
    };
    session.timeline.reload = [&] { ++reloads; };
    t.g.CurTimeLineId = 1;
    session.CurrentDateIndex = 5;
    EXPECT_THROW(session.acceptAll(fieldsFor(QStringLiteral("1/1/1805")), true, false, true), qm::StoreError);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(session.CurrentDateIndex, 5);
    EXPECT_FALSE(session.wasAccepted(5));
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM Event")), 4);

    // The same run without the failure completes what the stopped one left.
    session.timeline.insertCurrentEvent = [] { return true; };
    const qm::AcceptAllSummary rest = session.acceptAll(fieldsFor(QStringLiteral("1/1/1805")), true, false, true);
    EXPECT_EQ(rest.accepted, 6);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM Event")), 10);
}
