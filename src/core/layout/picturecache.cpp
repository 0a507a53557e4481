// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturecache.h"

#include "store/picturelibrary.h"

#include <QFileInfo>

namespace qm {

PictureCache::PictureCache(qint64 maxBytes) : mEntries(static_cast<qsizetype>(std::max<qint64>(1, maxBytes / 1024))) {}

QImage PictureCache::picture(const CanvasState &g, const QString &source, const QString &kind, const QString &fileName)
{
    const QString path = libraryPicturePath(g, source, kind, fileName);
    if (path.isEmpty())
        return {};
    return file(path);
}

QImage PictureCache::file(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        mEntries.remove(path);
        return {};
    }
    const QDateTime modified = info.lastModified();
    if (const Entry *e = mEntries.object(path); e && e->modified == modified && e->fileSize == info.size())
        return e->image;

    ++mDecodes;
    QImage image = loadPictureFile(path);
    // One pixel format for every picture: painting never converts again, however often it is shown.
    if (!image.isNull())
        image =
            image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    auto *entry = new Entry{image, modified, info.size()};
    const qsizetype cost = std::max<qsizetype>(1, image.sizeInBytes() / 1024);
    // A picture too large for the cache is still shown; it is just not kept.
    mEntries.insert(path, entry, cost);
    return image;
}

void PictureCache::clear()
{
    mEntries.clear();
}

} // namespace qm
