// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/textmeasurer.h"

namespace qmtest {

// Text sizes anyone can work out by hand, and no font needed: each character is 10 twips wide per
// point of font size and a line 20 twips high per point (so 100 x 200 twips at 10 points). Wrapping
// is greedy at spaces.
class FakeMeasurer : public qm::TextMeasurer
{
public:
    static double charWidth(const qm::LabelFont &font) { return font.size * 10.0; }
    static double lineHeight(const qm::LabelFont &font) { return font.size * 20.0; }

    QSizeF naturalSize(const qm::LabelFont &font, const QString &text) const override;
    double wrappedHeight(const qm::LabelFont &font, const QString &text, double width) const override;
};

} // namespace qmtest
