// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qm {

// Where a project keeps its own pictures: the project path without ".qmp", with a separator at the end.
QString projectFolderOf(const QString &projectPath);
// The template project of the application folder.
QString templatePath(const QString &appFolder);
// Copies the template to a new project file and makes its folder with "Images" and "Walls";
// throws StoreError, leaving nothing behind, when any step fails.
void createProjectFromTemplate(const QString &projectPath, const QString &appFolder);
// Makes the project folder with its "Images" and "Walls" subfolders; false when that fails.
bool makeProjectFolders(const QString &projectFolder);

} // namespace qm
