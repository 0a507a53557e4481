// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureexport.h"

#include "canvasrenderer.h"
#include "layout/canvasmodel.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <cmath>

namespace qm {

namespace {

// The JPEG library refuses anything larger on either side.
constexpr int JpegLargestSide = 65500;

} // namespace

QByteArray PictureExport::formatFor(const QString &fileName)
{
    const QString ext = QFileInfo(fileName).suffix().toLower();
    if (ext == u"png")
        return QByteArrayLiteral("png");
    if (ext == u"jpg" || ext == u"jpeg" || ext == u"jpe" || ext == u"jfif")
        return QByteArrayLiteral("jpeg");
    if (ext == u"bmp")
        return QByteArrayLiteral("bmp");
    if (ext == u"tif" || ext == u"tiff")
        return QByteArrayLiteral("tiff");
    return {};
}

QImage PictureExport::render(const CanvasModel &model, double pixelsPerTwip)
{
    const int w = std::max(1, static_cast<int>(std::lround(model.width * pixelsPerTwip)));
    const int h = std::max(1, static_cast<int>(std::lround(model.height * pixelsPerTwip)));
    QImage image(w, h, QImage::Format_RGB32);
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

bool PictureExport::save(const QImage &image, const QString &fileName, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QByteArray format = formatFor(fileName);
    if (format.isEmpty())
        return fail(QStringLiteral("Pictures can be saved as PNG, JPEG, BMP or TIFF, chosen by the file extension"));
    if (image.isNull())
        return fail(QStringLiteral("The timeline is too large to be made into one picture"));
    if (format == "jpeg" && (image.width() > JpegLargestSide || image.height() > JpegLargestSide))
        return fail(QStringLiteral("The timeline is %1 pixels wide: JPEG pictures can be at most %2; "
                                   "save it as PNG or TIFF")
                        .arg(image.width())
                        .arg(JpegLargestSide));

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    QImageWriter writer(&file, format);
    if (format == "jpeg")
        writer.setQuality(ExportJpegQuality);
    if (!writer.write(image)) {
        file.cancelWriting();
        return fail(QStringLiteral("Cannot write %1: %2").arg(fileName, writer.errorString()));
    }
    if (!file.commit())
        return fail(QStringLiteral("Cannot write %1: %2").arg(fileName, file.errorString()));
    return true;
}

} // namespace qm
