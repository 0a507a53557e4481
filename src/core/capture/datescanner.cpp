// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datescanner.h"

#include "datepattern.h"
#include "store/storeerror.h"

namespace qm {

namespace {

// A year alone without an era word is never a date; seeing that here saves Assign a database
// query for every plain number of the text.
bool isDigitsOnly(QStringView s)
{
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

FoundDates ScanDates(const QString &text, const DateEnv &env)
{
    FoundDates found;
    ExtDate date;
    DatePattern::shared().forEachMatch(text, [&](qsizetype first, qsizetype length) {
        const QStringView value = QStringView(text).mid(first, length);
        if (isDigitsOnly(value))
            return;
        try {
            date.Assign(value.toString(), env);
        } catch (const StoreError &) {
            return;
        }
        if (date.isValid())
            found.append({first, length, value.toString(), date});
    });
    return found;
}

} // namespace qm
