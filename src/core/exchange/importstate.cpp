// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importstate.h"

#include "store/clevent.h"
#include "store/placements.h"
#include "store/sqlquery.h"

#include <cmath>

namespace qm {

ProjectState::ProjectState(ProjectDatabase &db)
{
    TransactionGuard reading(db);
    SqlQuery q(db, QStringLiteral("SELECT e.Id, %1%2 FROM Event e").arg(clEvent::storedColumns(), endColumns(db)));
    q.exec();
    while (q.next()) {
        StoredEvent e;
        e.date = storedDate(q.value(1), q.value(2));
        e.dateStr = q.value(3).toString();
        e.description = q.value(4).toString();
        e.name = q.value(5).toString();
        e.imageName = q.value(6).isNull() ? QStringLiteral("Im0.gif") : q.value(6).toString();
        e.imageSource = q.value(7).isNull() ? QStringLiteral("S") : q.value(7).toString();
        e.end = storedEnd(q.value(8), q.value(9));
        const qint32 id = q.value(0).toInt();
        if (e.date.isValid())
            occupy(e.date, id);
        events.insert(id, e);
    }
    q.finish();

    SqlQuery el(db, QStringLiteral("SELECT ee.EventId, ee.ElementType, e.ElementName FROM EventElement ee "
                                   "JOIN Element e ON ee.ElementId = e.Id "
                                   "ORDER BY ee.EventId, e.ElementName COLLATE QMNOCASE, e.Id"));
    el.exec();
    static const QString letters = QStringLiteral("APSK");
    while (el.next()) {
        const auto it = events.find(el.value(0).toInt());
        const qsizetype slot = letters.indexOf(el.value(1).toString());
        if (it == events.end() || slot < 0 || el.value(1).toString().size() != 1)
            continue;
        QString &list = it->lists[static_cast<size_t>(slot)];
        list += (list.isEmpty() ? QString() : QStringLiteral(", ")) + el.value(2).toString();
    }
    el.finish();

    SqlQuery tl(db, QStringLiteral("SELECT Id, Name FROM TimeLine ORDER BY Id"));
    tl.exec();
    while (tl.next())
        timelines.push_back({tl.value(0).toInt(), tl.value(1).toString()});
    tl.finish();

    for (const auto &[eventId, timelineId] : allPlacements(db)) {
        const auto it = events.find(eventId);
        if (it != events.end())
            it->timelines.insert(timelineId);
    }
    reading.commit();
}

ExtDate ProjectState::fitOnDay(const ExtDate &d, qint32 own, bool typedTime, DateMove &move) const
{
    move = DateMove::Unchanged;
    if (!taken(d, own))
        return d;
    constexpr int Minutes = 24 * 60;
    const double day = std::floor(d.Value + 0.5 / 86400.0);
    ExtDate probe = d;
    const auto at = [&](int minute) -> const ExtDate & {
        probe.Value = day + minute / static_cast<double>(Minutes);
        return probe;
    };
    int after = static_cast<int>(std::lround((d.Value - day) * Minutes)) + 1;
    if (!typedTime) {
        for (int m = 1; m < Minutes; ++m) {
            if (taken(at(m), own))
                after = m + 1;
        }
    }
    for (int m = after; m < Minutes; ++m) {
        if (!taken(at(m), own)) {
            move = typedTime ? DateMove::NextMinute : DateMove::AfterDayEvents;
            return probe;
        }
    }
    for (int m = 1; !typedTime && m < after && m < Minutes; ++m) {
        if (!taken(at(m), own)) {
            move = DateMove::AfterDayEvents;
            return probe;
        }
    }
    move = DateMove::NoRoom;
    return d;
}

} // namespace qm
