// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/project.h"
#include "qtprinters.h"

#include <QString>
#include <QStringList>

namespace qmtest {

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
