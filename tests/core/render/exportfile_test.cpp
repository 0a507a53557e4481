// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/exportfile.h"
#include "render/gifwriter.h"
#include "render/pictureexport.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

// Lets a file grow to only `bytes` while it lives, so that a write fails half way as on a full disk.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &mOld);
        mOldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small{bytes, mOld.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &mOld);
        std::signal(SIGXFSZ, mOldSignal);
    }

private:
    rlimit mOld{};
    void (*mOldSignal)(int) = nullptr;
};

QImage noise(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = random.generate() | 0xFF000000u;
    }
    return image;
}

TEST(ExportFile, AWriteThatFailsHalfWayKeepsTheOldFileLeavesNothingAndSaysWhy)
{
    QTemporaryDir dir;
    const QImage picture = noise(600, 600);
    const QString reason = QString::fromLocal8Bit(std::strerror(EFBIG));
    for (const char *name : {"t.png", "t.jpg", "t.bmp", "t.gif", "t.tif"}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromUtf8(name));
        ASSERT_TRUE(qmtest::writeFile(path, "old"));
        QString error;
        bool written = true;
        {
            const FileSizeLimit limit(64 * 1024);
            written = qm::PictureExport::save(picture, path, &error);
        }
        EXPECT_FALSE(written);
        EXPECT_TRUE(error.contains(reason)) << error.toStdString();
        EXPECT_FALSE(error.contains("Unknown error"));
        EXPECT_EQ(qmtest::fileBytes(path), "old");
        ASSERT_TRUE(QFile::remove(path));
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// A smooth two-way gradient such as a wallpaper: far more than 256 colours.
QImage gradient()
{
    QImage image(512, 128, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(30 + x * 200 / 512, 60 + y, 200 - x * 150 / 512));
    }
    return image;
}

// The mean difference per channel of the averages of 8 x 8 blocks: what an eye sees from a step back,
// where dithering vanishes and bands do not.
double blockError(const QImage &a, const QImage &b)
{
    double sum = 0;
    int blocks = 0;
    for (int by = 0; by + 8 <= a.height(); by += 8) {
        for (int bx = 0; bx + 8 <= a.width(); bx += 8) {
            int d[3] = {0, 0, 0};
            for (int y = by; y < by + 8; ++y) {
                for (int x = bx; x < bx + 8; ++x) {
                    const QRgb p = a.pixel(x, y);
                    const QRgb q = b.pixel(x, y);
                    d[0] += qRed(p) - qRed(q);
                    d[1] += qGreen(p) - qGreen(q);
                    d[2] += qBlue(p) - qBlue(q);
                }
            }
            sum += (std::abs(d[0]) + std::abs(d[1]) + std::abs(d[2])) / 64.0;
            ++blocks;
        }
    }
    return sum / (3.0 * blocks);
}

QImage throughGif(const QImage &original)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QString error;
    EXPECT_TRUE(qm::GifWriter::write(original, buffer, &error)) << error.toStdString();
    QImage back;
    EXPECT_TRUE(back.loadFromData(buffer.data(), "gif"));
    return back.convertToFormat(QImage::Format_RGB32);
}

TEST(GifWriter, AGradientKeepsItsLookWithoutBandsAndFewColoursStayExact)
{
    const QImage original = gradient();
    const QImage back = throughGif(original);
    ASSERT_EQ(back.size(), original.size());
    // A fixed palette without dithering: its steps show as bands several levels deep.
    const QImage qt =
        original.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither).convertToFormat(QImage::Format_RGB32);
    EXPECT_LT(blockError(original, back), 1.0);
    EXPECT_LT(blockError(original, back), blockError(original, qt) / 2) << blockError(original, qt);

    QImage few(300, 20, QImage::Format_RGB32);
    for (int x = 0; x < few.width(); ++x) {
        for (int y = 0; y < few.height(); ++y)
            few.setPixel(x, y, qRgb(x % 200, 255 - x % 200, 7));
    }
    EXPECT_EQ(throughGif(few), few);
}

} // namespace
