// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace qm {

// Shrinks what Qt's SVG generator writes without changing what it draws. The generator repeats the
// whole painter state on every group and the font on every text: a long timeline's drawing is mostly
// those repetitions. Empty groups go; a group of texts keeps its placement and font and leaves the
// colours to its texts, which lose the font they inherit; a group of used pictures keeps its
// placement alone; other groups lose the font they have no text for; and values that are the SVG's
// defaults go everywhere.
class SvgCompactor
{
public:
    static QByteArray compact(const QByteArray &svg);
};

} // namespace qm
