// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clevent.h"

#include "datequeries.h"
#include "elements.h"
#include "globals.h"
#include "sqlquery.h"
#include "storedvalues.h"
#include "storeerror.h"

namespace qm {

namespace sv = storedvalues;

clEvent::clEvent(Globals &g) : EventDate(g.workingDate()), mG(g)
{
    EventDate->NextDay();
    EventDateStr = EventDate->Render();
}

qint32 clEvent::Load()
{
    if (Id == 0)
        return 0;
    ProjectDatabase &db = mG.ProjectDb;
    SqlQuery q(db, QStringLiteral("SELECT EventDate, EventEra, EventDateStr, Description, Name, ImageName, ImageSource "
                                  "FROM Event WHERE Id = ?"));
    q.bind(Id).exec();
    if (!q.next())
        return 0;
    if (!EventDate)
        EventDate = std::make_shared<ExtDate>();
    EventDate->Value = q.value(0).toDouble();
    EventDate->Era = static_cast<qint16>(q.value(1).toInt());
    EventDateStr = q.value(2).toString();
    Description = q.value(3).toString();
    Name = q.value(4).toString();
    const QVariant imageName = q.value(5);
    const QVariant imageSource = q.value(6);
    ImageName = imageName.isNull() ? QStringLiteral("Im0.gif") : imageName.toString();
    ImageSource = imageSource.isNull() ? QStringLiteral("S") : imageSource.toString();
    q.finish();

    Actors = GetElements(db, Id, QStringLiteral("A"));
    Places = GetElements(db, Id, QStringLiteral("P"));
    Sources = GetElements(db, Id, QStringLiteral("S"));
    Keywords = GetElements(db, Id, QStringLiteral("K"));
    return Id;
}

qint32 clEvent::Save()
{
    ProjectDatabase &db = mG.ProjectDb;
    // An unreadable date must never reach the file: it would sort and show as nonsense for good.
    if (!EventDate || !EventDate->isValid())
        throw StoreError(QStringLiteral("The event \"%1\" has no valid date").arg(Name));

    // No two events share a date and era: the user moves this one first, or gives up saving it.
    for (;;) {
        const SameDateEvents clash = eventsOnDate(db, *EventDate);
        if (clash.first == 0 || clash.first == Id)
            break;
        if (!mG.DateCorrection || !mG.DateCorrection(Name, clash.first, clash.next))
            return -1;
        if (!mG.NewEventDate || !mG.NewEventDate->isValid())
            throw StoreError(QStringLiteral("The corrected date of \"%1\" is not a valid date").arg(Name));
        EventDate = mG.NewEventDate;
    }

    const qint32 previousId = Id;
    try {
        TransactionGuard guard(db);
        SqlQuery find(db, QStringLiteral("SELECT 1 FROM Event WHERE Id = ?"));
        find.bind(Id).exec();
        const bool exists = find.next();
        find.finish();

        const QVariantList values = {EventDate->Value,          EventDate->Era,          sv::fromText(EventDateStr),
                                     sv::fromText(Description), sv::fromText(ImageName), sv::fromText(ImageSource),
                                     sv::fromText(Name)};
        if (exists) {
            execSql(db,
                    QStringLiteral("UPDATE Event SET EventDate = ?, EventEra = ?, EventDateStr = ?, Description = ?, "
                                   "ImageName = ?, ImageSource = ?, Name = ? WHERE Id = ?"),
                    values + QVariantList{Id});
        } else {
            SqlQuery add(db, QStringLiteral("INSERT INTO Event (EventDate, EventEra, EventDateStr, Description, "
                                            "ImageName, ImageSource, Name) VALUES (?, ?, ?, ?, ?, ?, ?)"));
            for (const QVariant &v : values)
                add.bind(v);
            add.exec();
            Id = add.lastInsertId().toInt();
        }
        WriteElements();
        guard.commit();
    } catch (...) {
        // A rolled-back row gives its Id back to the engine; keeping it would let this record
        // overwrite whichever event is stored next under that Id.
        Id = previousId;
        throw;
    }
    return Id;
}

void clEvent::WriteElements()
{
    ProjectDatabase &db = mG.ProjectDb;
    execSql(db, QStringLiteral("DELETE FROM EventElement WHERE EventId = ?"), {Id});
    const struct
    {
        QString letter;
        const QString &list;
    } kinds[] = {
        {QStringLiteral("A"), Actors},
        {QStringLiteral("P"), Places},
        {QStringLiteral("S"), Sources},
        {QStringLiteral("K"), Keywords},
    };
    for (const auto &kind : kinds) {
        for (const QString &name : SplitElements(kind.list)) {
            // A stray comma ("Caesar, ") must not make a nameless element that then comes back as ", Caesar".
            if (name.isEmpty())
                continue;
            const qint32 elementId = FindOrCreateElement(db, kind.letter, name);
            execSql(db, QStringLiteral("INSERT INTO EventElement (EventId, ElementType, ElementId) VALUES (?, ?, ?)"),
                    {Id, kind.letter, elementId});
        }
    }
}

void DeleteEventRow(ProjectDatabase &db, qint32 id)
{
    // The rows that name the event go with it: no Id is handed out twice, so nothing could ever use them.
    TransactionGuard guard(db);
    execSql(db, QStringLiteral("DELETE FROM Event WHERE Id = ?"), {id});
    execSql(db, QStringLiteral("DELETE FROM EventElement WHERE EventId = ?"), {id});
    execSql(db, QStringLiteral("DELETE FROM TimeLineEvent WHERE EventId = ?"), {id});
    execSql(db, QStringLiteral("DELETE FROM Format WHERE EventId = ?"), {id});
    guard.commit();
}

QList<qint32> eventIdsByDate(ProjectDatabase &db)
{
    SqlQuery q(db, QStringLiteral("SELECT Id FROM Event ORDER BY EventEra, EventDate, Id"));
    q.exec();
    QList<qint32> ids;
    while (q.next())
        ids << q.value(0).toInt();
    return ids;
}

} // namespace qm
