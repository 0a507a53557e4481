// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectfiles.h"

#include "projectdatabase.h"
#include "storeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qm {

QString projectFolderOf(const QString &projectPath)
{
    // The file name without its extension; a name without one gets a folder name of its own, so that
    // folder and file never collide.
    const QFileInfo info(projectPath);
    if (info.suffix().isEmpty())
        return projectPath + QStringLiteral("_files") + QDir::separator();
    return projectPath.chopped(info.suffix().size() + 1) + QDir::separator();
}

QString templatePath(const QString &appFolder)
{
    return appFolder + QStringLiteral("/qm210.qmp");
}

bool makeProjectFolders(const QString &projectFolder)
{
    QDir dir;
    return dir.mkpath(projectFolder + QStringLiteral("Images")) && dir.mkpath(projectFolder + QStringLiteral("Walls"));
}

void createProjectFromTemplate(const QString &projectPath, const QString &appFolder)
{
    const QString source = templatePath(appFolder);
    if (!QFileInfo::exists(source))
        throw StoreError(QStringLiteral("The template project is missing"), QDir::toNativeSeparators(source));
    if (QFileInfo::exists(projectPath))
        throw StoreError(QStringLiteral("A file with this name already exists"), QDir::toNativeSeparators(projectPath));
    if (!QFile::copy(source, projectPath))
        throw StoreError(QStringLiteral("Cannot create the project file"), QDir::toNativeSeparators(projectPath));
    // The template may have been installed read-only; the copy is the user's to change.
    QFile::setPermissions(projectPath, QFile::permissions(projectPath) | QFile::WriteOwner | QFile::ReadOwner);
    const QString folder = projectFolderOf(projectPath);
    const bool folderExisted = QFileInfo::exists(folder);
    if (!makeProjectFolders(folder)) {
        QFile::remove(projectPath);
        if (!folderExisted)
            QDir(folder).removeRecursively();
        throw StoreError(QStringLiteral("Cannot create the project folder"), QDir::toNativeSeparators(folder));
    }
}

} // namespace qm
