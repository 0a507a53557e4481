// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QImage;
class QIODevice;

namespace qm {

// Writes GIF pictures, which Qt cannot, through giflib: the colours are brought down to a palette of
// 256 made for the picture (not a fixed one), with dithering, so that gradients and wallpapers do
// not band.
class GifWriter
{
public:
    // GIF stores each side in 16 bits.
    static constexpr int LargestSide = 65535;

    // False, with the reason in `error`, when the picture is empty or too large for GIF, or the
    // device refused the bytes.
    static bool write(const QImage &image, QIODevice &device, QString *error);
};

} // namespace qm
