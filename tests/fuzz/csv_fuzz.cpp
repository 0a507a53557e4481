// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Any file opened as a spreadsheet of events: read, and planned against a project.
#include "exchange/csvdocument.h"
#include "exchange/importplan.h"
#include "fuzzsupport.h"

#include <QDate>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 262144)
        return 0;
    const qm::CsvDocument doc = qm::CsvDocument::parse(qmfuzz::bytes(data, size));
    qm::DateEnv env;
    env.clock = [] { return QDate(2026, 6, 15); };
    qm::ImportPlan::make(qmfuzz::project(), doc, env);
    return 0;
}
