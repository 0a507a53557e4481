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

namespace {

// The id of the element of that type and name (names compared as everywhere else), 0 when none.
qint32 findElement(ProjectDatabase &db, const QString &type, const QString &name)
{
    SqlQuery find(db, QStringLiteral("SELECT Id FROM Element WHERE ElementType = ? AND ElementName = ? COLLATE "
                                     "QMNOCASE ORDER BY Id LIMIT 1"));
    find.bind(type).bind(name).exec();
    return find.next() ? find.value(0).toInt() : 0;
}

} // namespace

QStringList elementsOfType(ProjectDatabase &db, const QString &type)
{
    SqlQuery q(db, QStringLiteral("SELECT ElementName FROM Element WHERE ElementType = ? "
                                  "ORDER BY ElementName COLLATE QMNOCASE, Id"));
    q.bind(type).exec();
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

bool addElement(ProjectDatabase &db, const QString &type, const QString &name)
{
    if (findElement(db, type, name) != 0)
        return false;
    execSql(db, QStringLiteral("INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)"), {type, name});
    return true;
}

bool renameElement(ProjectDatabase &db, const QString &type, const QString &oldName, const QString &newName)
{
    const qint32 id = findElement(db, type, oldName);
    if (id == 0)
        return false;
    execSql(db, QStringLiteral("UPDATE Element SET ElementName = ? WHERE Id = ?"), {newName, id});
    return true;
}

int eventsUsingElement(ProjectDatabase &db, const QString &type, const QString &name)
{
    const qint32 id = findElement(db, type, name);
    if (id == 0)
        return 0;
    SqlQuery q(db, QStringLiteral("SELECT COUNT(DISTINCT ee.EventId) FROM EventElement ee JOIN Event e "
                                  "ON ee.EventId = e.Id WHERE ee.ElementId = ?"));
    q.bind(id).exec();
    return q.next() ? q.value(0).toInt() : 0;
}

void deleteElement(ProjectDatabase &db, const QString &type, const QString &name)
{
    const qint32 id = findElement(db, type, name);
    if (id == 0)
        return;
    // Ids are never handed out again, so links to a deleted element could only ever be clutter.
    TransactionGuard guard(db);
    execSql(db, QStringLiteral("DELETE FROM EventElement WHERE ElementId = ?"), {id});
    execSql(db, QStringLiteral("DELETE FROM Element WHERE Id = ?"), {id});
    guard.commit();
}

QString elementTypeWord(const QString &type)
{
    if (type == u"A")
        return QStringLiteral("Actors");
    if (type == u"P")
        return QStringLiteral("Places");
    if (type == u"S")
        return QStringLiteral("Sources");
    if (type == u"K")
        return QStringLiteral("Keywords");
    return {};
}

} // namespace qm
