// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "placements.h"

#include "datequeries.h"
#include "preparedstatement.h"
#include "projectdatabase.h"
#include "sqlquery.h"
#include "storeerror.h"
#include "textrule.h"

#include "store/clevent.h"

#include <algorithm>
#include <cmath>

namespace qm {

double storedTwips(double value)
{
    return static_cast<double>(static_cast<float>(value));
}

std::vector<Placement> timelinePlacements(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT tle.EventId, tle.BoxLeft, tle.BoxTop FROM TimeLineEvent tle "
                                  "JOIN Event e ON tle.EventId = e.Id WHERE tle.TimeLineId = ? "
                                  "ORDER BY e.EventEra, e.EventDate, e.Id"));
    q.bind(timelineId).exec();
    std::vector<Placement> list;
    while (q.next())
        list.push_back({q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toDouble()});
    return list;
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

void visitPlacedEvents(ProjectDatabase &db, qint32 timelineId,
                       const std::function<void(const Placement &box, const SqlQuery &row)> &visit)
{
    SqlQuery q(db, QStringLiteral("SELECT tle.EventId, tle.BoxLeft, tle.BoxTop, %1 FROM TimeLineEvent tle "
                                  "JOIN Event e ON tle.EventId = e.Id WHERE tle.TimeLineId = ? "
                                  "ORDER BY e.EventEra, e.EventDate, e.Id")
                       .arg(clEvent::storedColumns()));
    q.bind(timelineId).exec();
    while (q.next())
        visit({q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toDouble()}, q);
    q.finish();
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

std::set<qint32> eventsOnTimeline(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT EventId FROM TimeLineEvent WHERE TimeLineId = ?"));
    q.bind(timelineId).exec();
    std::set<qint32> ids;
    while (q.next())
        ids.insert(q.value(0).toInt());
    return ids;
}

QHash<qint32, QStringList> timelineNamesOfEvents(ProjectDatabase &db)
{
    // Each name is read once and shared by every event on that timeline: a long name is not copied
    // for each of its boxes.
    QHash<qint32, QString> nameOf;
    SqlQuery t(db, QStringLiteral("SELECT Id, Name FROM TimeLine"));
    t.exec();
    while (t.next())
        nameOf.insert(t.value(0).toInt(), t.value(1).toString());
    t.finish();
    std::map<qint32, std::vector<qint32>> timelinesOf;
    for (const auto &[eventId, timelineId] : allPlacements(db)) {
        if (nameOf.contains(timelineId))
            timelinesOf[eventId].push_back(timelineId);
    }
    QHash<qint32, QStringList> names;
    for (auto &[eventId, ids] : timelinesOf) {
        std::sort(ids.begin(), ids.end(), [&nameOf](qint32 a, qint32 b) {
            const int order = textrule::compareNames(nameOf[a], nameOf[b]);
            return order != 0 ? order < 0 : a < b;
        });
        ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
        QStringList &list = names[eventId];
        for (const qint32 id : ids)
            list << nameOf[id];
    }
    return names;
}

std::vector<std::pair<qint32, qint32>> allPlacements(ProjectDatabase &db)
{
    SqlQuery q(db, QStringLiteral("SELECT EventId, TimeLineId FROM TimeLineEvent"));
    q.exec();
    std::vector<std::pair<qint32, qint32>> list;
    while (q.next())
        list.emplace_back(q.value(0).toInt(), q.value(1).toInt());
    return list;
}

void storeBoxPositions(ProjectDatabase &db, qint32 timelineId, const std::vector<BoxPosition> &positions)
{
    if (positions.empty())
        return;
    if (!db.isOpen())
        throw StoreError(QStringLiteral("No project is open"));
    TransactionGuard guard(db);
    // Prepared once: a drop or a compression writes a thousand rows and must not parse a thousand statements.
    PreparedStatement update(
        db, QStringLiteral("UPDATE TimeLineEvent SET BoxLeft = ?, BoxTop = ? WHERE TimeLineId = ? AND EventId = ?"));
    for (const BoxPosition &p : positions)
        update.run({storedTwips(p.at.x()), storedTwips(p.at.y()), timelineId, p.eventId});
    guard.commit();
}

std::map<qint32, double> scaleTops(ProjectDatabase &db, qint32 timelineId)
{
    std::map<qint32, double> tops;
    if (!db.hasColumn(QStringLiteral("TimeLineEvent"), QStringLiteral("ScaleTop")))
        return tops;
    SqlQuery q(db, QStringLiteral("SELECT EventId, ScaleTop FROM TimeLineEvent WHERE TimeLineId = ? AND ScaleTop IS "
                                  "NOT NULL"));
    q.bind(timelineId).exec();
    while (q.next()) {
        const double top = q.value(1).toDouble();
        if (std::isfinite(top))
            tops.emplace(q.value(0).toInt(), top);
    }
    return tops;
}

void storeScaleTops(ProjectDatabase &db, qint32 timelineId,
                    const std::vector<std::pair<qint32, std::optional<double>>> &tops)
{
    if (tops.empty())
        return;
    TransactionGuard guard(db);
    PreparedStatement update(
        db, QStringLiteral("UPDATE TimeLineEvent SET ScaleTop = ? WHERE TimeLineId = ? AND EventId = ?"));
    for (const auto &[id, top] : tops)
        update.run({top ? QVariant(storedTwips(*top)) : QVariant(), timelineId, id});
    guard.commit();
}

void replacePlacements(ProjectDatabase &db, qint32 timelineId, const std::vector<Placement> &rows)
{
    if (rows.empty())
        return;
    TransactionGuard guard(db);
    PreparedStatement remove(db, QStringLiteral("DELETE FROM TimeLineEvent WHERE TimeLineId = ? AND EventId = ?"));
    PreparedStatement insert(
        db, QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) VALUES (?, ?, ?, ?)"));
    for (const Placement &p : rows) {
        // One row per event and timeline: a second one would bring the box back twice.
        remove.run({timelineId, p.eventId});
        insert.run({timelineId, p.eventId, storedTwips(p.BoxLeft), storedTwips(p.BoxTop)});
    }
    guard.commit();
}

void shiftPlacements(ProjectDatabase &db, qint32 timelineId, const std::vector<std::pair<qint32, double>> &shifts)
{
    if (shifts.empty())
        return;
    TransactionGuard guard(db);
    PreparedStatement shift(
        db, QStringLiteral("UPDATE TimeLineEvent SET BoxLeft = BoxLeft + ? WHERE TimeLineId = ? AND EventId = ?"));
    for (const auto &[id, dx] : shifts)
        shift.run({dx, timelineId, id});
    guard.commit();
}

void shiftPlacementsByDate(ProjectDatabase &db, qint32 timelineId, const std::vector<DateRangeShift> &ranges)
{
    if (ranges.empty())
        return;
    TransactionGuard guard(db);
    PreparedStatement shift(
        db, QStringLiteral("UPDATE TimeLineEvent SET BoxLeft = BoxLeft + ? WHERE TimeLineId = ? AND EventId IN "
                           "(SELECT Id FROM Event WHERE typeof(EventDate) IN ('real', 'integer') "
                           "AND (coalesce(EventEra, 0) > ? OR (coalesce(EventEra, 0) = ? AND EventDate >= ?)) "
                           "AND (coalesce(EventEra, 0) < ? OR (coalesce(EventEra, 0) = ? AND EventDate <= ?)))"));
    for (const DateRangeShift &r : ranges)
        shift.run({r.dx, timelineId, r.first.Era, r.first.Era, r.first.Value, r.last.Era, r.last.Era, r.last.Value});
    guard.commit();
}

void removeEventFromTimelines(ProjectDatabase &db, qint32 eventId)
{
    execSql(db, QStringLiteral("DELETE FROM TimeLineEvent WHERE EventId = ?"), {eventId});
}

void removePlacements(ProjectDatabase &db, qint32 timelineId, const std::vector<qint32> &eventIds)
{
    if (eventIds.empty())
        return;
    TransactionGuard guard(db);
    PreparedStatement remove(db, QStringLiteral("DELETE FROM TimeLineEvent WHERE TimeLineId = ? AND EventId = ?"));
    for (const qint32 id : eventIds)
        remove.run({timelineId, id});
    guard.commit();
}

RowSnapshot placementRows(ProjectDatabase &db, qint32 timelineId, const std::vector<qint32> &eventIds)
{
    RowSnapshot rows(QStringLiteral("TimeLineEvent"), QStringLiteral("TimeLineId = ? AND EventId = ?"));
    QList<QVariantList> keys;
    keys.reserve(static_cast<qsizetype>(eventIds.size()));
    for (const qint32 id : eventIds)
        keys.push_back({timelineId, id});
    rows.read(db, keys);
    return rows;
}

RowSnapshot placementRowsOfEvent(ProjectDatabase &db, qint32 eventId)
{
    return RowSnapshot::matching(db, QStringLiteral("TimeLineEvent"), QStringLiteral("EventId = ?"), {eventId});
}

RowSnapshot timelinePlacementRows()
{
    return RowSnapshot(QStringLiteral("TimeLineEvent"), QStringLiteral("TimeLineId = ?"));
}

} // namespace qm
