// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventlist.h"

#include "clevent.h"
#include "datequeries.h"
#include "placements.h"
#include "sqlquery.h"
#include "textrule.h"

#include <unordered_map>
#include <unordered_set>

namespace qm {

namespace {

int typeIndex(const QString &letter)
{
    for (std::size_t i = 0; i < ElementTypeLetters.size(); ++i) {
        if (letter.size() == 1 && letter.front() == QChar(ElementTypeLetters[i]))
            return static_cast<int>(i);
    }
    return -1;
}

// The events linked to an element of the type named by one of the names, in one statement.
std::unordered_set<qint32> eventsWithElement(ProjectDatabase &db, QChar type, const QStringList &names)
{
    QStringList marks;
    marks.reserve(names.size());
    for (qsizetype i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    SqlQuery q(db, QStringLiteral("SELECT DISTINCT ee.EventId FROM EventElement ee JOIN Element e "
                                  "ON ee.ElementId = e.Id AND ee.ElementType = e.ElementType "
                                  "WHERE ee.ElementType = ? AND e.ElementName COLLATE %1 IN (%2)")
                       .arg(QString::fromLatin1(textrule::Collation), marks.join(u',')));
    q.bind(QString(type));
    for (const QString &n : names)
        q.bind(n);
    q.exec();
    std::unordered_set<qint32> ids;
    while (q.next())
        ids.insert(q.value(0).toInt());
    return ids;
}

} // namespace

std::vector<EventListRow> loadEventList(ProjectDatabase &db, qint32 timelineId)
{
    std::vector<EventListRow> rows;
    std::unordered_map<qint32, std::size_t> index;
    // One read transaction: the three reads see the same file.
    TransactionGuard reading(db);
    {
        SqlQuery q(db, QStringLiteral("SELECT e.Id, e.Name, e.Description, e.EventDateStr, e.EventDate, e.EventEra%1 "
                                      "FROM Event e ORDER BY e.EventEra, e.EventDate, e.Id")
                           .arg(endColumns(db)));
        q.exec();
        while (q.next()) {
            EventListRow row;
            row.id = q.value(0).toInt();
            row.name = q.value(1).toString();
            row.description = q.value(2).toString();
            row.dateText = q.value(3).toString();
            row.date = storedDate(q.value(4), q.value(5));
            row.end = storedEnd(q.value(6), q.value(7));
            index.emplace(row.id, rows.size());
            rows.push_back(std::move(row));
        }
    }
    {
        // In name order, as GetElements lists them.
        SqlQuery q(db, QStringLiteral("SELECT ee.EventId, ee.ElementType, e.ElementName FROM EventElement ee "
                                      "JOIN Element e ON ee.ElementId = e.Id "
                                      "ORDER BY ee.EventId, ee.ElementType, e.ElementName COLLATE %1, e.Id")
                           .arg(QString::fromLatin1(textrule::Collation)));
        q.exec();
        while (q.next()) {
            const auto it = index.find(q.value(0).toInt());
            const int type = typeIndex(q.value(1).toString());
            if (it == index.end() || type < 0)
                continue;
            QString &list = rows[it->second].elements[static_cast<std::size_t>(type)];
            if (!list.isEmpty())
                list += QStringLiteral(", ");
            list += q.value(2).toString();
        }
    }
    for (const qint32 id : eventsOnTimeline(db, timelineId)) {
        if (const auto it = index.find(id); it != index.end())
            rows[it->second].onTimeline = true;
    }
    reading.commit();
    return rows;
}

std::vector<bool> selectEvents(ProjectDatabase &db, const std::vector<EventListRow> &rows, const EventFilter &filter)
{
    std::vector<std::unordered_set<qint32>> passing;
    {
        TransactionGuard reading(db);
        for (std::size_t t = 0; t < ElementTypeLetters.size(); ++t) {
            if (!filter.names[t].isEmpty())
                passing.push_back(eventsWithElement(db, QChar(ElementTypeLetters[t]), filter.names[t]));
        }
        reading.commit();
    }

    std::vector<bool> ticked(rows.size(), false);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const EventListRow &row = rows[i];
        bool pass = true;
        for (const auto &ids : passing)
            pass = pass && ids.count(row.id) != 0;
        const QChar low = filter.from.Compare(row.date);
        const QChar high = row.date.Compare(filter.to);
        pass = pass && (low == u'<' || low == u'=') && (high == u'<' || high == u'=');
        ticked[i] = pass;
    }
    return ticked;
}

std::pair<ExtDate, ExtDate> dateBounds(const std::vector<EventListRow> &rows)
{
    ExtDate first(0.0, EraInvalid);
    ExtDate last(0.0, EraInvalid);
    for (const EventListRow &row : rows) {
        if (!row.date.isValid())
            continue;
        if (!first.isValid())
            first = row.date;
        last = row.date;
    }
    return {first, last};
}

} // namespace qm
