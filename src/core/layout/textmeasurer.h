// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasmodel.h"

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>

namespace qm {

// How much room a label's text takes, in twips: the layout asks, the screen's fonts or a test answers.
class TextMeasurer
{
public:
    virtual ~TextMeasurer() = default;
    // The text on as many lines as its own line breaks make.
    virtual QSizeF naturalSize(const LabelFont &font, const QString &text) const = 0;
    // The height of the text broken at words into lines no wider than `width`.
    virtual double wrappedHeight(const LabelFont &font, const QString &text, double width) const = 0;
};

// Text measured with the real fonts, unhinted and at a resolution where one pixel is one twip, so
// that a label takes the same room, and breaks into the same lines, on the screen at any zoom, in
// pictures, SVG, PDF and on the printer. Devices that hint their glyphs differ from these sizes by
// a fraction of a pixel at most, which the renderer allows for by never clipping text to its box.
class FontTextMeasurer : public TextMeasurer
{
public:
    // `logicalDpi` is the screen's: it sets twipsPerPixel() and nothing about the sizes.
    explicit FontTextMeasurer(double logicalDpi = 96.0);

    double twipsPerPixel() const { return 1440.0 / mDpi; }
    QSizeF naturalSize(const LabelFont &font, const QString &text) const override;
    double wrappedHeight(const LabelFont &font, const QString &text, double width) const override;
    // The lines the text is drawn on: its own line breaks and, with `width` > 0, breaks at words so
    // that no line is wider than `width` twips (a single word wider than that keeps its line).
    QStringList lines(const LabelFont &font, const QString &text, double width) const;
    // The height of one line and the distance from its top to the baseline, in twips.
    double lineHeight(const LabelFont &font) const;
    double ascent(const LabelFont &font) const;

private:
    double mDpi;
    // Fonts are resolved against this device of 1440 DPI, so that no screen's resolution counts.
    QImage mDevice;
};

// The font a label names, at `pointSize` points (the label's own size unless a device needs another).
QFont makeLabelFont(const LabelFont &font, double pointSize);
// Sizes a label to its caption on one line, as a label does whenever caption or font change.
void AutoSizeLabel(CanvasLabel &label, const TextMeasurer &measurer);

} // namespace qm
