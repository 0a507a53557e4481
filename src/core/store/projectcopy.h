// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace qm {

// What the program remembers between runs about how it starts.
struct StartSettings
{
    // The user's own copy of the sample project, made the first time it was asked for.
    QString sampleCopy;
    // Whether a project was still open when the program last ended: it is opened again at start.
    bool reopenLast = false;
};
StartSettings LoadStartSettings();
void SaveStartSettings(const StartSettings &settings);

// The sample project that comes with the program; "" when it is not installed.
QString installedSample(const QString &appFolder);
// Whether the project file and the folder that holds it may be changed: not a file of the application
// folder, of a read-only disk or marked read-only.
bool projectIsWritable(const QString &path, const QString &appFolder = {});
// Copies a project file and its picture folder to `target` (which must not exist), the copy writable by
// its owner whatever the original allowed; throws StoreError, leaving nothing behind, when a step fails.
void copyProject(const QString &source, const QString &target);
// The first free name "<base>.qmp", "<base> 2.qmp", ... in the folder.
QString freeProjectName(const QString &folder, const QString &base);
// The user's writable copy of the sample: the one made before when it still exists, else a new copy in
// `folder` (made when missing), remembered in the settings. Throws StoreError when no copy can be made.
QString sampleCopy(StartSettings &settings, const QString &appFolder, const QString &folder);
// The names of the project's timelines, read without writing a byte and without waiting for another
// program; empty when the file cannot be read as a project.
QStringList projectTimelineNames(const QString &path);

} // namespace qm
