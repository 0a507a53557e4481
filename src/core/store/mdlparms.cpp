// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdlparms.h"

#include "dates/platformdate.h"
#include "projectdatabase.h"
#include "sqlquery.h"

#include <algorithm>

namespace qm::mdlParms {

namespace {

// Ten inches: wider gaps than that are no layout anyone asked for.
constexpr int MaxMinDist = 14400;

// The stored year must lie in the range of the era: 9899 + year for the first centuries, 9899 - year
// before the common era.
bool isStoredDate(double value, qint16 era)
{
    const int year = platformdate::split(value).year;
    switch (era) {
    case EraEarlyAD:
        return year >= 9899 && year <= 9998;
    case EraBC:
        return year >= 100 && year <= 9898;
    default:
        return year >= platformdate::MinYear && year <= platformdate::MaxYear;
    }
}

} // namespace

QString GetParm(ProjectDatabase &db, const QString &name)
{
    SqlQuery q(db, QStringLiteral("SELECT ParmValue FROM Parms WHERE ParmName = ? COLLATE QMNOCASE ORDER BY rowid "
                                  "LIMIT 1"));
    q.bind(name).exec();
    if (!q.next())
        return QStringLiteral("0");
    return q.value(0).toString();
}

void SetParm(ProjectDatabase &db, const QString &name, const QString &value)
{
    if (!db.isOpen())
        return;
    SqlQuery find(db, QStringLiteral("SELECT rowid FROM Parms WHERE ParmName = ? COLLATE QMNOCASE ORDER BY rowid "
                                     "LIMIT 1"));
    find.bind(name).exec();
    if (find.next()) {
        const qint64 row = find.value(0).toLongLong();
        find.finish();
        execSql(db, QStringLiteral("UPDATE Parms SET ParmValue = ? WHERE rowid = ?"), {value, row});
    } else {
        find.finish();
        execSql(db, QStringLiteral("INSERT INTO Parms (ParmName, ParmValue) VALUES (?, ?)"), {name, value});
    }
}

ProjectParameters readParameters(ProjectDatabase &db)
{
    ProjectParameters p;
    // A file made elsewhere may hold anything here: a value out of its range falls back to the default.
    p.timeLineId = std::max(0, GetParm(db, QStringLiteral("TimeLine0")).trimmed().toInt());

    const auto date = platformdate::parse(GetParm(db, QStringLiteral("DefaultDate")), QDate(2001, 1, 1));
    const QString era = GetParm(db, QStringLiteral("DefaultEra")).trimmed();
    const qint16 eraCode = (era == u"-1" || era == u"-2") ? static_cast<qint16>(era.toInt()) : EraPlain;
    if (date && isStoredDate(*date, eraCode))
        p.defaultDate = ExtDate(*date, eraCode);
    else
        p.defaultDate = ExtDate(*platformdate::makeValue(2001, 1, 1), EraPlain);

    const int minDist = GetParm(db, QStringLiteral("MinDist")).trimmed().toInt();
    p.minDist = minDist >= 1 && minDist <= MaxMinDist ? minDist : 500;
    return p;
}

void writeParameters(ProjectDatabase &db, const ProjectParameters &parms)
{
    TransactionGuard guard(db);
    SetParm(db, QStringLiteral("TimeLine0"), QString::number(parms.timeLineId));
    SetParm(db, QStringLiteral("DefaultDate"), platformdate::toText(parms.defaultDate.Value));
    SetParm(db, QStringLiteral("DefaultEra"), QString::number(parms.defaultDate.Era));
    SetParm(db, QStringLiteral("MinDist"), QString::number(parms.minDist));
    guard.commit();
}

} // namespace qm::mdlParms
