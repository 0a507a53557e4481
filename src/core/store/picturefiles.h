// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace qm {

class Globals;

// The file name endings of the picture formats this program decodes, lower case without the dot:
// PNG, JPEG, GIF, BMP, TIFF, WebP and SVG, as far as the installed image plugins offer them.
QStringList pictureSuffixes();
// A file dialog filter for those pictures, such as "Pictures (*.png *.jpg ...)".
QString pictureFileFilter();
// True when the name ends in one of pictureSuffixes(), letter case ignored.
bool hasPictureSuffix(const QString &fileName);

// The picture files of a library, by name (letter case ignored); none when the folder is missing.
QStringList libraryFiles(const Globals &g, const QString &source, const QString &kind);

// A small copy of a picture file that fits `box`, decoded at that size where the format allows, so
// that a folder of large photographs gives its thumbnails quickly. Null for what cannot be read.
// Safe to call from any thread.
QImage loadThumbnail(const QString &path, const QSize &box);

// What an import did: the names that were copied and, for each file that was not, why.
struct ImportResult
{
    QStringList copied;
    QStringList failures;
};

// Copies picture files into the project's own library of that kind ("I" or "W"), each under its own
// name, replacing a file of the same name. A file that cannot be decoded as a picture is not copied. A copy that fails
// leaves the library file it would have replaced intact, and the others are still copied. `progress` (when given) hears
// (done, total) after each file and may stop the rest by returning false.
ImportResult importPictures(const Globals &g, const QString &kind, const QStringList &paths,
                            const std::function<bool(int done, int total)> &progress = {});

} // namespace qm
