// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "palettequantizer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <unordered_set>

namespace qm {

namespace {

// The histogram counts colours at 5 bits a channel, fine enough for 256 boxes and small enough to
// walk quickly.
constexpr int HistBits = 5;
constexpr int HistSide = 1 << HistBits;

struct Bin
{
    std::array<int, 3> at{}; // position in the histogram, per channel
    std::uint64_t count = 0;
    std::array<std::uint64_t, 3> sum{};
};

struct Box
{
    size_t begin = 0;
    size_t end = 0;
    std::uint64_t count = 0;
    int longest = 0; // channel of the widest range
    int range = 0;
};

Box makeBox(const std::vector<Bin> &bins, size_t begin, size_t end)
{
    Box box{begin, end, 0, 0, 0};
    std::array<int, 3> lo{HistSide, HistSide, HistSide};
    std::array<int, 3> hi{-1, -1, -1};
    for (size_t i = begin; i < end; ++i) {
        box.count += bins[i].count;
        for (int c = 0; c < 3; ++c) {
            lo[c] = std::min(lo[c], bins[i].at[c]);
            hi[c] = std::max(hi[c], bins[i].at[c]);
        }
    }
    for (int c = 0; c < 3; ++c) {
        if (hi[c] - lo[c] > box.range) {
            box.range = hi[c] - lo[c];
            box.longest = c;
        }
    }
    return box;
}

int clampByte(int v)
{
    return std::clamp(v, 0, 255);
}

} // namespace

PaletteQuantizer::PaletteQuantizer(const QImage &image, int maxColors)
    : mImage(image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32))
{
    maxColors = std::clamp(maxColors, 2, 256);
    if (!takeExactColors(maxColors))
        medianCut(maxColors);
    mError.assign((static_cast<size_t>(mImage.width()) + 2) * 3, 0);
    mNextError = mError;
}

bool PaletteQuantizer::takeExactColors(int maxColors)
{
    std::unordered_set<QRgb> seen;
    for (int y = 0; y < mImage.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(mImage.constScanLine(y));
        for (int x = 0; x < mImage.width(); ++x) {
            if (seen.insert(line[x] | 0xFF000000u).second && static_cast<int>(seen.size()) > maxColors)
                return false;
        }
    }
    mPalette.assign(seen.begin(), seen.end());
    std::sort(mPalette.begin(), mPalette.end());
    for (size_t i = 0; i < mPalette.size(); ++i)
        mExactIndex.emplace_back(mPalette[i], static_cast<int>(i));
    mExact = true;
    return true;
}

void PaletteQuantizer::medianCut(int maxColors)
{
    std::vector<Bin> histogram(static_cast<size_t>(HistSide * HistSide * HistSide));
    for (int y = 0; y < mImage.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(mImage.constScanLine(y));
        for (int x = 0; x < mImage.width(); ++x) {
            const QRgb p = line[x];
            const int r = qRed(p), g = qGreen(p), b = qBlue(p);
            Bin &bin = histogram[static_cast<size_t>(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3))];
            ++bin.count;
            bin.sum[0] += static_cast<unsigned>(r);
            bin.sum[1] += static_cast<unsigned>(g);
            bin.sum[2] += static_cast<unsigned>(b);
        }
    }
    std::vector<Bin> bins;
    for (size_t key = 0; key < histogram.size(); ++key) {
        if (histogram[key].count == 0)
            continue;
        Bin bin = histogram[key];
        bin.at = {static_cast<int>(key >> 10), static_cast<int>((key >> 5) & 31), static_cast<int>(key & 31)};
        bins.push_back(bin);
    }

    std::vector<Box> boxes{makeBox(bins, 0, bins.size())};
    while (static_cast<int>(boxes.size()) < maxColors) {
        // The box whose pixels are spread widest gains most from being cut.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box &a, const Box &b) {
            return static_cast<double>(a.count) * a.range < static_cast<double>(b.count) * b.range;
        });
        if (widest->range == 0)
            break;
        const Box box = *widest;
        const int c = box.longest;
        std::sort(bins.begin() + static_cast<std::ptrdiff_t>(box.begin),
                  bins.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [c](const Bin &a, const Bin &b) { return a.at[c] < b.at[c]; });
        // Cut at the median pixel, leaving at least one bin on each side.
        std::uint64_t below = 0;
        size_t cut = box.begin + 1;
        for (size_t i = box.begin; i + 1 < box.end; ++i) {
            below += bins[i].count;
            cut = i + 1;
            if (below * 2 >= box.count)
                break;
        }
        *widest = makeBox(bins, box.begin, cut);
        boxes.push_back(makeBox(bins, cut, box.end));
    }

    for (const Box &box : boxes) {
        std::array<std::uint64_t, 3> sum{};
        for (size_t i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += bins[i].sum[c];
        }
        const auto mean = [&](int c) { return static_cast<int>((sum[c] + box.count / 2) / box.count); };
        mPalette.push_back(qRgb(mean(0), mean(1), mean(2)));
    }
    mNearest.assign(size_t{1} << 18, -1);
}

