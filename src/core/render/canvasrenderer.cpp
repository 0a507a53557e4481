// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasrenderer.h"

#include "layout/canvasmodel.h"
#include "layout/textmeasurer.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// A line or border is one screen pixel at full size; the time axis two.
constexpr double LineTwips = 15.0;
constexpr double AxisTwips = 30.0;
// One wallpaper pixel covers one screen pixel at full size.
constexpr double WallpaperPixelTwips = 15.0;
const QColor EmptyPictureColor(128, 128, 128);
const QColor MarkerColor(255, 0, 0);

// Twips of the canvas to device pixels of the painter.
class Mapping
{
public:
    Mapping(const QRectF &area, double pixelsPerTwip) : mOrigin(area.topLeft()), mScale(pixelsPerTwip) {}

    QPointF point(const QPointF &p) const { return (p - mOrigin) * mScale; }
    QRectF rect(const QRectF &r) const { return QRectF(point(r.topLeft()), r.size() * mScale); }
    // Whole pixels, so that fills and borders cover exactly the same pixels on every device.
    QRect pixels(const QRectF &r) const
    {
        const QRectF d = rect(r);
        const int l = static_cast<int>(std::lround(d.left()));
        const int t = static_cast<int>(std::lround(d.top()));
        return QRect(QPoint(l, t), QPoint(static_cast<int>(std::lround(d.right())) - 1,
                                          static_cast<int>(std::lround(d.bottom())) - 1));
    }
    double width(double twips) const { return std::max(1.0, std::round(twips * mScale)); }
    double scale() const { return mScale; }

private:
    QPointF mOrigin;
    double mScale;
};

void frame(QPainter &p, const QRect &r, const QColor &color, int w)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    w = std::min({w, r.width(), r.height()});
    p.fillRect(QRect(r.left(), r.top(), r.width(), w), color);
    p.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), color);
    p.fillRect(QRect(r.left(), r.top(), w, r.height()), color);
    p.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), color);
}

void drawLine(QPainter &p, const Mapping &map, const CanvasLine &line, double twipsWidth)
{
    if (!line.visible)
        return;
    const Qt::PenStyle style = line.dashed || line.style == 1 ? Qt::DashLine
                               : line.style == 2              ? Qt::DotLine
                                                              : Qt::SolidLine;
    QPen pen(colorFromLong(line.color), map.width(twipsWidth), style, Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(map.point(line.p1), map.point(line.p2));
}

// Text drawn on the lines the layout measured, whatever this device's own metrics would make of it.
struct TextDrawing
{
    FontTextMeasurer measurer;
    double deviceDpi = 96.0;
};

void drawLabel(QPainter &p, const Mapping &map, const CanvasLabel &label, const TextDrawing &text)
{
    if (!label.visible)
        return;
    const QRect r = map.pixels(label.rect);
    if (label.solid)
        p.fillRect(r, colorFromLong(label.backColor));
    if (!label.caption.isEmpty()) {
        p.setPen(colorFromLong(label.foreColor));
        const FontTextMeasurer &m = text.measurer;
        const QStringList lines = m.lines(label.font, label.caption, label.wordWrap ? label.rect.width() : 0.0);
        const double lineHeight = m.lineHeight(label.font);
        // Set in twips with the font as it was measured, then scaled to the device: every device
        // then puts each glyph where the layout measured it, so the words stay inside their box.
        p.save();
        const QPointF origin = map.point(label.rect.topLeft());
        p.setTransform(QTransform(map.scale(), 0, 0, map.scale(), origin.x(), origin.y()), true);
        p.setFont(CanvasRenderer::deviceFont(label.font, 1.0, text.deviceDpi));
        double baseline = m.ascent(label.font);
        // Line by line at a point, never clipped to the box: a device that sets the text a hair
        // wider than measured must not lose the last letter.
        for (const QString &line : lines) {
            p.drawText(QPointF(0, baseline), line);
            baseline += lineHeight;
        }
        p.restore();
    }
    if (label.border)
        frame(p, r, Qt::black, static_cast<int>(map.width(LineTwips)));
}

void drawPicture(QPainter &p, const Mapping &map, const CanvasPicture &picture)
{
    if (!picture.visible)
        return;
    const QRect r = map.pixels(picture.rect);
    const int w = static_cast<int>(map.width(LineTwips));
    // A picture that could not be read still shows where the box is.
    if (picture.image.isNull())
        frame(p, r, EmptyPictureColor, w);
    else
        p.drawImage(QRectF(r), picture.image);
    if (picture.frameWidth > 0.0)
        frame(p, r, colorFromLong(picture.frameColor), static_cast<int>(map.width(picture.frameWidth)));
    if (picture.border)
        frame(p, r, Qt::black, w);
}

void drawMarker(QPainter &p, const Mapping &map, const CanvasMarker &marker)
{
    if (!marker.visible)
        return;
    const QRectF r = map.rect(marker.rect);
    const QPolygonF triangle = marker.pointsDown
                                   ? QPolygonF({QPointF(r.center().x(), r.bottom()), r.topLeft(), r.topRight()})
                                   : QPolygonF({QPointF(r.center().x(), r.top()), r.bottomRight(), r.bottomLeft()});
    p.setPen(Qt::NoPen);
    p.setBrush(MarkerColor);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.drawPolygon(triangle);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
}

// White text where black would be hard to read on the category's colour.
qint32 readableOn(qint32 back, qint32 fore)
{
    const QColor c = colorFromLong(back);
    const double luminance = 0.299 * c.redF() + 0.587 * c.greenF() + 0.114 * c.blueF();
    return luminance < 0.5 ? 0xFFFFFF : fore;
}

// The category shows in the name's fill and the connector; the selection's mark still wins.
void drawConnector(QPainter &p, const Mapping &map, const CanvasBox &b, const CanvasModel &model)
{
    const auto category = model.categoryColors.find(b.id);
    if (category == model.categoryColors.end() || b.connector.dashed) {
        drawLine(p, map, b.connector, LineTwips);
        return;
    }
    CanvasLine connector = b.connector;
    connector.color = category->second;
    drawLine(p, map, connector, LineTwips);
}

void drawBox(QPainter &p, const Mapping &map, const CanvasBox &b, const CanvasModel &model, const TextDrawing &text,
             bool withConnector)
{
    if (withConnector)
        drawConnector(p, map, b, model);
    const auto category = model.categoryColors.find(b.id);
    if (category == model.categoryColors.end()) {
        drawLabel(p, map, b.name, text);
    } else {
        CanvasLabel name = b.name;
        name.solid = true;
        name.backColor = category->second;
        name.foreColor = readableOn(category->second, name.foreColor);
        drawLabel(p, map, name, text);
    }
    drawPicture(p, map, b.picture);
    drawLabel(p, map, b.date, text);
}

void drawLegend(QPainter &p, const Mapping &map, const CanvasLegend &legend, const TextDrawing &text)
{
    if (!legend.visible || legend.entries.empty())
        return;
    const QRect r = map.pixels(legend.rect);
    const int w = static_cast<int>(map.width(LineTwips));
    p.fillRect(r, Qt::white);
    frame(p, r, Qt::black, w);
    for (const LegendEntry &e : legend.entries) {
        const QRect swatch = map.pixels(e.swatch);
        p.fillRect(swatch, colorFromLong(e.color));
        frame(p, swatch, Qt::black, w);
        drawLabel(p, map, e.label, text);
    }
}

} // namespace

