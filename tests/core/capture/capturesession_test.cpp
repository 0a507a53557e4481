// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/capturesession.h"
#include "capture/eventproposal.h"
#include "core/store/storetestsupport.h"
#include "edit/canvascommand.h"
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
        const auto e = qm::loadEventAside(g, id);
        events << e->EventDate->Render(qm::DateOrder::MonthFirst, false) + u'|' + e->Name;
    }
    return events;
}

qm::CaptureFields fieldsFor(const QString &date, const QString &name = "An event")
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
    const qm::PaneText pane("ab\ncd\n\ne");
    EXPECT_EQ(pane.text(), "ab\r\ncd\r\n\r\ne");
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
        {"Rome\r\nParis", "Rome,Paris"},
        {"Rome\u2029Paris", "Rome,Paris"},
        {"  Caesar  ", "Caesar"},
        {"\r\nRome\r\n", "Rome"},
        // Only one comma goes at either end, and none from a text of one character.
        {",,Rome,,", ",Rome,"},
        {",", ","},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::namesFromSelection(c.selection), c.names) << c.selection.toStdString();
}

TEST_F(Session, CapturedNamesGoInOncePerListWhateverTheirCase)
{
    QString where;
    EXPECT_TRUE(session.captureInto(qm::CaptureList::Places, where, "Paris"));
    EXPECT_FALSE(session.captureInto(qm::CaptureList::Places, where, "Paris"));
    EXPECT_FALSE(session.captureInto(qm::CaptureList::Places, where, "PARIS"));
    EXPECT_TRUE(session.captureInto(qm::CaptureList::Places, where, "Rome"));
    EXPECT_EQ(where, "Paris, Rome");
    // Each field keeps its own list.
    QString who;
    EXPECT_TRUE(session.captureInto(qm::CaptureList::Actors, who, "Paris"));
    EXPECT_EQ(who, "Paris");

    EXPECT_EQ(qm::addCapturedElements(t.g.ProjectDb, "Rome,, Paris", "P"), 2);
    EXPECT_EQ(qm::addCapturedElements(t.g.ProjectDb, "rome", "P"), 1);
    EXPECT_EQ(qm::elementsOfType(t.g.ProjectDb, "P"), (QStringList{"Paris", "Rome"}));
}

TEST_F(Session, AcceptRefusesBadAndTakenDatesOrAdvancesThem)
{
    EXPECT_EQ(session.acceptEvent(fieldsFor("13/45/1990"), false).result, qm::AcceptResult::InvalidDate);

    t.g.AdvanceDate = false;
    const qm::AcceptOutcome first = session.acceptEvent(fieldsFor("July 4, 1776"), false);
    ASSERT_EQ(first.result, qm::AcceptResult::Saved);
    EXPECT_EQ(first.txtDate, "7/4/1776");
    const qm::AcceptOutcome taken = session.acceptEvent(fieldsFor("7/4/1776"), false);
    EXPECT_EQ(taken.result, qm::AcceptResult::DateTaken);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Event"), 1);

    t.g.AdvanceDate = true;
    const qm::AcceptOutcome advanced = session.acceptEvent(fieldsFor("7/4/1776", "Again"), false);
    ASSERT_EQ(advanced.result, qm::AcceptResult::Saved);
    // The field keeps the date as typed; the event keeps its day, after the one already there.
    EXPECT_EQ(advanced.txtDate, "7/4/1776");
    EXPECT_TRUE(advanced.note.isEmpty());
    EXPECT_TRUE(session.CaptureDate.hasTimeOfDay());
    // The working date of the event dialog is a date of its own.
    EXPECT_FALSE(*t.g.NewEventDate == session.CaptureDate);
    EXPECT_EQ(storedEvents(t.g), (QStringList{"7/4/1776|An event", "7/4/1776|Again"}));
}

