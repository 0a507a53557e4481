// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/projectdatabase.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What every fuzz target shares: the application object Qt SQL needs, found once.
namespace qmfuzz {

void initialise();
// One empty project for the whole run, for targets that read against a project.
qm::ProjectDatabase &project();
// A scratch file path, the same for every input.
QString scratchFile(const QString &name);
inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}
inline QString text(const uint8_t *data, size_t size)
{
    return QString::fromUtf8(bytes(data, size));
}

} // namespace qmfuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
