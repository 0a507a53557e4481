// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace qm {

class CanvasModel;

// The quality of exported JPEG pictures.
inline constexpr int ExportJpegQuality = 85;

// Turns the whole canvas into a picture file, in the format its file name asks for.
class PictureExport
{
public:
    // The image format for a file name by its extension (letter case ignored): "png", "jpeg",
    // "bmp" or "tiff"; empty for any other.
    static QByteArray formatFor(const QString &fileName);
    // The whole canvas at `pixelsPerTwip` (1/15: a 96 DPI screen at full size).
    static QImage render(const CanvasModel &model, double pixelsPerTwip = 1.0 / 15.0);
    // Writes the image through a temporary file that replaces the target only when all went well;
    // false, with the reason in `error`, when the format is unknown or the file cannot be written.
    static bool save(const QImage &image, const QString &fileName, QString *error);
};

} // namespace qm
