// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelibrary.h"

#include "canvasstate.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <cmath>

namespace qm {

QString PictureFolder(const CanvasState &g, const QString &source, const QString &kind)
{
    const QString sub = kind == u"W" ? QStringLiteral("Walls") : QStringLiteral("Images");
    if (source == u"C")
        return g.ProjectFolder + sub + QDir::separator();
    return QDir::toNativeSeparators(g.appFolder + u'/' + sub) + QDir::separator();
}

QImage loadPictureFile(const QString &path)
{
    return readPictureFile(path);
}

QImage readPictureFile(const QString &path, const QSize &box, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return QImage();
    };
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return fail(QStringLiteral("there is no such file"));
    QImageReader reader(path);
    reader.setAutoTransform(true);
    reader.setAllocationLimit(PictureDecodeLimitMB);
    const QSize size = reader.size();
    // Only JPEG and SVG decoders reduce while reading; the others hold the whole picture first. Said here,
    // as Qt's own refusal names no reason.
    const QByteArray format = reader.format();
    const bool reduces = format == "jpeg" || format == "svg" || format == "svgz";
    if (size.isValid() && !reduces && double(size.width()) * size.height() * 4 > PictureDecodeLimitMB * 1048576.0)
        return fail(QStringLiteral("at %1 × %2 pixels it would take more than %3 MB of memory to read")
                        .arg(size.width())
                        .arg(size.height())
                        .arg(PictureDecodeLimitMB));
    if (size.isValid() && !size.isEmpty()) {
        QSize fitted = size;
        if (fitted.width() > MaxPictureSide || fitted.height() > MaxPictureSide)
            fitted.scale(MaxPictureSide, MaxPictureSide, Qt::KeepAspectRatio);
        if (box.isValid() && (fitted.width() > box.width() || fitted.height() > box.height()))
            fitted.scale(box, Qt::KeepAspectRatio);
        const double pixels = double(fitted.width()) * fitted.height();
        if (pixels > double(MaxPicturePixels)) {
            const double f = std::sqrt(double(MaxPicturePixels) / pixels);
            fitted = QSize(int(fitted.width() * f), int(fitted.height() * f));
        }
        if (fitted != size)
            reader.setScaledSize(fitted.expandedTo(QSize(1, 1)));
    }
    QImage image;
    if (!reader.read(&image))
        return fail(reader.error() == QImageReader::UnsupportedFormatError
                        ? QStringLiteral("it is not a picture in a format this program reads")
                        : QStringLiteral("its picture cannot be decoded (%1)").arg(reader.errorString()));
    return image;
}

bool isLibraryFileName(const QString &fileName)
{
    return !fileName.isEmpty() && fileName != u"." && fileName != u".." && !fileName.contains(u'/') &&
           !fileName.contains(u'\\') && !fileName.contains(QChar(u'\0'));
}

QString libraryRoot(const CanvasState &g, const QString &source)
{
    return source == u"C" ? g.ProjectFolder : g.appFolder;
}

bool staysInside(const QString &path, const QString &root)
{
    // Links are followed to where they lead: a picture or folder that leads out of its library is refused.
    const QString real = QFileInfo(path).canonicalFilePath();
    const QString realRoot = QFileInfo(root).canonicalFilePath();
    if (real.isEmpty() || realRoot.isEmpty())
        return false;
    return real == realRoot || real.startsWith(realRoot + u'/');
}

QString libraryPicturePath(const CanvasState &g, const QString &source, const QString &kind, const QString &fileName)
{
    if (!isLibraryFileName(fileName))
        return {};
    const QString path = PictureFolder(g, source, kind) + fileName;
    const QString root = libraryRoot(g, source);
    if (root.isEmpty() || !staysInside(path, root))
        return {};
    return path;
}

QImage LoadLibraryPicture(const CanvasState &g, const QString &source, const QString &kind, const QString &fileName)
{
    return loadPictureFile(libraryPicturePath(g, source, kind, fileName));
}

QString NzStr(const QVariant &value, const QString &fallback)
{
    return value.isNull() ? fallback : value.toString();
}

} // namespace qm
