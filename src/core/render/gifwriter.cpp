// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gifwriter.h"

#include "palettequantizer.h"

#include <QIODevice>
#include <QImage>

#include <gif_lib.h>

#include <algorithm>
#include <vector>

namespace qm {

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

int toDevice(GifFileType *gif, const GifByteType *bytes, int length)
{
    auto *device = static_cast<QIODevice *>(gif->UserData);
    return static_cast<int>(device->write(reinterpret_cast<const char *>(bytes), length));
}

QString gifError(int code)
{
    const char *text = GifErrorString(code);
    return text ? QString::fromUtf8(text) : QStringLiteral("GIF error %1").arg(code);
}

} // namespace

bool GifWriter::write(const QImage &picture, QIODevice &device, QString *error)
{
    if (picture.isNull())
        return fail(error, QStringLiteral("there is no picture to write"));
    if (picture.width() > LargestSide || picture.height() > LargestSide)
        return fail(error, QStringLiteral("GIF pictures can be at most %1 pixels on a side").arg(LargestSide));
    PaletteQuantizer quantizer(picture);
    const std::vector<QRgb> &palette = quantizer.palette();
    const int w = picture.width();
    const int h = picture.height();

    // A GIF colour table holds a power of two entries.
    const int bits = std::max(1, GifBitSize(static_cast<int>(palette.size())));
    std::vector<GifColorType> colors(size_t{1} << bits, GifColorType{0, 0, 0});
    for (size_t i = 0; i < palette.size(); ++i)
        colors[i] =
            GifColorType{static_cast<GifByteType>(qRed(palette[i])), static_cast<GifByteType>(qGreen(palette[i])),
                         static_cast<GifByteType>(qBlue(palette[i]))};
    ColorMapObject *map = GifMakeMapObject(1 << bits, colors.data());
    if (!map)
        return fail(error, QStringLiteral("not enough memory for the palette"));

    int code = 0;
    GifFileType *gif = EGifOpen(&device, toDevice, &code);
    if (!gif) {
        GifFreeMapObject(map);
        return fail(error, gifError(code));
    }
    bool ok = EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    // Row by row, so that no second copy of a long timeline's picture is ever held.
    std::vector<GifPixelType> row(static_cast<size_t>(w));
    for (int y = 0; ok && y < h; ++y) {
        quantizer.mapRow(y, row.data());
        ok = EGifPutLine(gif, row.data(), w) == GIF_OK;
    }
    const int writeError = gif->Error;
    GifFreeMapObject(map);
    int closeError = 0;
    const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
    if (!ok)
        return fail(error, gifError(writeError));
    if (!closed)
        return fail(error, gifError(closeError));
    return true;
}

} // namespace qm