void CanvasRenderer::paint(QPainter &p, const CanvasModel &model, const QRectF &twipsArea, double pixelsPerTwip)
{
    const QRectF visible = twipsArea & QRectF(0, 0, model.width, model.height);
    if (visible.isEmpty() || pixelsPerTwip <= 0)
        return;
    const Mapping map(twipsArea, pixelsPerTwip);
    const TextDrawing text{FontTextMeasurer(), p.device() ? p.device()->logicalDpiY() : 96.0};

    p.save();
    p.setClipRect(map.rect(visible), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    p.fillRect(map.rect(visible), colorFromLong(model.backColor));
    if (model.useWallpaper)
        TileWallpaper(p, model.wallpaper, model.width, model.height, twipsArea, pixelsPerTwip);
    drawLine(p, map, model.axis, AxisTwips);
    for (const CanvasBar &bar : model.periodBars) {
        // A period takes its category's colour, as its name does.
        const auto category = model.categoryColors.find(bar.id);
        QColor color = colorFromLong(category != model.categoryColors.end() ? category->second : bar.color);
        color.setAlpha(170);
        p.fillRect(map.rect(bar.rect), color);
    }
    for (const CanvasLine &mark : model.axisMarks)
        drawLine(p, map, mark, LineTwips);
    for (const CanvasLabel &label : model.axisLabels) {
        if (label.rect.intersects(visible))
            drawLabel(p, map, label, text);
    }

    // Box by box, so that a box brought to the front covers the others whole; within a box the
    // picture and the date stay above the name and the connector. Drawn to scale, the lines of the
    // upper rows run down past the boxes of the lower ones: there every line goes under every box.
    const auto boxes = model.boxesInZOrder(visible);
    const bool linesFirst = model.timeScale.has_value();
    for (const CanvasBox *b : boxes) {
        if (linesFirst)
            drawConnector(p, map, *b, model);
    }
    for (const CanvasBox *b : boxes)
        drawBox(p, map, *b, model, text, !linesFirst);
    if (model.legend.rect.intersects(visible))
        drawLegend(p, map, model.legend, text);

    drawLabel(p, map, model.lblLabel, text);
    drawLabel(p, map, model.lblSub, text);
    drawMarker(p, map, model.imPointer);
    p.restore();
}

QFont CanvasRenderer::deviceFont(const LabelFont &font, double pixelsPerTwip, double deviceDpi)
{
    // A point is 20 twips; the device turns points into pixels at its own resolution.
    QFont f = makeLabelFont(font, font.size * 20.0 * pixelsPerTwip * 72.0 / deviceDpi);
    // Unhinted, as the layout measured it: hinting changes the width of every word on each device.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void CanvasRenderer::TileWallpaper(QPainter &p, const QImage &picture, double canvasWidth, double canvasHeight,
                                   const QRectF &twipsArea, double pixelsPerTwip)
{
    const QRectF visible = twipsArea & QRectF(0, 0, canvasWidth, canvasHeight);
    if (picture.isNull() || visible.isEmpty() || pixelsPerTwip <= 0)
        return;
    const Mapping map(twipsArea, pixelsPerTwip);
    // The tiles start at the canvas origin wherever the area begins.
    QBrush brush(picture);
    const QPointF origin = map.point(QPointF(0, 0));
    const double s = WallpaperPixelTwips * pixelsPerTwip;
    brush.setTransform(QTransform::fromTranslate(origin.x(), origin.y()).scale(s, s));
    p.fillRect(map.rect(visible), brush);
}

} // namespace qm
