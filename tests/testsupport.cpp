// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <QFile>

namespace qmtest {

QDate testToday()
{
    return {2026, 6, 15};
}

TempProject::TempProject()
{
    projectPath = dir.filePath(QStringLiteral("Test.qmp"));
    g.appFolder = QStringLiteral(QM_APP_DIR);
    g.clock = testToday;
    g.ProjectDb.create(projectPath);
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace qmtest
