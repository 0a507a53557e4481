// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/canvasmodel.h"
#include "render/canvasrenderer.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

constexpr qint32 Blue = 0xFF0000;
constexpr qint32 Green = 0x00FF00;
const QColor Outside(1, 2, 3);

// A canvas of 3000 x 1500 twips (200 x 100 pixels at full size) with a blue background, the axis at
// y 750 (pixel row 50) and one box: picture 1400..1600 x 0..300, connector at x 1500 down to the axis.
qm::CanvasModel sampleModel()
{
    qm::CanvasModel m;
    m.width = 3000;
    m.height = 1500;
    m.backColor = Blue;
    m.axis.p1 = QPointF(240, 750);
    m.axis.p2 = QPointF(2700, 750);
    qm::CanvasBox &b = m.addBox(1);
    b.picture.rect = QRectF(1400, 0, 200, 300);
    b.connector.p1 = QPointF(1500, 300);
    b.connector.p2 = QPointF(1500, 750);
    b.connector.color = Green;
    return m;
}

QImage render(const qm::CanvasModel &m, const QRectF &area, const QSize &size, double pixelsPerTwip = 1.0 / 15)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Outside);
    QPainter p(&image);
    qm::CanvasRenderer::paint(p, m, area, pixelsPerTwip);
    return image;
}

QImage solid(const QColor &color, int w = 4, int h = 4)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Aliased thin lines may land on either pixel next to their mathematical position.
bool eitherIs(const QImage &image, QPoint a, QPoint b, const QColor &color)
{
    return image.pixelColor(a) == color || image.pixelColor(b) == color;
}

