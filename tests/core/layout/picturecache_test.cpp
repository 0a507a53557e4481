// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/picturecache.h"
#include "testsupport.h"

#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString writePicture(const QTemporaryDir &dir, const QString &name, const QColor &color, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path));
    return path;
}

TEST(PictureCache, AFileChangedOnDiskIsReadAgainAndAMissingOneGivesAnEmptyPicture)
{
    QTemporaryDir dir;
    const QString path = writePicture(dir, "p.png", Qt::red, 8);
    qm::PictureCache cache;
    EXPECT_EQ(cache.file(path).width(), 8);
    // Another picture under the same name, as an import that replaces a file.
    writePicture(dir, "p.png", Qt::green, 16);
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime);
    f.close();
    EXPECT_EQ(cache.file(path).width(), 16);

    QFile::remove(path);
    EXPECT_TRUE(cache.file(path).isNull());
    EXPECT_TRUE(cache.file(dir.filePath("never.png")).isNull());
    EXPECT_TRUE(cache.file(QString()).isNull());
    ASSERT_TRUE(qmtest::writeFile(dir.filePath("broken.png"), "not a picture"));
    EXPECT_TRUE(cache.file(dir.filePath("broken.png")).isNull());
}

} // namespace
