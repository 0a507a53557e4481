// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "timelinepages.h"

#include "sqlquery.h"
#include "storeerror.h"

namespace qm {

QString storedPageSetup(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery has(db, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'TimeLinePage'"));
    if (!has.exec().next())
        return {};
    has.finish();
    try {
        SqlQuery q(db, QStringLiteral("SELECT Setup FROM TimeLinePage WHERE TimeLineId = ?"));
        q.bind(timelineId).exec();
        return q.next() ? q.value(0).toString() : QString();
    } catch (const StoreError &) {
        // A table of that name that is not ours: the timeline prints with the defaults.
        return {};
    }
}

void storePageSetup(ProjectDatabase &db, qint32 timelineId, const QString &text)
{
    TransactionGuard guard(db);
    execSql(db, QStringLiteral("CREATE TABLE IF NOT EXISTS TimeLinePage (TimeLineId INTEGER PRIMARY KEY, Setup TEXT)"));
    execSql(db, QStringLiteral("INSERT OR REPLACE INTO TimeLinePage (TimeLineId, Setup) VALUES (?, ?)"),
            {timelineId, text});
    guard.commit();
}

} // namespace qm
