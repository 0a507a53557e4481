// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

namespace qm {

using RecentList = std::array<QString, 5>;

// The five most recently used projects, most recent first, kept in the user's settings
// (organisation and application "Quillmarsh", group "Paths", values Path1 to Path5).
void LoadPaths(RecentList &paths);
void SavePaths(const RecentList &paths);
// Moves the path to the front; a new path pushes the fifth entry out.
void PushRecentPath(RecentList &paths, const QString &path);
// Removes entry i (1 to 5); the entries after it move up and the last becomes empty.
void RemoveRecentPath(RecentList &paths, int i);
// How a recent project is listed: its file name and the name of the folder that holds it,
// "Rome.qmp — Documents" (the full path goes in the tooltip).
QString RecentCaption(const QString &path);
// The text after the last "." when no separator follows it; "" otherwise.
QString FileExtension(const QString &path);

} // namespace qm