TEST_F(Session, AcceptedEventsKeepTheirTextsAndTheTimelinesPicture)
{
    qm::clTimeLine timeline(t.g.ProjectDb);
    timeline.Name = "Rome";
    timeline.ImageSource = "C";
    timeline.ImageName = "eagle.png";
    t.g.CurTimeLineId = timeline.Save();
    t.g.CurTimeLine = std::make_unique<qm::clTimeLine>(timeline);

    // 254 letters and a character of two code units: cutting at 255 would leave half of it.
    qm::CaptureFields f = fieldsFor("44 BC", QString(254, u'x') + QStringLiteral("\U0001F3DB") + u'y');
    f.txtLong = "The paragraph.\nAnd its second line.";
    f.txtActors = "Caesar, Brutus";
    f.txtWhere = "Rome";
    int placed = 0;
    session.timeline.insertCurrentEvent = [&] { return ++placed > 0; };
    const qm::AcceptOutcome out = session.acceptEvent(f, true);
    ASSERT_EQ(out.result, qm::AcceptResult::Saved);
    EXPECT_TRUE(out.placed);
    EXPECT_EQ(placed, 1);

    const qm::clEvent e = *qm::loadEventAside(t.g, out.id);
    EXPECT_EQ(e.Name, QString(254, u'x'));
    EXPECT_EQ(e.Description, f.txtLong);
    EXPECT_EQ(e.Actors, "Brutus, Caesar");
    EXPECT_EQ(e.Places, "Rome");
    EXPECT_EQ(e.ImageSource, "C");
    EXPECT_EQ(e.ImageName, "eagle.png");
}

TEST_F(Session, AcceptAllStoresEveryDateOnceAndEndsWhateverTheDates)
{
    const QString text = "On July 4, 1776 it was declared. Again July 4, 1776 it was read.\n"
                         "He had 300 ships. The web began 12/25/1990 at night. 13/45/1990 is no date.";
    ASSERT_EQ(session.scan(text), 3);
    t.g.AdvanceDate = false;
    // The user typed a date that does not read into the fields of the first date.
    qm::AcceptAllSummary run = session.acceptAll(fieldsFor("July 45, 1776"), true, false, false);
    EXPECT_EQ(run.accepted, 2);
    EXPECT_EQ(run.skipped, 1);
    EXPECT_EQ(session.CurrentDateIndex, 3);
    // The names come without the blank after the period before them.
    EXPECT_EQ(storedEvents(t.g), (QStringList{"7/4/1776|Again it was read", "12/25/1990|The web began at night"}));

    // A second run passes over what the first one saved, even with the date advanced.
    t.g.AdvanceDate = true;
    run = session.acceptAll({}, false, true, false);
    EXPECT_EQ(run.accepted, 1);
    EXPECT_EQ(storedEvents(t.g).size(), 3);
    EXPECT_EQ(storedEvents(t.g)[1], "7/4/1776|It was declared");

    // A third run finds every event in the project already and stores nothing.
    ASSERT_EQ(session.scan(text), 3);
    run = session.acceptAll({}, false, true, false);
    EXPECT_EQ(run.accepted, 0);
    EXPECT_EQ(run.inProject, 3);
    EXPECT_EQ(storedEvents(t.g).size(), 3);
}

TEST_F(Session, PeriodsKeepTheirEndsAndRefuseOnesBeforeTheStart)
{
    qm::CaptureFields f = fieldsFor("5/1/1793", "The Terror");
    f.txtEnds = "4/30/1793";
    EXPECT_EQ(session.acceptEvent(f, false).result, qm::AcceptResult::EndBeforeStart);
    f.txtEnds = "13/45/1794";
    EXPECT_EQ(session.acceptEvent(f, false).result, qm::AcceptResult::InvalidEnd);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Event"), 0);

    // Accept all takes each period's end from the text; a point in time has none.
    ASSERT_EQ(session.scan("The Directory ruled from 1795 to 1799. Bonaparte took power on 9 November 1799."), 2);
    session.CurrentDateIndex = 0;
    EXPECT_EQ(session.acceptAll({}, false, true, false).accepted, 2);
    QStringList ends;
    for (const qint32 id : qm::eventIdsByDate(t.g.ProjectDb)) {
        const auto e = qm::loadEventAside(t.g, id);
        ends << e->EventDateStr + u'>' + (e->EndDate ? e->EndDate->Render() : QString());
    }
    EXPECT_EQ(ends, (QStringList{"1795>12/31/1799", "9 November 1799>"}));
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Event WHERE EndDate IS NOT NULL"), 1);
}

