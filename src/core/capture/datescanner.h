// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QList>
#include <QString>

namespace qm {

// A phrase of the text that reads as a valid date: where it is (UTF-16 offsets into the scanned
// text, for colouring and selecting it) and the date it stands for.
struct FoundDate
{
    qsizetype FirstIndex = 0;
    qsizetype Length = 0;
    QString Value;
    ExtDate Date;
};

using FoundDates = QList<FoundDate>;

// Every date-like phrase of the text that ExtDate::Assign accepts, in text order. A phrase whose
// reading fails on a database error is left out.
FoundDates ScanDates(const QString &text, const DateEnv &env);

} // namespace qm
