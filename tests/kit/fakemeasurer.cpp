// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/fakemeasurer.h"

#include <QStringList>

#include <algorithm>

namespace qmtest {

QSizeF FakeMeasurer::naturalSize(const qm::LabelFont &font, const QString &text) const
{
    const QStringList lines = text.split(u'\n');
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = std::max(longest, line.size());
    return QSizeF(longest * charWidth(font), lines.size() * lineHeight(font));
}

double FakeMeasurer::wrappedHeight(const qm::LabelFont &font, const QString &text, double width) const
{
    int lines = 0;
    for (const QString &paragraph : text.split(u'\n')) {
        ++lines;
        double used = 0.0;
        for (const QString &word : paragraph.split(u' ')) {
            const double w = word.size() * charWidth(font);
            const double withSpace = used == 0.0 ? w : used + charWidth(font) + w;
            if (used > 0.0 && withSpace > width) {
                ++lines;
                used = w;
            } else {
                used = withSpace;
            }
        }
    }
    return lines * lineHeight(font);
}

} // namespace qmtest
