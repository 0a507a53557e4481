// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/clevent.h"
#include "store/elements.h"
#include "store/eventlist.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

struct EventList : public ::testing::Test
{
    qmtest::TempProject t;
    qm::Globals &g = t.g;
    qint32 waterloo = 0, trafalgar = 0, nile = 0, ides = 0, rubicon = 0, broken = 0;

    EventList()
    {
        waterloo = qmtest::storeEvent(g, "6/18/1815", "Waterloo", "Napoleon, Wellington", "Belgium");
        trafalgar = qmtest::storeEvent(g, "10/21/1805", "Trafalgar", "NELSON", "Spain");
        nile = qmtest::storeEvent(g, "8/1/1798", "Nile", "Nelson, Napoleon", "Egypt");
        ides = qmtest::storeEvent(g, "3/15/44 BC", "Ides of March", "Caesar, Brutus", "Rome");
        rubicon = qmtest::storeEvent(g, "1/10/49 BC", "Rubicon", "Caesar", "Italy");
        // A date no calendar has, as a file made elsewhere may hold.
        broken = qmtest::storeEvent(g, "1/1/1900", "Broken", "Nelson", "");
        qm::execSql(g.ProjectDb, "UPDATE Event SET EventDate = 1e300 WHERE Id = ?", {broken});
    }

    std::vector<qint32> ticked(const qm::EventFilter &f)
    {
        const std::vector<qm::EventListRow> rows = qm::loadEventList(g.ProjectDb, 0);
        const std::vector<bool> marks = qm::selectEvents(g.ProjectDb, rows, f);
        std::vector<qint32> ids;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (marks[i])
                ids.push_back(rows[i].id);
        }
        return ids;
    }
    qm::ExtDate date(const QString &text)
    {
        qm::ExtDate d;
        d.Assign(text, g.dateEnv());
        return d;
    }
};

} // namespace

TEST_F(EventList, RowsComeInDateOrderWithElementsAndTicks)
{
    qm::execSql(g.ProjectDb, "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (7, ?, 0, 0)",
                {nile});
    const std::vector<qm::EventListRow> rows = qm::loadEventList(g.ProjectDb, 7);
    ASSERT_EQ(rows.size(), 6u);
    // BC (era -2) first, by stored value within the era; the unreadable date sorts where the file puts it.
    std::vector<qint32> order;
    for (const auto &r : rows)
        order.push_back(r.id);
    EXPECT_EQ(order, (std::vector<qint32>{rubicon, ides, nile, trafalgar, waterloo, broken}));
    EXPECT_EQ(rows[1].elements[0], "Brutus, Caesar");
    EXPECT_EQ(rows[1].elements[1], "Rome");
    EXPECT_EQ(rows[1].dateText, "3/15/44 BC");
    EXPECT_TRUE(rows[2].onTimeline);
    EXPECT_FALSE(rows[3].onTimeline);

    const auto [first, last] = qm::dateBounds(rows);
    EXPECT_EQ(first.Render(), "1/10/49 BC");
    EXPECT_EQ(last.Render(), "6/18/1815");
}

TEST_F(EventList, SelectEventsAppliesEveryFilterAndTheDates)
{
    const std::vector<qint32> valid = {rubicon, ides, nile, trafalgar, waterloo};
    const struct
    {
        const char *what;
        QStringList actors;
        QStringList places;
        QString from;
        QString to;
        std::vector<qint32> expected;
    } cases[] = {
        {"no filter, opening bounds: every readable event", {}, {}, "1/10/49 BC", "6/18/1815", valid},
        {"NELSON alone is found by Nelson", {"nelson"}, {}, "1/10/49 BC", "6/18/1815", {nile, trafalgar}},
        {"two filters must both pass",
         {"Napoleon", "Nelson"},
         {"Spain", "Egypt"},
         "1/10/49 BC",
         "6/18/1815",
         {nile, trafalgar}},
        {"a name nobody has", {"Cleopatra"}, {}, "1/10/49 BC", "6/18/1815", {}},
        {"bounds include their own days", {}, {}, "8/1/1798", "10/21/1805", {nile, trafalgar}},
        {"BC bounds", {"Caesar"}, {}, "1/1/100 BC", "1/1/45 BC", {rubicon}},
        {"bounds the wrong way round tick nothing", {}, {}, "1/1/1900", "1/1/1800", {}},
    };
    for (const auto &c : cases) {
        qm::EventFilter f;
        f.names[0] = c.actors;
        f.names[1] = c.places;
        f.from = date(c.from);
        f.to = date(c.to);
        EXPECT_EQ(ticked(f), c.expected) << c.what;
    }
}

TEST_F(EventList, OneQueryPerFilterHandlesManyNames)
{
    // More names than a statement of one placeholder per event would ever need, and names with quotes.
    QStringList names;
    for (int i = 0; i < 2000; ++i)
        names << QStringLiteral("Actor \"%1\"").arg(i);
    names << "wellington";
    qm::EventFilter f;
    f.names[0] = names;
    const auto [first, last] = qm::dateBounds(qm::loadEventList(g.ProjectDb, 0));
    f.from = first;
    f.to = last;
    EXPECT_EQ(ticked(f), (std::vector<qint32>{waterloo}));
}
