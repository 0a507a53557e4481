// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/elements.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

// Letter case within a type is covered by the element lists of clEvent; these are the edges.
TEST(Elements, EmptyPiecesKeepTheirPlaceAndTypesAndBlanksTellNamesApart)
{
    // The element picker relies on the positions.
    EXPECT_EQ(qm::SplitElements(" a,,b , "), (QStringList{"a", "", "b", ""}));
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    const qint32 caesar = qm::FindOrCreateElement(db, "A", "Caesar");
    EXPECT_EQ(qm::FindOrCreateElement(db, "A", "CAESAR"), caesar);
    EXPECT_NE(qm::FindOrCreateElement(db, "P", "Caesar"), caesar);
    // Lists trim before they ask.
    EXPECT_NE(qm::FindOrCreateElement(db, "A", "Caesar "), caesar);
    EXPECT_EQ(qmtest::committedRows(t.projectPath, "Element"), 3);
}