int PaletteQuantizer::nearest(int r, int g, int b)
{
    const size_t key =
        (static_cast<size_t>(r >> 2) << 12) | (static_cast<size_t>(g >> 2) << 6) | static_cast<size_t>(b >> 2);
    qint16 &known = mNearest[key];
    if (known >= 0)
        return known;
    // Searched once for the middle of each small cube of colours.
    const int cr = (r & ~3) + 2, cg = (g & ~3) + 2, cb = (b & ~3) + 2;
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < mPalette.size(); ++i) {
        const int dr = qRed(mPalette[i]) - cr, dg = qGreen(mPalette[i]) - cg, db = qBlue(mPalette[i]) - cb;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = static_cast<int>(i);
        }
    }
    known = static_cast<qint16>(best);
    return best;
}

void PaletteQuantizer::mapRow(int y, unsigned char *indices)
{
    const auto *line = reinterpret_cast<const QRgb *>(mImage.constScanLine(y));
    const int w = mImage.width();
    if (mExact) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = line[x] | 0xFF000000u;
            const auto it = std::lower_bound(mExactIndex.begin(), mExactIndex.end(), std::pair<QRgb, int>(p, 0));
            indices[x] = static_cast<unsigned char>(it->second);
        }
        return;
    }
    // Floyd-Steinberg, in sixteenths, every other row right to left so that no direction is favoured.
    std::fill(mNextError.begin(), mNextError.end(), 0);
    const bool leftward = (y % 2) == 1;
    const int step = leftward ? -1 : 1;
    for (int i = 0; i < w; ++i) {
        const int x = leftward ? w - 1 - i : i;
        const size_t at = static_cast<size_t>(x + 1) * 3;
        const QRgb p = line[x];
        const std::array<int, 3> want{clampByte(qRed(p) + mError[at] / 16), clampByte(qGreen(p) + mError[at + 1] / 16),
                                      clampByte(qBlue(p) + mError[at + 2] / 16)};
        const int index = nearest(want[0], want[1], want[2]);
        indices[x] = static_cast<unsigned char>(index);
        const QRgb got = mPalette[static_cast<size_t>(index)];
        const std::array<int, 3> error{want[0] - qRed(got), want[1] - qGreen(got), want[2] - qBlue(got)};
        const size_t ahead = static_cast<size_t>(x + 1 + step) * 3;
        const size_t behind = static_cast<size_t>(x + 1 - step) * 3;
        for (int c = 0; c < 3; ++c) {
            mError[ahead + static_cast<size_t>(c)] += error[c] * 7;
            mNextError[behind + static_cast<size_t>(c)] += error[c] * 3;
            mNextError[at + static_cast<size_t>(c)] += error[c] * 5;
            mNextError[ahead + static_cast<size_t>(c)] += error[c];
        }
    }
    std::swap(mError, mNextError);
}

} // namespace qm
