// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clevent.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "datequeries.h"
#include "elements.h"
#include "globals.h"
#include "placements.h"
#include "sqlquery.h"
#include "storedvalues.h"
#include "storeerror.h"

namespace qm {

namespace sv = storedvalues;

namespace {

bool hasPeriods(ProjectDatabase &db)
{
    return db.hasColumn(QStringLiteral("Event"), QStringLiteral("EndDate"));
}

// "44 BC" or "AD 14" for a year typed alone, else nothing.
QString yearAlone(const QString &text, const ExtDate &date)
{
    const QString t = text.trimmed();
    const QString year = QString::number(date.ExYear());
    if (t == year)
        return year;
    if (date.Era == EraBC && t.startsWith(year) &&
        t.mid(year.size()).trimmed().compare(u"BC", Qt::CaseInsensitive) == 0)
        return year + QStringLiteral(" BC");
    // "AD 14" or "14 AD": written "AD 14", so that the period reads "AD 14-37".
    const auto ad = [](QStringView s) { return s.trimmed().compare(u"AD", Qt::CaseInsensitive) == 0; };
    if (date.Era == EraEarlyAD && ((t.startsWith(year) && ad(QStringView(t).mid(year.size()))) ||
                                   (t.endsWith(year) && ad(QStringView(t).chopped(year.size())))))
        return QStringLiteral("AD ") + year;
    return {};
}

bool namesMonth(const QString &text)
{
    for (int m = 1; m <= 12; ++m) {
        if (text.contains(platformdate::monthName(m).left(3), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Whether a date text gives its day: a number besides its year. The year stands last: "5 May 5" keeps
// its day when the year is taken out.
bool givesDay(const QString &text, const ExtDate &date)
{
    QString rest = text;
    const QString year = QString::number(date.ExYear());
    if (const qsizetype at = rest.lastIndexOf(year); at >= 0)
        rest.remove(at, year.size());
    return std::any_of(rest.cbegin(), rest.cend(), [](QChar c) { return c.isDigit(); });
}

// The end of a period written as its start is: a start with its month named gets a named end ("5 May
// 1789 - 28 July 1794"), a month without a day a month ("September 1793 - July 1794"), and a start in
// numbers the numeric end.
QString endLike(const QString &startText, const ExtDate &start, const ExtDate &end, DateOrder order)
{
    if (!namesMonth(startText))
        return end.Render(order, false);
    // A day before its month ("5 May 1789") is written day first, whoever reads it.
    if (givesDay(startText, start))
        return end.RenderNamed(startText.trimmed().front().isDigit() ? DateOrder::DayFirst : DateOrder::MonthFirst);
    const platformdate::Parts p = platformdate::split(end.Value);
    return platformdate::monthName(p.month) + u' ' + QString::number(end.ExYear()) + end.eraSuffix();
}

} // namespace

QString endColumns(ProjectDatabase &db)
{
    return hasPeriods(db) ? QStringLiteral(", e.EndDate, e.EndEra") : QStringLiteral(", NULL, NULL");
}

std::optional<ExtDate> storedEnd(const QVariant &date, const QVariant &era)
{
    if (date.isNull())
        return std::nullopt;
    return storedDate(date, era);
}

std::map<qint32, ExtDate> periodEnds(ProjectDatabase &db, qint32 timelineId)
{
    std::map<qint32, ExtDate> ends;
    if (!hasPeriods(db))
        return ends;
    SqlQuery q(db,
               QStringLiteral("SELECT e.Id, e.EndDate, e.EndEra FROM Event e JOIN TimeLineEvent t ON t.EventId = e.Id "
                              "WHERE t.TimeLineId = ? AND e.EndDate IS NOT NULL"));
    q.bind(timelineId).exec();
    while (q.next()) {
        const ExtDate end = storedDate(q.value(1), q.value(2));
        if (end.isValid())
            ends.emplace(q.value(0).toInt(), end);
    }
    return ends;
}

ExtDate typedEnd(const QString &text, const ExtDate &read)
{
    if (!read.isValid() || givesDay(text, read))
        return read;
    // Years before the common era are kept shifted, but their months run forwards within the stored year.
    const platformdate::Parts p = platformdate::split(read.Value);
    const int month = namesMonth(text) ? p.month : 12;
    const std::optional<double> last = platformdate::makeValue(p.year, month, platformdate::daysInMonth(p.year, month));
    return last ? ExtDate(*last, read.Era) : read;
}

QString periodEndText(const QString &startText, const ExtDate &start, const ExtDate &end, DateOrder order)
{
    if (!yearAlone(startText, start).isEmpty())
        return QString::number(end.ExYear()) + end.eraSuffix();
    return endLike(startText, start, end, writtenOrder(startText, start, order));
}

QString periodCaption(const QString &startText, const ExtDate &start, const ExtDate &end, DateOrder order)
{
    if (!yearAlone(startText, start).isEmpty()) {
        // Two years of the same era need the era word once, at the end.
        QString last = QString::number(end.ExYear());
        if (end.Era == EraBC)
            last += QStringLiteral(" BC");
        else if (start.Era == EraBC)
            last.prepend(QStringLiteral("AD ")); // "27 BC-AD 14": the era changes within the period
        const QString first =
            start.Era == EraBC && end.Era == EraBC ? QString::number(start.ExYear()) : yearAlone(startText, start);
        return first + u'-' + last;
    }
    return startText + QStringLiteral(" - ") + endLike(startText, start, end, writtenOrder(startText, start, order));
}

DateOrder writtenOrder(const QString &text, const ExtDate &date, DateOrder reader)
{
    const QString typed = text.trimmed();
    for (const DateOrder other : {DateOrder::DayFirst, DateOrder::MonthFirst}) {
        if (other != reader && typed.startsWith(date.Render(other, false)) &&
            !typed.startsWith(date.Render(reader, false)))
            return other;
    }
    return reader;
}

clEvent::clEvent(Globals &g) : EventDate(g.workingDate()), mG(&g)
{
    EventDate->NextDay();
    EventDateStr = EventDate->Render(g.dateOrder);
}

clEvent::clEvent() : EventDate(std::make_shared<ExtDate>()), mG(nullptr) {}

Globals &clEvent::g() const
{
    if (!mG)
        throw std::logic_error("An event record made to be read only cannot load or save");
    return *mG;
}

QString clEvent::shownDate(DateOrder order) const
{
    if (!EventDate)
        return {};
    return EventDate->Render(order, textHasTimeOfDay(EventDateStr));
}

QString clEvent::storedColumns()
{
    return QStringLiteral("e.EventDate, e.EventEra, e.EventDateStr, e.Description, e.Name, e.ImageName, e.ImageSource");
}

void clEvent::fillFromRow(const SqlQuery &q, int first)
{
    if (!EventDate)
        EventDate = std::make_shared<ExtDate>();
    *EventDate = storedDate(q.value(first), q.value(first + 1));
    EventDateStr = q.value(first + 2).toString();
    Description = q.value(first + 3).toString();
    Name = q.value(first + 4).toString();
    const QVariant imageName = q.value(first + 5);
    const QVariant imageSource = q.value(first + 6);
    ImageName = imageName.isNull() ? QStringLiteral("Im0.gif") : imageName.toString();
    ImageSource = imageSource.isNull() ? QStringLiteral("S") : imageSource.toString();
}

qint32 clEvent::Load()
{
    if (Id == 0)
        return 0;
    ProjectDatabase &db = g().ProjectDb;
    SqlQuery q(db, QStringLiteral("SELECT %1 FROM Event e WHERE e.Id = ?").arg(storedColumns()));
    q.bind(Id).exec();
    if (!q.next())
        return 0;
    fillFromRow(q, 0);
    q.finish();

    Actors = GetElements(db, Id, QStringLiteral("A"));
    Places = GetElements(db, Id, QStringLiteral("P"));
    Sources = GetElements(db, Id, QStringLiteral("S"));
    Keywords = GetElements(db, Id, QStringLiteral("K"));
    EndDate.reset();
    if (hasPeriods(db)) {
        SqlQuery end(db, QStringLiteral("SELECT EndDate, EndEra FROM Event WHERE Id = ? AND EndDate IS NOT NULL"));
        end.bind(Id).exec();
        if (end.next())
            EndDate = storedDate(end.value(0), end.value(1));
    }
    return Id;
}

qint32 clEvent::Save()
{
    ProjectDatabase &db = g().ProjectDb;
    // An unreadable date must never reach the file: it would sort and show as nonsense for good.
    if (!EventDate || !EventDate->isValid())
        throw StoreError(QStringLiteral("The event \"%1\" has no valid date").arg(Name));
    if (EndDate && (!EndDate->isValid() || EndDate->Compare(*EventDate) == u'<'))
        throw StoreError(QStringLiteral("The end of \"%1\" lies before its start").arg(Name));

    // No two events share a date and era: the user moves this one first, or gives up saving it. The
    // check and the write share one transaction, which holds the write lock, so that another process
    // cannot take the date in between.
    const qint32 previousId = Id;
    for (;;) {
        try {
            TransactionGuard guard(db);
            const SameDateEvents clash = eventsOnDate(db, *EventDate);
            const qint32 other = clash.first == Id ? clash.next : clash.first;
            if (other != 0) {
                // Nobody waits on a dialog with the file locked.
                guard.rollback();
                if (!g().DateCorrection || !g().DateCorrection(Name, other, clash.first == Id ? 0 : clash.next))
                    return -1;
                if (!g().NewEventDate || !g().NewEventDate->isValid())
                    throw StoreError(QStringLiteral("The corrected date of \"%1\" is not a valid date").arg(Name));
                // The shown text follows a date that replaced the typed one; a kept day keeps its text.
                const bool sameDay = g().NewEventDate->Era == EventDate->Era &&
                                     std::floor(g().NewEventDate->Value) == std::floor(EventDate->Value);
                EventDate = g().NewEventDate;
                if (!sameDay || EventDateStr.isEmpty())
                    EventDateStr = EventDate->Render(g().dateOrder);
                continue;
            }
            writeRow();
            guard.commit();
            break;
        } catch (...) {
            // A rolled-back row gives its Id back to the engine; keeping it would let this record
            // overwrite whichever event is stored next under that Id.
            Id = previousId;
            throw;
        }
    }
    return Id;
}

void clEvent::writeRow()
{
    ProjectDatabase &db = g().ProjectDb;
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
    if (hasPeriods(db)) {
        execSql(db, QStringLiteral("UPDATE Event SET EndDate = ?, EndEra = ? WHERE Id = ?"),
                {EndDate ? QVariant(EndDate->Value) : QVariant(), EndDate ? QVariant(EndDate->Era) : QVariant(), Id});
    } else if (EndDate) {
        throw StoreError(QStringLiteral("The project was made before events had an end and is open read-only"));
    }
    WriteElements();
}

void clEvent::WriteElements()
{
    ProjectDatabase &db = g().ProjectDb;
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
    removeEventFromTimelines(db, id);
    execSql(db, QStringLiteral("DELETE FROM Format WHERE EventId = ?"), {id});
    guard.commit();
}

bool eventExists(ProjectDatabase &db, qint32 id)
{
    SqlQuery q(db, QStringLiteral("SELECT 1 FROM Event WHERE Id = ?"));
    q.bind(id).exec();
    return q.next();
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
