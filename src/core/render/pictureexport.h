// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pagesetup.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace qm {

class CanvasModel;

// The quality of exported JPEG pictures.
inline constexpr int ExportJpegQuality = 85;

// The kinds of file a timeline can be saved as, chosen by the file name's extension.
enum class ExportFormat { None, Jpeg, Png, Bmp, Gif, Tiff, Pdf, Svg };

// How a file is made from the canvas.
struct ExportOptions
{
    // The screen's resolution at full size, and what pictures are made at unless told otherwise.
    static constexpr double ScreenDpi = 96.0;
    static constexpr double DefaultDpi = 300.0;

    // The zoom the model is shown at: files are made at full size whatever it is.
    double zoom = 1.0;
    // The resolution of raster pictures, in dots per inch of the timeline at full size.
    double dpi = DefaultDpi;
    // PDF: the pages as printed instead of one page at true size.
    bool asPrinted = false;
    PageSetup pages = PageSetup::defaults();
    // The paper of the printer, for a page setup that asks for the printer's own.
    QPageSize printerPaper;
    // Heads printed pages when there are several.
    QString title;

    // Device pixels per twip of the model.
    double pixelsPerTwip() const;
};

// Turns the whole canvas, as it is shown but without the page grid, into a picture or drawing file.
class PictureExport
{
public:
    // The largest raster picture made in one piece, in bytes of 32-bit pixels.
    static constexpr qint64 LargestImageBytes = qint64{1} << 30;
    // The JPEG library refuses anything larger on either side.
    static constexpr int JpegLargestSide = 65500;

    // The format for a file name by the extension of its last part (letter case ignored): .jpg,
    // .jpeg, .jpe, .jfif, .png, .bmp, .gif, .tif, .tiff, .pdf, .svg; None for any other or none.
    static ExportFormat formatFor(const QString &fileName);
    static bool isVector(ExportFormat format) { return format == ExportFormat::Pdf || format == ExportFormat::Svg; }
    // What the user is told when a name has no format.
    static QString formatsMessage();

    // The size in pixels of the whole canvas at `pixelsPerTwip` (1/15: a 96 DPI screen at full size).
    static QSize imageSize(const CanvasModel &model, double pixelsPerTwip = 1.0 / 15.0);
    // Why a raster picture of this size cannot be written in the format (a message that points to
    // PDF and SVG); empty when it can.
    static QString sizeProblem(ExportFormat format, const QSize &pixels);
    // The whole canvas at `pixelsPerTwip`, as one off-screen pass of the renderer; a null image when
    // it is larger than LargestImageBytes or memory allows.
    static QImage render(const CanvasModel &model, double pixelsPerTwip = 1.0 / 15.0);

    // Writes the whole canvas to the file in the format its name asks for: raster formats at the
    // options' resolution, PDF and SVG at the canvas's true size or (PDF) as printed. False, with a
    // message for the user in `error`, when the format is unknown, the picture too large, or the file
    // cannot be written; nothing is written or left behind then.
    static bool exportCanvas(const CanvasModel &model, const QString &fileName, const ExportOptions &options,
                             QString *error);
    // The name a file of the type chosen in a file dialog gets: a name without the extension of any
    // format gains `chosenExtension`; one with the extension of another format keeps it, and with it
    // that format.
    static QString withChosenType(const QString &fileName, const QString &chosenExtension);
    // Writes a picture already made, in the raster format the name asks for, under the same rules.
    static bool save(const QImage &image, const QString &fileName, QString *error);
};

} // namespace qm
