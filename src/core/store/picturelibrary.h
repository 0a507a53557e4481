// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QVariant>

namespace qm {

class CanvasState;

// The largest picture kept in memory: at most this many pixels on a side and in all (64 MB at four
// bytes a pixel). A larger picture is reduced to fit as it is read, so a panorama still shows.
inline constexpr int MaxPictureSide = 8000;
inline constexpr qint64 MaxPicturePixels = 16'000'000;
// What the decoder may take to read one picture, in megabytes; a picture that needs more (a PNG of
// more than some 64 million pixels, which cannot be decoded reduced) is refused.
inline constexpr int PictureDecodeLimitMB = 256;

// The source letter an event or a timeline's default keeps for "No picture" (the name is then
// empty): the box shows its name and date only. Older builds read it as a picture that is missing.
inline constexpr QStringView NoPictureSource = u"N";
inline bool isNoPicture(QStringView source)
{
    return source == NoPictureSource;
}

// The folder of a picture library, ending with a separator: "Walls" for kind "W", else "Images";
// in the project folder for source "C", else in the application folder. Existence is not checked.
QString PictureFolder(const CanvasState &g, const QString &source, const QString &kind);
// The picture, or a null image when the file is missing, broken or too large. Never raises.
// True for a plain file name: a name from a project file must not lead out of its library.
bool isLibraryFileName(const QString &fileName);
// The path of a picture in its library; empty when the name is not a plain file name.
// The folder a library's pictures must stay inside: the project's folder (source "C") or the
// application's (the stock library).
QString libraryRoot(const CanvasState &g, const QString &source);
// True when the file or folder, links followed, lies inside the root.
bool staysInside(const QString &path, const QString &root);
// The picture's file, or "" when the name could not be in a library or the file leads out of it.
QString libraryPicturePath(const CanvasState &g, const QString &source, const QString &kind, const QString &fileName);
QImage LoadLibraryPicture(const CanvasState &g, const QString &source, const QString &kind, const QString &fileName);
// Reads one picture file with the same limits.
QImage loadPictureFile(const QString &path);
// Reads a picture within the limits above, decoded to fit `box` as well when it is valid (decoders that
// can, such as JPEG's, reduce while reading). Null when it cannot be read, with the reason in `error`
// as a clause ("it is not a picture in a format this program reads").
QImage readPictureFile(const QString &path, const QSize &box = {}, QString *error = nullptr);
// The value as text, or the default when it is null.
QString NzStr(const QVariant &value, const QString &fallback);

} // namespace qm
