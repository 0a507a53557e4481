// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qtprinters.h"
#include "store/globals.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace qmtest {

// A fresh project in a temporary folder, opened in its own Globals with a fixed "today".
struct TempProject
{
    TempProject();
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString projectPath;
    qm::Globals g;
};

// A fixed clock: 15 June 2026.
QDate testToday();
// The bytes of a file, for proving that something left it alone.
QByteArray fileBytes(const QString &path);

} // namespace qmtest
