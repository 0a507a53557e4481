// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

#include <map>
#include <vector>

class QIODevice;

namespace qm {

// What Qt's SVG generator cannot write well, drawn with stand-ins and put right in its output: each
// distinct picture becomes one definition used wherever a box shows it (instead of a copy per box),
// and the wallpaper a tiled pattern (which the generator cannot fill with at all).
class SvgStandIns
{
public:
    // The background's colour while the wallpaper is drawn as a marker; used for nothing else first.
    static inline const QColor MarkerColor = QColor(1, 254, 3);

    // A one-pixel picture standing for this picture in the drawing.
    QImage standInFor(const QImage &picture);
    // The drawing's title, written escaped: the generator writes its own title as it is, so that a
    // "<" or "&" in it would break the file.
    void setTitle(const QString &title) { mTitle = title; }
    // The cache keys of the pictures stood in for, in the order of their definitions.
    std::vector<qint64> pictureKeys() const;
    // The canvas background is drawn in MarkerColor; it becomes the wallpaper tiled over `background`.
    void setWallpaper(const QImage &wallpaper, const QColor &background);

    // Writes the generated SVG to the device with the stand-ins replaced; false when the device
    // refused the bytes.
    bool rewrite(const QByteArray &generated, QIODevice &device);

private:
    QByteArray definitions() const;
    QByteArray replacePicture(const QByteArray &line) const;
    QByteArray fontFamilies(const QByteArray &family);

    std::vector<QImage> mPictures;
    std::map<qint64, int> mByKey;
    QString mTitle;
    QImage mWallpaper;
    QColor mBackground;
    std::map<QByteArray, QByteArray> mFamilies;
};

} // namespace qm
