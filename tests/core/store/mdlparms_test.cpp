// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/platformdate.h"
#include "store/mdlparms.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace qm::mdlParms;

// Values out of range are read back as defaults in HostileFiles.ParametersOutOfRangeFallBack.
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
