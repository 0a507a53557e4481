// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturelibrary.h"

#include "canvasstate.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

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
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPictureSide || size.height() > MaxPictureSide))
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
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
