// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "globals.h"

#include "clevent.h"
#include "clformat.h"
#include "cltimeline.h"
#include "dates/platformdate.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qm {

Globals::Globals() : CanvasState(mDb), mYearLookup(mDb)
{
    appFolder = defaultAppFolder();
}

Globals::~Globals() = default;

DateEnv Globals::dateEnv() const
{
    return DateEnv{clock, ProjectDb.isOpen() ? &mYearLookup : nullptr, dateOrder};
}

std::shared_ptr<ExtDate> Globals::workingDate()
{
    if (!NewEventDate)
        NewEventDate = std::make_shared<ExtDate>(*platformdate::makeValue(2001, 1, 1), EraPlain);
    return NewEventDate;
}

QString defaultAppFolder()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(exeDir + QStringLiteral("/qm210.qmp")))
        return exeDir;
    const QString shared = QDir::cleanPath(exeDir + QStringLiteral("/../share/quillmarsh"));
    if (QFileInfo::exists(shared + QStringLiteral("/qm210.qmp")))
        return shared;
    return exeDir;
}

} // namespace qm
