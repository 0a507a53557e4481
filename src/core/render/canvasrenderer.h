// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>

class QPainter;

namespace qm {

class CanvasModel;
struct LabelFont;

// Paints the canvas model, one layer over the other: background, axis, connectors, name labels,
// pictures, date labels, titles, pointer. The screen, exported pictures and printed pages all use it.
class CanvasRenderer
{
public:
    // Paints the part `twipsArea` of the canvas with its top-left corner at the painter's origin,
    // `pixelsPerTwip` device pixels to the twip (1/15 on a 96 DPI screen at full size). Only what
    // reaches into the area is drawn; nothing is drawn outside the canvas.
    static void paint(QPainter &painter, const CanvasModel &model, const QRectF &twipsArea, double pixelsPerTwip);

    // The font a label is drawn with on a device of `deviceDpi`, `pixelsPerTwip` pixels to the twip.
    static QFont deviceFont(const LabelFont &font, double pixelsPerTwip, double deviceDpi);

    // Repeats the picture from the canvas origin over the whole canvas (canvasWidth x canvasHeight
    // twips), one picture pixel per screen pixel at full size; a null picture paints nothing.
    static void TileWallpaper(QPainter &painter, const QImage &picture, double canvasWidth, double canvasHeight,
                              const QRectF &twipsArea, double pixelsPerTwip);
};

} // namespace qm
