// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturefiles.h"

#include "globals.h"
#include "picturelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>

#include <algorithm>

namespace qm {

QStringList pictureSuffixes()
{
    const QList<QByteArray> offered = QImageReader::supportedImageFormats();
    const struct
    {
        const char *format;
        QStringList suffixes;
    } known[] = {
        {"png", {QStringLiteral("png")}},
        {"jpeg", {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
        {"gif", {QStringLiteral("gif")}},
        {"bmp", {QStringLiteral("bmp")}},
        {"tiff", {QStringLiteral("tif"), QStringLiteral("tiff")}},
        {"webp", {QStringLiteral("webp")}},
        {"svg", {QStringLiteral("svg")}},
    };
    QStringList suffixes;
    for (const auto &k : known) {
        if (offered.contains(QByteArray(k.format)))
            suffixes += k.suffixes;
    }
    return suffixes;
}

QString pictureFileFilter()
{
    QStringList patterns;
    for (const QString &s : pictureSuffixes())
        patterns << QStringLiteral("*.") + s;
    return QStringLiteral("Pictures (%1)").arg(patterns.join(u' '));
}

bool hasPictureSuffix(const QString &fileName)
{
    return pictureSuffixes().contains(QFileInfo(fileName).suffix().toLower());
}

QStringList libraryFiles(const Globals &g, const QString &source, const QString &kind)
{
    if (source == u"C" && g.ProjectFolder.isEmpty())
        return {};
    QDir folder(PictureFolder(g, source, kind));
    QStringList patterns;
    for (const QString &s : pictureSuffixes())
        patterns << QStringLiteral("*.") + s;
    folder.setNameFilters(patterns);
    QStringList names = folder.entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    // Names a project could not refer to would only give empty pictures.
    const QString root = libraryRoot(g, source);
    names.removeIf(
        [&folder, &root](const QString &n) { return !isLibraryFileName(n) || !staysInside(folder.filePath(n), root); });
    return names;
}

QImage loadThumbnail(const QString &path, const QSize &box)
{
    QImage image = readPictureFile(path, box);
    // Decoders that cannot reduce while reading gave it whole.
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

namespace {

// Copies through a temporary file that replaces the target only when it is complete.
QString copyInto(const QString &source, const QString &target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    QSaveFile outFile(target);
    if (!outFile.open(QIODevice::WriteOnly))
        return outFile.errorString();
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return in.errorString();
        if (n == 0)
            break;
        if (outFile.write(buffer, n) != n)
            return outFile.errorString();
    }
    if (!outFile.commit())
        return outFile.errorString();
    return {};
}

} // namespace

ImportResult importPictures(const Globals &g, const QString &kind, const QStringList &paths,
                            const std::function<bool(int, int)> &progress)
{
    ImportResult result;
    const QString folder = PictureFolder(g, QStringLiteral("C"), kind);
    if (g.ProjectFolder.isEmpty() || !QDir().mkpath(folder)) {
        for (const QString &p : paths)
            result.failures << QStringLiteral("%1: the project's picture folder cannot be made").arg(p);
        return result;
    }
    // Pictures are written only inside the project: never through a link that leads elsewhere.
    if (!staysInside(folder, g.ProjectFolder)) {
        for (const QString &p : paths)
            result.failures << QStringLiteral("%1: the project's picture folder leads outside the project")
                                   .arg(QDir::toNativeSeparators(p));
        return result;
    }
    const int total = static_cast<int>(paths.size());
    for (int i = 0; i < total; ++i) {
        const QFileInfo info(paths[i]);
        const QString target = folder + info.fileName();
        QString error;
        if (!info.isFile())
            error = QStringLiteral("there is no such file");
        else if (QString why; readPictureFile(info.absoluteFilePath(), QSize(64, 64), &why).isNull())
            error = why + QStringLiteral("; it was not copied");
        else if (QFileInfo(target).isSymLink())
            error = QStringLiteral("the picture of that name in the project is a link to a file elsewhere; it is "
                                   "not replaced");
        else if (QFileInfo(target).exists() && QFileInfo(target).canonicalFilePath() == info.canonicalFilePath())
            error.clear(); // already in the library: nothing to copy
        else
            error = copyInto(info.absoluteFilePath(), target);
        if (error.isEmpty())
            result.copied << info.fileName();
        else
            result.failures << QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(paths[i]), error);
        if (progress && !progress(i + 1, total))
            break;
    }
    return result;
}

} // namespace qm
