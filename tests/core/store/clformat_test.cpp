// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/clformat.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

// Every member away from its default, so that a column read into the wrong member shows.
qm::clFormat unusual()
{
    qm::clFormat f;
    f.TextBackColor = 0x102030;
    f.TextForeColor = 0x405060;
    f.TextMaxWidth = 4321;
    f.TextMaxHeight = 765;
    f.TextFont = QStringLiteral("Georgia \"Pro\"");
    f.TextFontSize = 14;
    f.TextShowBorder = true;
    f.TextSolid = true;
    f.TextBold = false;
    f.TextItalic = true;
    f.DateBackColor = 0x0000FF;
    f.DateForeColor = 0x00FF00;
    f.DateFont = QStringLiteral("Arial");
    f.DateFontSize = 9;
    f.DateShowBorder = false;
    f.DateSolid = true;
    f.DateBold = true;
    f.DateItalic = false;
    f.PictureIsCustom = true;
    f.PictureName = QStringLiteral("map.png");
    f.PictureWidth = 320;
    f.PictureHeight = 240;
    f.LineVisible = false;
    f.Scheme = 3;
    return f;
}

} // namespace

TEST(clFormat, MissingRowsGiveTheDefaultsNotTheTimelineFormat)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    unusual().Save(db, 0, 1); // the timeline's default look

    qm::clFormat f = unusual();
    f.GetFormat(db, 7, 1);
    qm::clFormat defaults;
    defaults.PictureName = QStringLiteral("map.png"); // not touched by GetDefault
    EXPECT_EQ(f, defaults);
}

TEST(clFormat, SaveStoresOneRowPerKeyAndReadsBackEveryMember)
{
    const struct
    {
        qint32 eventId;
        const char *table;
    } cases[] = {{5, "Format"}, {0, "FormatTL"}, {-1, "FormatTL"}};
    for (const auto &c : cases) {
        qmtest::TempProject t;
        auto &db = t.g.ProjectDb;
        qm::clFormat first;
        first.Save(db, c.eventId, 2);
        unusual().Save(db, c.eventId, 2);

        const QString table = QString::fromUtf8(c.table);
        EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)), 1)
            << c.eventId;
        EXPECT_EQ(qmtest::committedCount(t.projectPath,
                                         QStringLiteral("SELECT COUNT(*) FROM %1 WHERE TimelineId = 2").arg(table)),
                  1);
        if (c.eventId > 0) {
            EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT EventId FROM Format")), c.eventId);
            EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM FormatTL")), 0);
        } else {
            EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT COUNT(*) FROM Format")), 0);
        }
        // Booleans as -1 and 0, colours as one number, as other tools of the file expect.
        EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT TextSolid FROM %1").arg(table)), -1);
        EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT LineVisible FROM %1").arg(table)), 0);
        EXPECT_EQ(qmtest::committedCount(t.projectPath, QStringLiteral("SELECT TextBackColor FROM %1").arg(table)),
                  0x102030);

        qm::ProjectDatabase second;
        second.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        qm::clFormat back;
        back.GetFormat(second, c.eventId, 2);
        EXPECT_EQ(back, unusual()) << c.eventId;
    }
}

TEST(clFormat, EqThenSaveCopiesALookToAnotherEvent)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    unusual().Save(db, 3, 1);
    qm::clFormat source;
    source.GetFormat(db, 3, 1);
    qm::clFormat copy;
    copy.Eq(source);
    copy.Save(db, 4, 1);

    qm::clFormat back;
    back.GetFormat(db, 4, 1);
    EXPECT_EQ(back, unusual());
    // The other timeline has its own row and knows nothing of it.
    back.GetFormat(db, 4, 2);
    EXPECT_EQ(back.Scheme, 1);
}

TEST(clFormat, GetDefaultKeepsOnlyThePictureName)
{
    qm::clFormat f = unusual();
    f.GetDefault();
    qm::clFormat expected;
    expected.PictureName = QStringLiteral("map.png");
    EXPECT_EQ(f, expected);
}
