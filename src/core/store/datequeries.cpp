// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datequeries.h"

#include "dates/platformdate.h"
#include "projectdatabase.h"
#include "sqlquery.h"

namespace qm {

namespace pd = platformdate;

namespace {

// Dates are compared as the date text of the old engine did, that is to the second.
constexpr double HalfSecond = 0.5 / 86400.0;

// Where FirstFreeDate gives up: 31 December of stored year 9899.
const double LastFreeDay = static_cast<double>(pd::serialOf(9899, 12, 31));

} // namespace

QString ProjectYearLookup::LatestEventYear() const
{
    SqlQuery q(mDb, QStringLiteral("SELECT EventDate FROM Event ORDER BY EventDate DESC, EventEra DESC LIMIT 1"));
    q.exec();
    if (!q.next())
        return QStringLiteral("2001");
    return QString::number(pd::split(q.value(0).toDouble()).year);
}

std::optional<double> ProjectYearLookup::latestValueInYear(int storedYear, qint16 era) const
{
    if (!pd::isValidDate(storedYear, 1, 1))
        return std::nullopt;
    // The upper bound is midnight of 31 December, as the old date literal meant.
    SqlQuery q(mDb, QStringLiteral("SELECT EventDate FROM Event WHERE EventDate >= ? AND EventDate <= ? AND "
                                   "EventEra = ? ORDER BY EventDate DESC LIMIT 1"));
    q.bind(static_cast<double>(pd::serialOf(storedYear, 1, 1)))
        .bind(static_cast<double>(pd::serialOf(storedYear, 12, 31)))
        .bind(era)
        .exec();
    if (!q.next())
        return std::nullopt;
    return q.value(0).toDouble();
}

SameDateEvents eventsOnDate(ProjectDatabase &db, const ExtDate &date)
{
    SqlQuery q(db, QStringLiteral("SELECT Id FROM Event WHERE EventDate > ? AND EventDate < ? AND EventEra = ? "
                                  "ORDER BY Id LIMIT 2"));
    q.bind(date.Value - HalfSecond).bind(date.Value + HalfSecond).bind(date.Era).exec();
    SameDateEvents found;
    if (q.next())
        found.first = q.value(0).toInt();
    if (q.next())
        found.next = q.value(0).toInt();
    return found;
}

bool SameDateExists(ProjectDatabase &db, const ExtDate &date, qint32 id)
{
    const qint32 first = eventsOnDate(db, date).first;
    return first != 0 && first != id;
}

void FirstFreeDate(ProjectDatabase &db, ExtDate &date)
{
    while (eventsOnDate(db, date).first != 0) {
        if (date.Value == LastFreeDay)
            return;
        const ExtDate before = date;
        date.NextDay();
        if (date == before)
            return; // the last day the platform holds
    }
}

} // namespace qm
