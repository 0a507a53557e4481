// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCache>
#include <QDateTime>
#include <QImage>
#include <QString>

namespace qm {

class CanvasState;

// Decoded pictures by file, so that a picture shown on many boxes is read from disk once. A file
// changed on disk since it was read is read again.
class PictureCache
{
public:
    explicit PictureCache(qint64 maxBytes = qint64(512) * 1024 * 1024);

    // The picture of a library (as LoadLibraryPicture finds it); a null image when it cannot be read.
    QImage picture(const CanvasState &g, const QString &source, const QString &kind, const QString &fileName);
    // The picture in that file; a null image when it cannot be read.
    QImage file(const QString &path);
    // Forgets every picture: a closed project's pictures are no use to the next one.
    void clear();

    int size() const { return static_cast<int>(mEntries.size()); }
    // How many files were decoded since the cache was made.
    int decodeCount() const { return mDecodes; }

private:
    struct Entry
    {
        QImage image;
        QDateTime modified;
        qint64 fileSize = 0;
    };

    QCache<QString, Entry> mEntries;
    int mDecodes = 0;
};

} // namespace qm
