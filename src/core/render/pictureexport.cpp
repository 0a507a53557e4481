// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureexport.h"

#include "canvasrenderer.h"
#include "exportfile.h"
#include "gifwriter.h"
#include "layout/canvasmodel.h"
#include "vectorexport.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

namespace {

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

const char *qtFormat(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Jpeg:
        return "jpeg";
    case ExportFormat::Png:
        return "png";
    case ExportFormat::Bmp:
        return "bmp";
    case ExportFormat::Tiff:
        return "tiff";
    default:
        return nullptr;
    }
}

int largestSide(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Jpeg:
        return PictureExport::JpegLargestSide;
    case ExportFormat::Gif:
        return GifWriter::LargestSide;
    default:
        return std::numeric_limits<int>::max();
    }
}

QString formatName(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Jpeg:
        return QStringLiteral("JPEG");
    case ExportFormat::Gif:
        return QStringLiteral("GIF");
    default:
        return QStringLiteral("raster");
    }
}

bool writeRaster(const QImage &image, ExportFormat format, QIODevice &device, QString *error)
{
    if (format == ExportFormat::Gif)
        return GifWriter::write(image, device, error);
    QImageWriter writer(&device, qtFormat(format));
    if (format == ExportFormat::Jpeg)
        writer.setQuality(ExportJpegQuality);
    if (writer.write(image))
        return true;
    return fail(error, writer.error() == QImageWriter::UnknownError ? QString() : writer.errorString());
}

} // namespace

ExportFormat PictureExport::formatFor(const QString &fileName)
{
    // Only the file's own name counts: a dot in a folder name is no extension.
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == u"jpg" || ext == u"jpeg" || ext == u"jpe" || ext == u"jfif")
        return ExportFormat::Jpeg;
    if (ext == u"png")
        return ExportFormat::Png;
    if (ext == u"bmp")
        return ExportFormat::Bmp;
    if (ext == u"gif")
        return ExportFormat::Gif;
    if (ext == u"tif" || ext == u"tiff")
        return ExportFormat::Tiff;
    if (ext == u"pdf")
        return ExportFormat::Pdf;
    if (ext == u"svg")
        return ExportFormat::Svg;
    return ExportFormat::None;
}

QString PictureExport::formatsMessage()
{
    return QStringLiteral("The file name must end in the extension of a format: .jpg or .jpeg (JPEG), .png (PNG), "
                          ".bmp (BMP), .gif (GIF), .tif or .tiff (TIFF), .pdf (PDF) or .svg (SVG).");
}

QSize PictureExport::imageSize(const CanvasModel &model, double pixelsPerTwip)
{
    // Rounded as the screen rounds the canvas; even an empty canvas is one pixel.
    const double w = std::max(1.0, std::round(model.width * pixelsPerTwip));
    const double h = std::max(1.0, std::round(model.height * pixelsPerTwip));
    constexpr double most = std::numeric_limits<int>::max();
    return {static_cast<int>(std::min(w, most)), static_cast<int>(std::min(h, most))};
}

QString PictureExport::sizeProblem(ExportFormat format, const QSize &pixels)
{
    const int side = largestSide(format);
    if (pixels.width() > side || pixels.height() > side)
        return QStringLiteral("The timeline is %1 × %2 pixels: %3 pictures can be at most %4 pixels on a side. "
                              "Save it as PDF or SVG, which have no such limit.")
            .arg(pixels.width())
            .arg(pixels.height())
            .arg(formatName(format))
            .arg(side);
    if (qint64{pixels.width()} * pixels.height() * 4 > LargestImageBytes)
        return QStringLiteral("The timeline is %1 × %2 pixels, too large to be made into one picture. "
                              "Save it as PDF or SVG, which have no such limit.")
            .arg(pixels.width())
            .arg(pixels.height());
    return {};
}

QImage PictureExport::render(const CanvasModel &model, double pixelsPerTwip)
{
    const QSize size = imageSize(model, pixelsPerTwip);
    if (qint64{size.width()} * size.height() * 4 > LargestImageBytes)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    // The picture carries the resolution it was drawn at, and fonts are sized for it.
    const int dotsPerMeter = static_cast<int>(std::lround(pixelsPerTwip * 1440.0 / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(colorFromLong(model.backColor));
    QPainter p(&image);
    CanvasRenderer::paint(p, model, QRectF(0, 0, model.width, model.height), pixelsPerTwip);
    return image;
}

double ExportOptions::pixelsPerTwip() const
{
    const double z = zoom > 0 && std::isfinite(zoom) ? zoom : 1.0;
    const double d = dpi > 0 && std::isfinite(dpi) ? dpi : DefaultDpi;
    return d / 1440.0 / z;
}

QString PictureExport::withChosenType(const QString &fileName, const QString &chosenExtension)
{
    if (fileName.isEmpty() || chosenExtension.isEmpty() || formatFor(fileName) != ExportFormat::None)
        return fileName;
    return fileName + u'.' + chosenExtension;
}

bool PictureExport::exportCanvas(const CanvasModel &model, const QString &fileName, const ExportOptions &options,
                                 QString *error)
{
    const double pixelsPerTwip = options.pixelsPerTwip();
    const ExportFormat format = formatFor(fileName);
    if (format == ExportFormat::None)
        return fail(error, formatsMessage());
    // A name that cannot be written is refused before the long work of drawing.
    if (ExportFile::target(fileName, error).isEmpty())
        return false;
    if (format == ExportFormat::Pdf)
        return ExportFile::write(
            fileName,
            [&](QIODevice &d, QString *why) {
                return options.asPrinted ? VectorExport::writePdfPages(model, options.zoom, options.pages,
                                                                       options.pages.pageLayout(options.printerPaper),
                                                                       options.title, d, why)
                                         : VectorExport::writePdf(model, options.zoom, d, why);
            },
            error);
    if (format == ExportFormat::Svg)
        return ExportFile::write(
            fileName, [&](QIODevice &d, QString *why) { return VectorExport::writeSvg(model, options.zoom, d, why); },
            error);

    const QString tooLarge = sizeProblem(format, imageSize(model, pixelsPerTwip));
    if (!tooLarge.isEmpty())
        return fail(error, tooLarge);
    const QImage image = render(model, pixelsPerTwip);
    if (image.isNull())
        return fail(error, QStringLiteral("There is not enough memory to make the timeline into one picture. "
                                          "Save it as PDF or SVG, which need far less."));
    return save(image, fileName, error);
}

bool PictureExport::save(const QImage &image, const QString &fileName, QString *error)
{
    const ExportFormat format = formatFor(fileName);
    if (format == ExportFormat::None || isVector(format))
        return fail(error, formatsMessage());
    if (image.isNull())
        return fail(error, QStringLiteral("The timeline is too large to be made into one picture. "
                                          "Save it as PDF or SVG, which have no such limit."));
    const QString tooLarge = sizeProblem(format, image.size());
    if (!tooLarge.isEmpty())
        return fail(error, tooLarge);
    return ExportFile::write(
        fileName, [&](QIODevice &d, QString *why) { return writeRaster(image, format, d, why); }, error);
}

} // namespace qm
