// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectcopy.h"

#include "cltimeline.h"
#include "projectdatabase.h"
#include "projectfiles.h"
#include "storeerror.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace qm {

namespace {

const QString SampleName = QStringLiteral("Rome");

void makeOwnerWritable(const QString &path, bool folder)
{
    QFile::Permissions p = QFile::permissions(path) | QFile::ReadOwner | QFile::WriteOwner;
    if (folder)
        p |= QFile::ExeOwner;
    QFile::setPermissions(path, p);
}

// Copies the folder tree; false at the first thing that cannot be copied.
bool copyFolder(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    makeOwnerWritable(to, true);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        const QString target = to + u'/' + QDir(from).relativeFilePath(entry.filePath());
        if (entry.isSymLink())
            continue;
        if (entry.isDir()) {
            if (!QDir().mkpath(target))
                return false;
            makeOwnerWritable(target, true);
        } else if (!QFile::copy(entry.filePath(), target)) {
            return false;
        } else {
            makeOwnerWritable(target, false);
        }
    }
    return true;
}

} // namespace

StartSettings LoadStartSettings()
{
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("Start"));
    return {s.value(QStringLiteral("SampleCopy")).toString(), s.value(QStringLiteral("ReopenLast")).toBool()};
}

void SaveStartSettings(const StartSettings &settings)
{
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("Start"));
    s.setValue(QStringLiteral("SampleCopy"), settings.sampleCopy);
    s.setValue(QStringLiteral("ReopenLast"), settings.reopenLast);
    s.sync();
}

QString installedSample(const QString &appFolder)
{
    const QString path = appFolder + QStringLiteral("/sample/") + SampleName + QStringLiteral(".qmp");
    return QFileInfo(path).isFile() ? path : QString();
}

bool projectIsWritable(const QString &path, const QString &appFolder)
{
    const QFileInfo info(path);
    // What comes with the program is never changed, whoever runs it; nor is a file its owner marked
    // read-only, though the system would let an administrator write it.
    if (!appFolder.isEmpty() && info.absoluteFilePath().startsWith(QFileInfo(appFolder).absoluteFilePath() + u'/'))
        return false;
    return info.isWritable() && info.permission(QFile::WriteOwner) && QFileInfo(info.absolutePath()).isWritable();
}

void copyProject(const QString &source, const QString &target)
{
    if (QFileInfo::exists(target))
        throw StoreError(QStringLiteral("A file with this name already exists"), QDir::toNativeSeparators(target));
    const QString sourceFolder = projectFolderOf(source);
    const QString targetFolder = projectFolderOf(target);
    const bool withFolder = QFileInfo(sourceFolder).isDir();
    if (withFolder && QFileInfo::exists(targetFolder))
        throw StoreError(QStringLiteral("A folder with the name of the copy's picture folder already exists"),
                         QDir::toNativeSeparators(targetFolder));
    QFile from(source);
    if (!from.copy(target))
        throw StoreError(QStringLiteral("The project cannot be copied"), from.errorString());
    makeOwnerWritable(target, false);
    if (withFolder && !copyFolder(sourceFolder, targetFolder)) {
        QFile::remove(target);
        QDir(targetFolder).removeRecursively();
        throw StoreError(QStringLiteral("The pictures of the project cannot be copied"),
                         QDir::toNativeSeparators(targetFolder));
    }
}

QString freeProjectName(const QString &folder, const QString &base)
{
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".qmp"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(projectFolderOf(path)); ++n)
        path = dir.filePath(QStringLiteral("%1 %2.qmp").arg(base).arg(n));
    return path;
}

QString sampleCopy(StartSettings &settings, const QString &appFolder, const QString &folder)
{
    if (!settings.sampleCopy.isEmpty() && QFileInfo(settings.sampleCopy).isFile())
        return settings.sampleCopy;
    const QString sample = installedSample(appFolder);
    if (sample.isEmpty())
        throw StoreError(QStringLiteral("The sample project is not installed"),
                         QDir::toNativeSeparators(appFolder + QStringLiteral("/sample")));
    if (!QDir().mkpath(folder))
        throw StoreError(QStringLiteral("The folder for the sample project cannot be made"),
                         QDir::toNativeSeparators(folder));
    const QString target = freeProjectName(folder, SampleName);
    copyProject(sample, target);
    settings.sampleCopy = target;
    SaveStartSettings(settings);
    return target;
}

QStringList projectTimelineNames(const QString &path)
{
    QStringList names;
    try {
        ProjectDatabase db;
        db.whileWaiting = [] { return false; };
        db.open(path, ProjectDatabase::Mode::ReadOnly);
        for (const TimelineEntry &t : timelinesByName(db))
            names << t.name;
    } catch (const StoreError &) {
        return {};
    }
    return names;
}

} // namespace qm
