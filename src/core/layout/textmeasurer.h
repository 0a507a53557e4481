// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasmodel.h"

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>

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

// Text measured with the real fonts at a given logical resolution.
class FontTextMeasurer : public TextMeasurer
{
public:
    explicit FontTextMeasurer(double logicalDpi = 96.0);

    double twipsPerPixel() const { return 1440.0 / mDpi; }
    QSizeF naturalSize(const LabelFont &font, const QString &text) const override;
    double wrappedHeight(const LabelFont &font, const QString &text, double width) const override;

private:
    double mDpi;
    // Fonts are resolved against this device so that its resolution, not the screen's, counts.
    QImage mDevice;
};

// The font a label names, at `pointSize` points (the label's own size unless a device needs another).
QFont makeLabelFont(const LabelFont &font, double pointSize);
// Sizes a label to its caption on one line, as a label does whenever caption or font change.
void AutoSizeLabel(CanvasLabel &label, const TextMeasurer &measurer);

} // namespace qm