TEST(CaptureNames, TheProposedNameIsTheDatesClauseWithoutTheDate)
{
    const struct
    {
        QString sentence;
        QString phrase;
        QString name;
    } cases[] = {
        {"The colonies declared on July 4, 1776 that they were free.", "July 4, 1776",
         "The colonies declared that they were free"},
        {"In 1789, the Estates-General met at Versailles.", "1789", "The Estates-General met at Versailles"},
        {"The Directory ruled between 1795 and 1799.", "1795 and 1799", "The Directory ruled"},
        {"The Terror (1793-94) ended in Thermidor.", "1793-94", "The Terror ended in Thermidor"},
        {"Louis XVI was king, and on 5 May 1789 the Estates-General opened; the Third Estate protested.", "5 May 1789",
         "The Estates-General opened"},
        {"Columbus sailed on August 3, 1492 and, on 8/24/79 AD, nothing.", "August 3, 1492", "Columbus sailed"},
        {"On 10 May 1796 Bonaparte won at Lodi over an Austrian rearguard that held the bridge across the Adda "
         "river for hours against the French columns.",
         "10 May 1796", "Bonaparte won at Lodi over an Austrian rearguard that held the bridge across"},
    };
    for (const auto &c : cases) {
        const QString name = qm::proposedEventName(c.sentence, c.sentence.indexOf(c.phrase), c.phrase.size());
        EXPECT_EQ(name, c.name) << c.sentence.toStdString();
        EXPECT_LE(name.size(), 80);
    }
}

TEST_F(Session, AStoppedRunKeepsWhatItSavedAndAFailedRunKeepsNothing)
{
    QString text;
    for (int year = 1801; year <= 1810; ++year)
        text += QStringLiteral("In 1/1/%1 something happened.\n").arg(year);
    ASSERT_EQ(session.scan(text), 10);
    const qm::CaptureFields first = fieldsFor("1/1/1801", "First");

    const qm::AcceptAllSummary stopped =
        session.acceptAll(first, true, false, false, [](int done, int) { return done < 4; });
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_EQ(stopped.accepted, 4);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Event"), 4);

    // Placing the third box of the next run fails: nothing of that run stays, and the timeline is shown anew.
    int placements = 0;
    int reloads = 0;
    session.timeline.insertCurrentEvent = [&] {
        if (++placements == 3)
            throw qm::StoreError("disk full");
        return true;
    };
    session.timeline.reload = [&] { ++reloads; };
    t.g.CurTimeLineId = 1;
    session.CurrentDateIndex = 5;
    EXPECT_THROW(session.acceptAll(fieldsFor("1/1/1805"), true, false, true), qm::StoreError);
    EXPECT_EQ(reloads, 1);
    EXPECT_EQ(session.CurrentDateIndex, 5);
    EXPECT_FALSE(session.wasAccepted(5));
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Event"), 4);

    // The same run without the failure completes what the stopped one left.
    session.timeline.insertCurrentEvent = [] { return true; };
    const qm::AcceptAllSummary rest = session.acceptAll(fieldsFor("1/1/1805"), true, false, true);
    EXPECT_EQ(rest.accepted, 6);
    EXPECT_EQ(qmtest::committedCount(t.projectPath, "SELECT COUNT(*) FROM Event"), 10);
}
