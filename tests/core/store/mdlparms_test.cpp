// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/platformdate.h"
#include "store/mdlparms.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace qm::mdlParms;

TEST(Parms, StoredValuesAreCheckedWhereTheyAreRead)
{
    const struct
    {
        const char *date;
        const char *era;
        const char *minDist;
        const char *expectedDate;
        int expectedMinDist;
    } cases[] = {
        {"3/15/9855", "-2", "275", "3/15/44 BC", 275},
        {"1/1/9949", "-1", "0", "1/1/50 AD", 500},
        {"7/4/1776 10:05:00 PM", "0", "1200", "7/4/1776 10:05:00 PM", 1200},
        {"", "7", "", "1/1/2001", 500},
        {"not a date", "-3", "abc", "1/1/2001", 500},
        {"7/4/1776", "x", "100", "7/4/1776", 100},
    };
    for (const auto &c : cases) {
        qmtest::TempProject t;
        auto &db = t.g.ProjectDb;
        SetParm(db, "DefaultDate", QString::fromUtf8(c.date));
        SetParm(db, "DefaultEra", QString::fromUtf8(c.era));
        SetParm(db, "MinDist", QString::fromUtf8(c.minDist));
        const ProjectParameters p = readParameters(db);
        EXPECT_EQ(p.defaultDate.Render(), QString::fromUtf8(c.expectedDate)) << c.date << " " << c.era;
        EXPECT_EQ(p.minDist, c.expectedMinDist) << c.minDist;
    }
}

TEST(Parms, SetTwiceKeepsOneRowAndSurvivesReopening)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    SetParm(db, "MinDist", "300");
    SetParm(db, "mindist", "350");
    SetParm(db, "Name \"quoted\"", "value \"with\" quotes");

    ProjectParameters p;
    p.timeLineId = 7;
    p.defaultDate = qm::ExtDate(*qm::platformdate::makeValue(9855, 3, 15, 6, 0, 0), qm::EraBC);
    p.minDist = 425;
    writeParameters(db, p);
    db.close();

    // Read back through a second, fresh connection.
    qm::ProjectDatabase second;
    second.open(t.projectPath);
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "Parms", "ParmName = 'MinDist' COLLATE QMNOCASE"), 1);
    EXPECT_EQ(GetParm(second, "NAME \"QUOTED\""), "value \"with\" quotes");
    const ProjectParameters back = readParameters(second);
    EXPECT_EQ(back.timeLineId, 7);
    EXPECT_EQ(back.minDist, 425);
    EXPECT_EQ(back.defaultDate.Render(), "3/15/44 6:00:00 AM BC");
}

TEST(Parms, MissingOrWithoutAProject)
{
    qmtest::TempProject t;
    EXPECT_EQ(GetParm(t.g.ProjectDb, "Nothing"), "0");
    qm::ProjectDatabase closed;
    EXPECT_NO_THROW(SetParm(closed, "MinDist", "1"));
}
