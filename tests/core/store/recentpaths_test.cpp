// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/picturelibrary.h"
#include "store/projectfiles.h"
#include "store/recentpaths.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using qm::RecentList;

TEST(RecentPaths, PushMovesToTheFrontAndDropsTheOldest)
{
    RecentList r;
    for (const char *p : {"a", "b", "c", "d", "e", "c", "c", "f"})
        qm::PushRecentPath(r, QString::fromLatin1(p));
    EXPECT_EQ(r, (RecentList{"f", "c", "e", "d", "b"}));
    qm::RemoveRecentPath(r, 2);
    qm::RemoveRecentPath(r, 0); // out of range: nothing happens
    qm::RemoveRecentPath(r, 6);
    EXPECT_EQ(r, (RecentList{"f", "e", "d", "b", ""}));
}

TEST(RecentPaths, CaptionAndFileExtension)
{
    EXPECT_EQ(qm::RecentCaption("/home/ann/Documents/Rome.qmp"), "Rome.qmp \u2014 Documents");
    EXPECT_EQ(qm::RecentCaption("/Rome.qmp"), "Rome.qmp");
    EXPECT_EQ(qm::FileExtension("/a/b/archive.tar.GZ"), "GZ");
    EXPECT_EQ(qm::FileExtension("/a/b.c/picture"), QString());
}

TEST(PictureLibrary, FoldersAndPicturesThatCannotBeRead)
{
    qmtest::TempProject t;
    t.g.ProjectFolder = t.path("Test") + QDir::separator();
    const QString sep = QDir::separator();
    EXPECT_EQ(qm::PictureFolder(t.g, "S", "W"), QDir::toNativeSeparators(t.g.appFolder + "/Walls") + sep);

    ASSERT_TRUE(QDir().mkpath(t.g.ProjectFolder + QStringLiteral("Images")));
    const QString folder = t.g.ProjectFolder + QStringLiteral("Images") + sep;
    QImage small(4, 3, QImage::Format_RGB32);
    small.fill(Qt::red);
    ASSERT_TRUE(small.save(folder + QStringLiteral("ok.png")));
    ASSERT_TRUE(qmtest::writeFile(folder + "broken.png", "\x89PNG\r\n\x1a\n this is not really a picture"));
    // A picture that would take more memory than allowed is refused from its header, before decoding:
    // a PNG header of 30000 x 30000 pixels.
    ASSERT_TRUE(qmtest::writeFile(folder + "huge.png",
                                  QByteArray("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x75\x30\0\0\x75\x30\x08\x02\0\0\0"
                                             "\xe9\x45\x6f\xed\0\0\0\0IDAT\x35\xaf\x06\x1e\0\0\0\0IEND\xae\x42\x60\x82",
                                             57)));

    EXPECT_EQ(qm::LoadLibraryPicture(t.g, "C", "I", "ok.png").size(), QSize(4, 3));
    for (const char *name : {"broken.png", "huge.png"})
        EXPECT_TRUE(qm::LoadLibraryPicture(t.g, "C", "I", QString::fromLatin1(name)).isNull()) << name;
    QString why;
    qm::readPictureFile(folder + "huge.png", {}, &why);
    EXPECT_EQ(why, "at 30000 × 30000 pixels it would take more than 256 MB of memory to read");
}

TEST(ProjectFiles, TheFolderIsTheFileNameWithoutItsExtension)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(qm::projectFolderOf("/maps/Rome.qmp"), QStringLiteral("/maps/Rome") + sep);
    EXPECT_EQ(qm::projectFolderOf("/maps/Rome.QMP"), QStringLiteral("/maps/Rome") + sep);
    EXPECT_EQ(qm::projectFolderOf("/maps/My.Rome.qmp"), QStringLiteral("/maps/My.Rome") + sep);
    // Never a parent folder, whatever the name looks like.
    EXPECT_EQ(qm::projectFolderOf("/home/ann/work"), QStringLiteral("/home/ann/work_files") + sep);
    EXPECT_EQ(qm::projectFolderOf("/maps/x.db"), QStringLiteral("/maps/x") + sep);
}
