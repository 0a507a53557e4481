// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRgb>

#include <vector>

namespace qm {

// Brings a picture down to a palette of at most 256 colours made for it: its own colours when it has
// no more than that, else a median cut of its colour histogram (each colour of the palette the mean
// of the pixels it stands for), onto which the rows are mapped with Floyd-Steinberg error diffusion,
// so that smooth gradients and wallpapers keep their look instead of breaking into bands.
class PaletteQuantizer
{
public:
    explicit PaletteQuantizer(const QImage &image, int maxColors = 256);

    const std::vector<QRgb> &palette() const { return mPalette; }
    // The palette indices of one row. Rows are mapped top to bottom, each once, as the error of one row
    // is carried into the next.
    void mapRow(int y, unsigned char *indices);

private:
    bool takeExactColors(int maxColors);
    void medianCut(int maxColors);
    int nearest(int r, int g, int b);

    QImage mImage;
    std::vector<QRgb> mPalette;
    bool mExact = false;
    std::vector<std::pair<QRgb, int>> mExactIndex; // sorted colour to index, for an exact palette
    std::vector<qint16> mNearest;                  // 6 bits a channel to palette index; -1 not known yet
    std::vector<int> mError;                       // the error carried into the current row, 3 per pixel
    std::vector<int> mNextError;
};

} // namespace qm
