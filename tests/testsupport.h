// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qtprinters.h"
#include "store/globals.h"

#include <QString>
#include <QStringList>
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

// Stores an event as the event dialog does, dated by a text read as the dialog reads it; returns
// its Id (-1 when a clash with another event's date was not resolved).
qint32 storeEvent(qm::Globals &g, const QString &date, const QString &name, const QString &actors = {});

// A fixed clock: 15 June 2026.
QDate testToday();
// The bytes of a file, for proving that something left it alone.
QByteArray fileBytes(const QString &path);
// Writes a whole file; false when it cannot.
bool writeFile(const QString &path, const QByteArray &bytes);

// What a run of the command-line tool gave back; exitCode is -1 when it crashed or never ended.
struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;
};
ToolRun qmtool(const QStringList &args);
// Any program, such as the PDF tools that check what was exported.
ToolRun runProgram(const QString &program, const QStringList &args);

} // namespace qmtest
