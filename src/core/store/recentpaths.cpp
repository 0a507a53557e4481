// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recentpaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace qm {

namespace {

bool isSeparator(QChar c)
{
    return c == u'/' || c == u'\\';
}

} // namespace

void LoadPaths(RecentList &paths)
{
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("Paths"));
    for (int i = 1; i <= 5; ++i)
        paths[static_cast<size_t>(i - 1)] = s.value(QStringLiteral("Path%1").arg(i)).toString();
}

void SavePaths(const RecentList &paths)
{
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("Paths"));
    for (int i = 1; i <= 5; ++i)
        s.setValue(QStringLiteral("Path%1").arg(i), paths[static_cast<size_t>(i - 1)]);
    s.sync();
}

void PushRecentPath(RecentList &paths, const QString &path)
{
    size_t p = paths.size() - 1;
    for (size_t i = 0; i < paths.size(); ++i) {
        if (paths[i] == path) {
            p = i;
            break;
        }
    }
    for (size_t i = p; i > 0; --i)
        paths[i] = paths[i - 1];
    paths[0] = path;
}

void RemoveRecentPath(RecentList &paths, int i)
{
    if (i < 1 || i > static_cast<int>(paths.size()))
        return;
    for (auto k = static_cast<size_t>(i - 1); k + 1 < paths.size(); ++k)
        paths[k] = paths[k + 1];
    paths.back().clear();
}

QString RecentCaption(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = info.absoluteDir().dirName();
    return folder.isEmpty() ? info.fileName() : info.fileName() + QStringLiteral(" \u2014 ") + folder;
}

QString FileExtension(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    for (qsizetype i = dot + 1; i < path.size(); ++i) {
        if (isSeparator(path[i]))
            return {};
    }
    return path.mid(dot + 1);
}

} // namespace qm
