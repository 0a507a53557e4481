// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxpositions.h"

#include "datequeries.h"
#include "projectdatabase.h"
#include "sqlquery.h"
#include "storeerror.h"

#include <QSqlError>
#include <QSqlQuery>

namespace qm {

double storedTwips(double value)
{
    return static_cast<double>(static_cast<float>(value));
}

std::vector<DatedPlacement> datedPlacements(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT tle.EventId, e.EventDate, e.EventEra FROM TimeLineEvent tle "
                                  "JOIN Event e ON tle.EventId = e.Id WHERE tle.TimeLineId = ? "
                                  "ORDER BY e.EventEra, e.EventDate, e.Id"));
    q.bind(timelineId).exec();
    std::vector<DatedPlacement> list;
    while (q.next())
        list.push_back({q.value(0).toInt(), storedDate(q.value(1), q.value(2))});
    return list;
}

std::map<qint32, QPointF> storedBoxPositions(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT EventId, BoxLeft, BoxTop FROM TimeLineEvent WHERE TimeLineId = ? "
                                  "ORDER BY rowid"));
    q.bind(timelineId).exec();
    std::map<qint32, QPointF> positions;
    while (q.next())
        positions.emplace(q.value(0).toInt(), QPointF(q.value(1).toDouble(), q.value(2).toDouble()));
    return positions;
}

void storeBoxPositions(ProjectDatabase &db, qint32 timelineId, const std::vector<BoxPosition> &positions)
{
    if (positions.empty())
        return;
    if (!db.isOpen())
        throw StoreError(QStringLiteral("No project is open"));
    TransactionGuard guard(db);
    // Prepared once: a drop or a compression writes a thousand rows and must not parse a thousand statements.
    QSqlQuery q(db.db());
    const QString sql =
        QStringLiteral("UPDATE TimeLineEvent SET BoxLeft = ?, BoxTop = ? WHERE TimeLineId = ? AND EventId = ?");
    if (!q.prepare(sql))
        throw StoreError(QStringLiteral("Cannot prepare \"%1\"").arg(sql), q.lastError().text());
    for (const BoxPosition &p : positions) {
        q.bindValue(0, storedTwips(p.at.x()));
        q.bindValue(1, storedTwips(p.at.y()));
        q.bindValue(2, timelineId);
        q.bindValue(3, p.eventId);
        if (!q.exec())
            throw StoreError(QStringLiteral("Cannot run \"%1\"").arg(sql), q.lastError().text());
    }
    q.finish();
    guard.commit();
}

} // namespace qm
