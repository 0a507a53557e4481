// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fuzzsupport.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

namespace qmfuzz {

void initialise()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "qmfuzz";
    static char *argv[] = {name, nullptr};
    // Lives as long as the process: every input runs under it.
    static std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
}

namespace {

QTemporaryDir &scratch()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

qm::ProjectDatabase &project()
{
    // Never destroyed: the database drivers are gone by the time statics are.
    static qm::ProjectDatabase *db = new qm::ProjectDatabase;
    if (!db->isOpen())
        db->create(scratchFile(QStringLiteral("Fuzz.qmp")));
    return *db;
}

QString scratchFile(const QString &name)
{
    return scratch().filePath(name);
}

} // namespace qmfuzz

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qmfuzz::initialise();
    return 0;
}
