// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datequeries.h"

#include "dates/platformdate.h"
#include "projectdatabase.h"
#include "sqlquery.h"

#include <cmath>

namespace qm {

namespace pd = platformdate;

namespace {

// Dates are compared as the date text of the old engine did, that is to the second.
constexpr double HalfSecond = 0.5 / 86400.0;

// Dates a file made elsewhere holds as text or beyond the calendar take no part in completing years.
#define LatestEventWhere                                                                                               \
    "typeof(EventDate) IN ('real', 'integer') AND EventDate BETWEEN -657434 AND 2958465.99999 AND "                    \
    "coalesce(EventEra, 0) IN (0, -1, -2)"

} // namespace

ExtDate storedDate(const QVariant &value, const QVariant &era)
{
    const auto type = value.typeId();
    const bool number = type == QMetaType::Double || type == QMetaType::LongLong || type == QMetaType::Int;
    const double v = number ? value.toDouble() : 0.0;
    if (!number || !std::isfinite(v) || v < static_cast<double>(pd::MinSerial) ||
        v >= static_cast<double>(pd::MaxSerial + 1))
        return ExtDate(0.0, EraInvalid);
    const qint64 code = era.isNull() ? EraPlain : era.toLongLong();
    if (code != EraPlain && code != EraEarlyAD && code != EraBC)
        return ExtDate(0.0, EraInvalid);
    return ExtDate(v, static_cast<qint16>(code));
}

QString ProjectYearLookup::LatestEventYear() const
{
    SqlQuery q(mDb, QStringLiteral("SELECT EventDate FROM Event WHERE " LatestEventWhere
                                   " ORDER BY EventDate DESC, EventEra DESC LIMIT 1"));
    q.exec();
    if (!q.next())
        return QStringLiteral("2001");
    return QString::number(pd::split(q.value(0).toDouble()).year);
}

qint16 ProjectYearLookup::LatestEventEra() const
{
    SqlQuery q(mDb, QStringLiteral("SELECT EventEra FROM Event WHERE " LatestEventWhere
                                   " ORDER BY EventDate DESC, EventEra DESC LIMIT 1"));
    q.exec();
    if (!q.next())
        return EraPlain;
    const qint64 era = q.value(0).toLongLong();
    return era == EraBC || era == EraEarlyAD ? static_cast<qint16>(era) : EraPlain;
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

void FirstFreeDate(ProjectDatabase &db, ExtDate &date, qint32 ownId)
{
    for (;;) {
        const SameDateEvents on = eventsOnDate(db, date);
        if (on.first == 0 || (on.first == ownId && on.next == 0))
            return;
        const ExtDate before = date;
        date.NextDay();
        if (date == before)
            return; // the last day the platform holds
    }
}

namespace {

bool isFree(ProjectDatabase &db, const ExtDate &date, qint32 ownId)
{
    const SameDateEvents on = eventsOnDate(db, date);
    return on.first == 0 || (on.first == ownId && on.next == 0);
}

constexpr int MinutesPerDay = 24 * 60;

} // namespace

DateMove FitDateOnDay(ProjectDatabase &db, ExtDate &date, bool typedTime, qint32 ownId)
{
    if (isFree(db, date, ownId))
        return DateMove::Unchanged;
    const double day = std::floor(date.Value + HalfSecond);
    ExtDate candidate = date;
    if (typedTime) {
        const int from = static_cast<int>(std::lround((date.Value - day) * MinutesPerDay));
        for (int minute = from + 1; minute < MinutesPerDay; ++minute) {
            candidate.Value = day + minute / static_cast<double>(MinutesPerDay);
            if (isFree(db, candidate, ownId)) {
                date = candidate;
                return DateMove::NextMinute;
            }
        }
        return DateMove::NoRoom;
    }
    SqlQuery q(db, QStringLiteral("SELECT MAX(EventDate) FROM Event WHERE EventDate > ? AND EventDate < ? AND "
                                  "EventEra = ? AND Id <> ?"));
    q.bind(day - HalfSecond).bind(day + 1.0 - HalfSecond).bind(date.Era).bind(ownId).exec();
    const double last = q.next() && !q.value(0).isNull() ? q.value(0).toDouble() : day;
    q.finish();
    const int after = static_cast<int>(std::floor((last - day) * MinutesPerDay + 1e-6)) + 1;
    // A day whose last minute is taken still has room between its events.
    for (int pass = 0; pass < 2; ++pass) {
        for (int minute = pass == 0 ? after : 1; minute < (pass == 0 ? MinutesPerDay : after); ++minute) {
            candidate.Value = day + minute / static_cast<double>(MinutesPerDay);
            if (isFree(db, candidate, ownId)) {
                date = candidate;
                return DateMove::AfterDayEvents;
            }
        }
    }
    return DateMove::NoRoom;
}

QString dateMoveNote(DateMove move, const ExtDate &typed, const ExtDate &fitted, DateOrder order)
{
    switch (move) {
    case DateMove::NextMinute:
        return QStringLiteral("Another event has %1: this one is saved at %2.")
            .arg(typed.Render(order), fitted.Render(order));
    case DateMove::NoRoom:
        return QStringLiteral("Every minute of %1 is taken by other events: change the date.")
            .arg(typed.Render(order, false));
    default:
        return {};
    }
}

QString sameDayCaption()
{
    return QStringLiteral("If another event has this date, keep the day and put this event after it");
}

} // namespace qm
