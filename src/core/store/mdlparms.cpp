// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mdlparms.h"

#include "dates/platformdate.h"
#include "projectdatabase.h"
#include "sqlquery.h"

namespace qm::mdlParms {

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
    p.timeLineId = GetParm(db, QStringLiteral("TimeLine0")).toInt();

    const auto date = platformdate::parse(GetParm(db, QStringLiteral("DefaultDate")), QDate(2001, 1, 1));
    p.defaultDate.Value = date ? *date : *platformdate::makeValue(2001, 1, 1);
    const QString era = GetParm(db, QStringLiteral("DefaultEra")).trimmed();
    p.defaultDate.Era = (era == u"-1" || era == u"-2") ? static_cast<qint16>(era.toInt()) : EraPlain;

    const int minDist = GetParm(db, QStringLiteral("MinDist")).trimmed().toInt();
    p.minDist = minDist == 0 ? 500 : minDist;
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
