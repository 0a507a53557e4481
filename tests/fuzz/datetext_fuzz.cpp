// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed as a date: read, rendered and read again without a crash.
#include "dates/extdate.h"
#include "fuzzsupport.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    qm::DateEnv env;
    env.clock = [] { return QDate(2026, 6, 15); };
    qm::ExtDate date;
    date.Assign(qmfuzz::text(data, size), env);
    if (date.isValid()) {
        qm::ExtDate again;
        again.Assign(date.Render(), env);
    }
    return 0;
}
