// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textmeasurer.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Zooming out without end makes fonts ever smaller; the font engines want a positive size.
constexpr double SmallestPointSize = 0.05;

} // namespace

QFont makeLabelFont(const LabelFont &font, double pointSize)
{
    QFont f(font.name);
    f.setPointSizeF(std::max(SmallestPointSize, std::isfinite(pointSize) ? pointSize : 0.0));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

void AutoSizeLabel(CanvasLabel &label, const TextMeasurer &measurer)
{
    label.wordWrap = false;
    label.rect.setSize(measurer.naturalSize(label.font, label.caption));
}

FontTextMeasurer::FontTextMeasurer(double logicalDpi)
    : mDpi(logicalDpi > 0 ? logicalDpi : 96.0), mDevice(1, 1, QImage::Format_ARGB32_Premultiplied)
{
    const int dotsPerMeter = static_cast<int>(std::lround(mDpi / 0.0254));
    mDevice.setDotsPerMeterX(dotsPerMeter);
    mDevice.setDotsPerMeterY(dotsPerMeter);
}

QSizeF FontTextMeasurer::naturalSize(const LabelFont &font, const QString &text) const
{
    const QFontMetricsF fm(makeLabelFont(font, font.size), &mDevice);
    const QSizeF px = fm.size(0, text);
    // An empty label still keeps the height of one line, as a label does.
    const double height = text.isEmpty() ? fm.height() : px.height();
    return QSizeF(px.width(), height) * twipsPerPixel();
}

double FontTextMeasurer::wrappedHeight(const LabelFont &font, const QString &text, double width) const
{
    const QFontMetricsF fm(makeLabelFont(font, font.size), &mDevice);
    const double widthPx = std::max(0.0, width / twipsPerPixel());
    const QRectF r = fm.boundingRect(QRectF(0, 0, widthPx, 1e7), Qt::TextWordWrap, text);
    return std::max(r.height(), fm.height()) * twipsPerPixel();
}

} // namespace qm
