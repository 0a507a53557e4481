// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "main/frmabout.h"
#include "main/frmmain.h"
#include "testsupport.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

TEST(frmMain, OpensAndClosesCleanly)
{
    qm::Globals g;
    auto *w = new qm::frmMain(g);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
    EXPECT_TRUE(w->close());
}

TEST(frmAbout, ShowsNameAndVersion)
{
    qm::frmAbout about;
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("lblTitle"))->text(), QStringLiteral("Quillmarsh"));
    EXPECT_TRUE(about.findChild<QLabel *>(QStringLiteral("lblVersion"))->text().contains(QStringLiteral(QM_VERSION)));
}
