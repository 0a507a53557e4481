// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textmeasurer.h"

#include <QFontMetricsF>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Zooming out without end makes fonts ever smaller; the font engines want a positive size.
constexpr double SmallestPointSize = 0.05;
// One pixel of the measuring device is one twip.
constexpr double MeasuringDpi = 1440.0;

QFont measuringFont(const LabelFont &font)
{
    QFont f = makeLabelFont(font, font.size);
    // Hinting snaps each glyph to the device's pixels, and so makes text wider or narrower on each
    // device; the outlines' own sizes are the same everywhere.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// The lines of one paragraph broken at words no wider than `width` device pixels.
void breakParagraph(const QFont &font, const QPaintDevice *device, const QString &paragraph, double width,
                    QStringList &out)
{
    QTextLayout layout(paragraph, font, const_cast<QPaintDevice *>(device));
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        // The spaces a line was broken at take no room at its end.
        QString text = paragraph.mid(line.textStart(), line.textLength());
        while (!text.isEmpty() && text.back().isSpace())
            text.chop(1);
        out << text;
    }
    layout.endLayout();
    if (paragraph.isEmpty())
        out << QString();
}

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
    const int dotsPerMeter = static_cast<int>(std::lround(MeasuringDpi / 0.0254));
    mDevice.setDotsPerMeterX(dotsPerMeter);
    mDevice.setDotsPerMeterY(dotsPerMeter);
}

QSizeF FontTextMeasurer::naturalSize(const LabelFont &font, const QString &text) const
{
    const QFont f = measuringFont(font);
    const QFontMetricsF fm(f, &mDevice);
    double width = 0.0;
    const QStringList paragraphs = text.split(u'\n');
    for (const QString &line : paragraphs)
        width = std::max(width, fm.horizontalAdvance(line));
    // An empty label still keeps the height of one line, as a label does.
    return {width, paragraphs.size() * fm.height()};
}

double FontTextMeasurer::wrappedHeight(const LabelFont &font, const QString &text, double width) const
{
    return std::max<qsizetype>(1, lines(font, text, width).size()) * lineHeight(font);
}

QStringList FontTextMeasurer::lines(const LabelFont &font, const QString &text, double width) const
{
    const QStringList paragraphs = text.split(u'\n');
    if (width <= 0.0)
        return paragraphs;
    const QFont f = measuringFont(font);
    QStringList result;
    for (const QString &paragraph : paragraphs)
        breakParagraph(f, &mDevice, paragraph, width, result);
    return result;
}

double FontTextMeasurer::lineHeight(const LabelFont &font) const
{
    return QFontMetricsF(measuringFont(font), &mDevice).height();
}

double FontTextMeasurer::ascent(const LabelFont &font) const
{
    return QFontMetricsF(measuringFont(font), &mDevice).ascent();
}

} // namespace qm
