// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "categoriescommand.h"

#include "layout/timelinecanvas.h"
#include "store/globals.h"
#include "store/sqlquery.h"

namespace qm {

CategoriesCommand::CategoriesCommand(TimelineCanvas &canvas, qint32 timelineId, const Categories &after,
                                     const QString &text)
    : CanvasCommand(canvas, timelineId, text), mAfter(after)
{
    SqlQuery q(db(), QStringLiteral("SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND "
                                    "name IN ('Category', 'CategoryLegend')"));
    q.exec();
    mHadTables = q.next() && q.value(0).toInt() == 2;
    q.finish();
    if (mHadTables) {
        mRules =
            RowSnapshot::matching(db(), QStringLiteral("Category"), QStringLiteral("TimelineId = ?"), {timelineId});
        mLegend = RowSnapshot::matching(db(), QStringLiteral("CategoryLegend"), QStringLiteral("TimelineId = ?"),
                                        {timelineId});
    }
}

void CategoriesCommand::redo()
{
    saveCategories(db(), timelineId(), mAfter);
    show();
}

void CategoriesCommand::undo()
{
    TransactionGuard guard(db());
    if (mHadTables) {
        mRules.restore(db());
        mLegend.restore(db());
    } else {
        // The tables stay, empty for this timeline: a file that had none reads as before.
        execSql(db(), QStringLiteral("DELETE FROM Category WHERE TimelineId = ?"), {timelineId()});
        execSql(db(), QStringLiteral("DELETE FROM CategoryLegend WHERE TimelineId = ?"), {timelineId()});
    }
    guard.commit();
    show();
}

void CategoriesCommand::show()
{
    if (shown())
        layoutChanged();
}

} // namespace qm
