// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "svgstandins.h"

#include <QBuffer>
#include <QFont>
#include <QFontInfo>
#include <QIODevice>
#include <QStringList>

namespace qm {

namespace {

// One wallpaper pixel covers one screen pixel at full size, as on the canvas.
constexpr double WallpaperPixelTwips = 15.0;
const QByteArray PictureId = QByteArrayLiteral("qmpicture");

// The value of attribute `name` in an element's text; empty when it has none.
QByteArray attribute(const QByteArray &line, const char *name)
{
    const QByteArray key = QByteArray(" ") + name + "=\"";
    const qsizetype start = line.indexOf(key);
    if (start < 0)
        return {};
    const qsizetype from = start + key.size();
    const qsizetype end = line.indexOf('"', from);
    return end < 0 ? QByteArray() : line.mid(from, end - from);
}

QByteArray number(double v)
{
    return QByteArray::number(v, 'g', 10);
}

// A picture as a data address, in the format that keeps it best for its size.
QByteArray dataAddress(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const bool png = image.hasAlphaChannel() || image.width() * image.height() < 64 * 64;
    image.save(&buffer, png ? "PNG" : "JPEG", png ? -1 : 92);
    return QByteArray("data:image/") + (png ? "png" : "jpeg") + ";base64," + buffer.data().toBase64();
}

QByteArray xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

} // namespace

QImage SvgStandIns::standInFor(const QImage &picture)
{
    const auto [it, fresh] = mByKey.emplace(picture.cacheKey(), static_cast<int>(mPictures.size()));
    if (fresh)
        mPictures.push_back(picture);
    const int n = it->second;
    QImage standIn(1, 1, QImage::Format_RGB32);
    standIn.setPixel(0, 0, qRgb((n >> 16) & 0xFF, (n >> 8) & 0xFF, n & 0xFF));
    return standIn;
}

std::vector<qint64> SvgStandIns::pictureKeys() const
{
    std::vector<qint64> keys;
    keys.reserve(mPictures.size());
    for (const QImage &picture : mPictures)
        keys.push_back(picture.cacheKey());
    return keys;
}

void SvgStandIns::setWallpaper(const QImage &wallpaper, const QColor &background)
{
    mWallpaper = wallpaper;
    mBackground = background;
}

QByteArray SvgStandIns::definitions() const
{
    QByteArray defs;
    for (size_t n = 0; n < mPictures.size(); ++n) {
        const QImage &picture = mPictures[n];
        defs += "<image id=\"" + PictureId + QByteArray::number(static_cast<qulonglong>(n)) + "\" width=\"" +
                QByteArray::number(picture.width()) + "\" height=\"" + QByteArray::number(picture.height()) +
                "\" preserveAspectRatio=\"none\" xlink:href=\"" + dataAddress(picture) + "\"/>\n";
    }
    if (!mWallpaper.isNull()) {
        const QByteArray w = number(mWallpaper.width() * WallpaperPixelTwips);
        const QByteArray h = number(mWallpaper.height() * WallpaperPixelTwips);
        defs += "<pattern id=\"qmwallpaper\" patternUnits=\"userSpaceOnUse\" x=\"0\" y=\"0\" width=\"" + w +
                "\" height=\"" + h + "\">\n<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"" +
                mBackground.name().toLatin1() + "\"/>\n<image width=\"" + w + "\" height=\"" + h +
                "\" preserveAspectRatio=\"none\" xlink:href=\"" + dataAddress(mWallpaper) + "\"/>\n</pattern>\n";
    }
    return defs;
}

QByteArray SvgStandIns::replacePicture(const QByteArray &line) const
{
    const qsizetype data = line.indexOf("base64,");
    if (data < 0)
        return line;
    const qsizetype end = line.indexOf('"', data);
    const QImage standIn = QImage::fromData(QByteArray::fromBase64(line.mid(data + 7, end - data - 7)), "PNG");
    if (standIn.size() != QSize(1, 1))
        return line;
    const QRgb p = standIn.pixel(0, 0);
    const size_t n = (static_cast<size_t>(qRed(p)) << 16) | (static_cast<size_t>(qGreen(p)) << 8) | qBlue(p);
    if (n >= mPictures.size())
        return line;
    const QImage &picture = mPictures[n];
    const double sx = attribute(line, "width").toDouble() / picture.width();
    const double sy = attribute(line, "height").toDouble() / picture.height();
    return "<use xlink:href=\"#" + PictureId + QByteArray::number(static_cast<qulonglong>(n)) +
           "\" transform=\"translate(" + attribute(line, "x") + "," + attribute(line, "y") + ") scale(" + number(sx) +
           "," + number(sy) + ")\"/>";
}

QByteArray SvgStandIns::fontFamilies(const QByteArray &family)
{
    const auto known = mFamilies.find(family);
    if (known != mFamilies.end())
        return known->second;
    // The family the timeline names first, then the look-alikes this program draws it with, so that
    // a viewer without the named font shows what the window showed.
    const QString name = QString::fromUtf8(family);
    QStringList names{name};
    names += QFont::substitutes(name);
    names << QFontInfo(QFont(name)).family();
    names.removeDuplicates();
    QStringList quoted;
    for (const QString &n : names) {
        if (!n.isEmpty() && !n.contains(u'\''))
            quoted << QChar(u'\'') + n + QChar(u'\'');
    }
    const QByteArray list = xmlEscaped(quoted.join(QStringLiteral(", ")));
    mFamilies.emplace(family, list);
    return list;
}

bool SvgStandIns::rewrite(const QByteArray &generated, QIODevice &device)
{
    const QByteArray marker = "fill=\"" + MarkerColor.name().toLatin1() + "\"";
    bool markerFound = mWallpaper.isNull();
    qsizetype from = 0;
    while (from < generated.size()) {
        qsizetype end = generated.indexOf('\n', from);
        if (end < 0)
            end = generated.size();
        QByteArray line = generated.mid(from, end - from);
        from = end + 1;

        if (line.startsWith("<image ")) {
            line = replacePicture(line);
        } else if (line.startsWith("<desc>") && !mTitle.isEmpty()) {
            line.prepend("<title>" + xmlEscaped(mTitle) + "</title>\n");
        } else if (line.startsWith("<defs>")) {
            line += "\n" + definitions();
            line.chop(1);
        } else if (line.contains("baseProfile=\"tiny\"")) {
            // Patterns and used pictures are SVG 1.1, beyond the tiny profile.
            line.replace("version=\"1.2\" baseProfile=\"tiny\"", "version=\"1.1\"");
        }
        if (!markerFound && line.contains(marker)) {
            line.replace(marker, "fill=\"url(#qmwallpaper)\"");
            markerFound = true;
        }
        for (qsizetype at = line.indexOf("font-family=\""); at >= 0; at = line.indexOf("font-family=\"", at + 1)) {
            const qsizetype start = at + 13;
            const qsizetype stop = line.indexOf('"', start);
            if (stop < 0)
                break;
            const QByteArray families = fontFamilies(line.mid(start, stop - start));
            line.replace(start, stop - start, families);
        }
        line += '\n';
        if (device.write(line) != line.size())
            return false;
    }
    return true;
}

} // namespace qm
