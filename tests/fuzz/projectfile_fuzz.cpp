// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any file opened as a project: refused with a message, or opened and listed.
#include "fuzzsupport.h"
#include "store/eventlist.h"
#include "store/storeerror.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 1048576)
        return 0;
    const QString path = qmfuzz::scratchFile(QStringLiteral("Mutated.qmp"));
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(qmfuzz::bytes(data, size)) != static_cast<qint64>(size))
        return 0;
    f.close();
    qm::ProjectDatabase db;
    db.whileWaiting = [] { return false; };
    try {
        db.open(path);
        qm::loadEventList(db, 1);
    } catch (const qm::StoreError &) {
        // Refused or failed with a message: what must happen to a broken file.
    }
    return 0;
}