TEST(CanvasRenderer, PaintsBackgroundAxisConnectorAndAnEmptyFrameForAMissingPicture)
{
    const QImage image = render(sampleModel(), QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(5, 50), QColor(Qt::blue)); // the axis starts at x 240 (pixel 16)
    EXPECT_TRUE(eitherIs(image, {100, 49}, {100, 50}, Qt::black));
    EXPECT_TRUE(eitherIs(image, {99, 35}, {100, 35}, Qt::green));
    EXPECT_EQ(image.pixelColor(93, 10), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(97, 10), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(100, 10), QColor(Qt::blue)); // the connector starts below the picture

    // The format's border, three pixels wide in its colour; no picture at all draws neither frame.
    qm::CanvasModel framed = sampleModel();
    framed.box(1)->picture.frameWidth = 45;
    framed.box(1)->picture.frameColor = 0x0000FF;
    const QImage withBorder = render(framed, QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(withBorder.pixelColor(95, 10), QColor(Qt::red));
    EXPECT_EQ(withBorder.pixelColor(97, 10), QColor(Qt::blue));
    framed.box(1)->picture.visible = false;
    EXPECT_EQ(render(framed, QRectF(0, 0, 3000, 1500), QSize(200, 100)).pixelColor(93, 10), QColor(Qt::blue));
}

TEST(CanvasRenderer, DrawsOnlyTheAreaAskedForAndNothingOutsideTheCanvas)
{
    qm::CanvasModel m = sampleModel();
    m.box(1)->picture.image = solid(Qt::red);
    // The area starts one pixel left of the connector and runs past the canvas's right edge.
    const QImage image = render(m, QRectF(1485, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(image.pixelColor(0, 10), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(8, 10), QColor(Qt::blue));
    EXPECT_TRUE(eitherIs(image, {0, 35}, {1, 35}, Qt::green));
    EXPECT_EQ(image.pixelColor(100, 10), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(101, 10), Outside);
    EXPECT_EQ(image.pixelColor(150, 50), Outside);

    // Twice the size: the same canvas at 2 pixels where there was one.
    const QImage big = render(m, QRectF(0, 0, 3000, 1500), QSize(400, 200), 2.0 / 15);
    EXPECT_EQ(big.pixelColor(190, 20), QColor(Qt::red));
    EXPECT_EQ(big.pixelColor(187, 20), QColor(Qt::red));
    EXPECT_EQ(big.pixelColor(186, 20), QColor(Qt::blue));
}

TEST(CanvasRenderer, PaintsBoxByBoxInStackingOrderWithPictureAndDateOverTheName)
{
    qm::CanvasModel m = sampleModel();
    qm::CanvasBox &b = *m.box(1);
    b.picture.image = solid(Qt::red);
    b.picture.border = true;
    // A solid name label under the picture, a solid date label over it.
    b.name.rect = QRectF(1200, 0, 300, 150);
    b.name.solid = true;
    b.name.backColor = 0x00FFFF; // yellow
    b.date.rect = QRectF(1500, 150, 300, 150);
    b.date.solid = true;
    b.date.backColor = 0xFFFF00; // cyan
    // A second box, behind the first one in stacking: the front box's name covers its picture.
    qm::CanvasBox &behind = m.addBox(2);
    behind.picture.rect = QRectF(1200, 0, 150, 60);
    behind.picture.image = solid(Qt::white);
    m.BringToFront(1);
    const QImage image = render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(image.pixelColor(85, 5), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(82, 2), QColor(Qt::yellow));
    EXPECT_EQ(image.pixelColor(96, 5), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(93, 15), QColor(Qt::black)); // the border of the selected picture
    EXPECT_EQ(image.pixelColor(103, 15), QColor(Qt::cyan));
    EXPECT_EQ(image.pixelColor(96, 15), QColor(Qt::red));
    m.BringToFront(2);
    EXPECT_EQ(render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100)).pixelColor(82, 2), QColor(Qt::white));
}

TEST(CanvasRenderer, TilesTheWallpaperFromTheCanvasOrigin)
{
    qm::CanvasModel m = sampleModel();
    m.removeBox(1);
    m.axis.visible = false;
    QImage wall(3, 1, QImage::Format_RGB32);
    wall.setPixelColor(0, 0, Qt::yellow);
    wall.setPixelColor(1, 0, Qt::cyan);
    wall.setPixelColor(2, 0, Qt::magenta);
    m.wallpaper = wall;
    m.useWallpaper = true;
    const QImage whole = render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(whole.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(whole.pixelColor(4, 7), QColor(Qt::cyan));
    EXPECT_EQ(whole.pixelColor(198, 99), QColor(Qt::yellow));
    // Scrolled by one pixel the tiles stay where they were on the canvas.
    const QImage scrolled = render(m, QRectF(15, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(scrolled.pixelColor(0, 0), QColor(Qt::cyan));

    // A wallpaper that could not be read leaves the background colour.
    m.wallpaper = QImage();
    EXPECT_EQ(render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100)).pixelColor(0, 0), QColor(Qt::blue));
}

TEST(CanvasRenderer, DrawsThePointerLabelsAndTitles)
{
    qm::CanvasModel m = sampleModel();
    m.imPointer.rect = QRectF(1380, 900, 240, 240);
    m.imPointer.visible = true;
    m.lblLabel.rect = QRectF(240, 60, 600, 300);
    m.lblLabel.caption = "Rome";
    m.lblLabel.font = qm::LabelFont{"DejaVu Sans", 14, true, false};
    m.lblLabel.border = true;
    m.lblSub.rect = QRectF(240, 1200, 600, 200);
    m.lblSub.caption = "sub";
    m.lblSub.font = qm::LabelFont{"DejaVu Sans", 8, false, false};
    m.lblSub.foreColor = 0x0000FF; // red
    const QImage image = render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(image.pixelColor(100, 74), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(93, 61), QColor(Qt::blue)); // beside the tip of the triangle
    EXPECT_EQ(image.pixelColor(16, 4), QColor(Qt::black)); // the title's border
    bool titleText = false;
    bool subText = false;
    for (int x = 17; x < 55; ++x) {
        for (int y = 5; y < 23; ++y)
            titleText = titleText || image.pixelColor(x, y) != QColor(Qt::blue);
        for (int y = 80; y < 93; ++y)
            subText = subText || image.pixelColor(x, y).red() > 128;
    }
    EXPECT_TRUE(titleText);
    EXPECT_TRUE(subText);
}

} // namespace

namespace {

TEST(CanvasRenderer, ACategoryColoursTheNameTheConnectorAndThePeriodBarAndTheLegendShowsItsSwatch)
{
    constexpr qint32 Red = 0x0000FF;
    qm::CanvasModel m = sampleModel();
    qm::CanvasBox &b = *m.box(1);
    b.name.rect = QRectF(1650, 0, 600, 300);
    m.periodBars.push_back({1, QRectF(1500, 780, 900, 150), Green});
    m.categoryColors[1] = Red;
    m.legend.visible = true;
    qm::LegendEntry entry;
    entry.color = Green;
    entry.swatch = QRectF(150, 150, 150, 150);
    m.legend.entries.push_back(entry);
    m.legend.rect = QRectF(60, 60, 600, 330);

    QImage image = render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_EQ(image.pixelColor(130, 10), QColor(Qt::red));
    EXPECT_TRUE(eitherIs(image, QPoint(99, 40), QPoint(100, 40), QColor(Qt::red)));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(30, 15), QColor(Qt::white));
    EXPECT_GT(image.pixelColor(130, 57).red(), 150);
    EXPECT_EQ(image.pixelColor(130, 57).green(), 0);

    // The selection's mark is not hidden by the category.
    b.connector.dashed = true;
    b.connector.color = Blue;
    m.legend.visible = false;
    image = render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100));
    EXPECT_FALSE(eitherIs(image, QPoint(99, 22), QPoint(100, 22), QColor(Qt::red)));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::blue));
}

} // namespace

namespace {

TEST(CanvasRenderer, ToScaleTheLinesOfUpperRowsRunUnderTheNamesOfLowerOnes)
{
    // Box 1 stands in a lower row; box 2, later in canvas order, above it with its line down through
    // box 1's name (pixels 110..150 x 33..40).
    qm::CanvasModel m = sampleModel();
    m.box(1)->name.rect = QRectF(1650, 500, 600, 100);
    m.box(1)->name.solid = true;
    m.box(1)->name.backColor = 0xFFFFFF;
    qm::CanvasBox &upper = m.addBox(2);
    upper.connector.p1 = QPointF(1950, 0);
    upper.connector.p2 = QPointF(1950, 750);
    upper.connector.color = Green;
    const auto lineOverName = [&m] {
        const QImage image = render(m, QRectF(0, 0, 3000, 1500), QSize(200, 100));
        return eitherIs(image, QPoint(129, 36), QPoint(130, 36), QColor(Qt::green));
    };
    EXPECT_TRUE(lineOverName()) << "in date order the canvas order decides";
    m.timeScale = qm::TimeScale{};
    EXPECT_FALSE(lineOverName());
}

} // namespace
