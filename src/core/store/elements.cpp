// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "elements.h"

#include "projectdatabase.h"
#include "sqlquery.h"

namespace qm {

QString GetElements(ProjectDatabase &db, qint32 eventId, const QString &type)
{
    SqlQuery q(db, QStringLiteral("SELECT e.ElementName FROM EventElement ee JOIN Element e ON ee.ElementId = e.Id "
                                  "WHERE ee.EventId = ? AND ee.ElementType = ? "
                                  "ORDER BY e.ElementName COLLATE QMNOCASE, e.Id"));
    q.bind(eventId).bind(type).exec();
    QString list;
    while (q.next())
        list += q.value(0).toString() + QStringLiteral(", ");
    list = list.trimmed();
    list.chop(1);
    return list;
}

QStringList SplitElements(const QString &list)
{
    QStringList names;
    if (list.isEmpty())
        return names;
    const QStringList pieces = list.split(u',');
    names.reserve(pieces.size());
    for (const QString &piece : pieces)
        names << piece.trimmed();
    return names;
}

qint32 FindOrCreateElement(ProjectDatabase &db, const QString &type, const QString &name)
{
    SqlQuery find(db,
                  QStringLiteral("SELECT Id FROM Element WHERE ElementType = ? AND ElementName = ? COLLATE QMNOCASE "
                                 "ORDER BY Id LIMIT 1"));
    find.bind(type).bind(name).exec();
    if (find.next())
        return find.value(0).toInt();
    find.finish();

    SqlQuery add(db, QStringLiteral("INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)"));
    add.bind(type).bind(name).exec();
    return add.lastInsertId().toInt();
}

} // namespace qm
