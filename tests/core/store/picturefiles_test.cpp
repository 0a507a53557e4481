// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/picturefiles.h"
#include "store/picturelibrary.h"
#include "store/projectfiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

QString writePicture(const QString &path, const QColor &color, QSize size = QSize(40, 30))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    EXPECT_TRUE(image.save(path));
    return path;
}

} // namespace

TEST(PictureFiles, ImportReplacesSameNamesAndReportsFailuresKeepingTheRest)
{
    qmtest::TempProject t;
    t.g.ProjectFolder = qm::projectFolderOf(t.projectPath);
    ASSERT_TRUE(qm::makeProjectFolders(t.g.ProjectFolder));
    QDir outside(t.dir.path());
    ASSERT_TRUE(outside.mkpath("a"));
    ASSERT_TRUE(outside.mkpath("b"));
    const QString red = writePicture(t.path("a/map.png"), Qt::red);
    const QString green = writePicture(t.path("b/map.png"), Qt::green);
    const QString wall = writePicture(t.path("a/wall.jpg"), Qt::blue);

    const qm::ImportResult first = qm::importPictures(t.g, "I", {red, wall});
    EXPECT_EQ(first.copied, (QStringList{"map.png", "wall.jpg"}));
    EXPECT_TRUE(first.failures.isEmpty());

    // The second map replaces the first; a missing file in between is reported and stops nothing.
    const qm::ImportResult second = qm::importPictures(t.g, "I", {t.path("a/gone.png"), green});
    EXPECT_EQ(second.copied, (QStringList{"map.png"}));
    ASSERT_EQ(second.failures.size(), 1);
    EXPECT_TRUE(second.failures.front().contains("gone.png"));
    EXPECT_EQ(qm::LoadLibraryPicture(t.g, "C", "I", "map.png").pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(qm::libraryFiles(t.g, "C", "I"), (QStringList{"map.png", "wall.jpg"}));
    EXPECT_TRUE(qm::libraryFiles(t.g, "C", "W").isEmpty());

    // A file that cannot be read leaves the library's picture of that name as it was.
    const QString locked = writePicture(t.path("b/wall.jpg"), Qt::yellow);
    QFile::setPermissions(locked, QFileDevice::Permissions());
    if (!QFile(locked).open(QIODevice::ReadOnly)) {
        const qm::ImportResult third = qm::importPictures(t.g, "I", {locked});
        EXPECT_EQ(third.failures.size(), 1);
        EXPECT_FALSE(qm::LoadLibraryPicture(t.g, "C", "I", "wall.jpg").isNull());
    }
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST(PictureFiles, ThumbnailsFitTheirBoxAndSkipWhatIsNoPicture)
{
    QTemporaryDir dir;
    const QString wide = writePicture(dir.filePath("wide.jpg"), Qt::red, QSize(1600, 400));
    const QImage thumb = qm::loadThumbnail(wide, QSize(96, 96));
    EXPECT_EQ(thumb.width(), 96);
    EXPECT_EQ(thumb.height(), 24);
    QFile text(dir.filePath("notes.png"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    EXPECT_TRUE(qm::loadThumbnail(text.fileName(), QSize(96, 96)).isNull());
}
