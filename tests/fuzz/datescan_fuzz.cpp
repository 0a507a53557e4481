// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any document scanned for dates, with the name and description proposed for each date found.
#include "capture/datescanner.h"
#include "capture/founddatefields.h"
#include "fuzzsupport.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 65536)
        return 0;
    const QString text = qmfuzz::text(data, size);
    qm::DateEnv env;
    env.clock = [] { return QDate(2026, 6, 15); };
    for (const qm::FoundDate &found : qm::ScanDates(text, env)) {
        if (found.FirstIndex < 0 || found.Length < 0 || found.FirstIndex + found.Length > text.size())
            __builtin_trap();
        qm::foundDateFields(qmfuzz::project(), text, found, true);
    }
    return 0;
}
