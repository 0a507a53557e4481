// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QList>
#include <QString>

#include <map>
#include <memory>
#include <optional>

namespace qm {

class Globals;
class ProjectDatabase;

// One event of the project with its four element lists, loaded by Id and saved as a whole.
class clEvent
{
public:
    // A new event shares the working date of `g`, which moves on by one day for the next one.
    explicit clEvent(Globals &g);
    // A record that is only filled and read, as a box of the canvas shows it; Load and Save need the
    // project and raise std::logic_error on it.
    clEvent();

    std::shared_ptr<ExtDate> EventDate;
    QString EventDateStr;
    qint32 Id = 0;
    QString Description;
    QString Name = QStringLiteral("New event");
    QString Actors;
    QString Places;
    QString Sources;
    QString Keywords;
    QString ImageSource = QStringLiteral("S");
    QString ImageName = QStringLiteral("Im0.gif");
    // The end of a period; none for an event of one moment. Never before EventDate.
    std::optional<ExtDate> EndDate;

    // Fills the record from the row of its Id and returns that Id; 0, leaving it unchanged, when
    // there is none. The date is written into the date object the record holds, shared or not.
    qint32 Load();
    // The stored columns Load reads, in the order fillFromRow takes them, for queries that read many
    // events at once ("e." prefixed).
    static QString storedColumns();
    // Fills the stored fields (not the element lists) from a row holding storedColumns() from `first` on.
    void fillFromRow(const class SqlQuery &q, int first);
    // Stores the record and its element links, creating the row when needed, and returns the Id;
    // -1 when another event has the same date and the correction was cancelled (nothing is stored).
    qint32 Save();
    // The date in numeric form for date fields and lists; its time of day only when the user gave one
    // (a shared day's tie-breaking minute is nobody's business).
    QString shownDate(DateOrder order) const;

private:
    // Replaces the event's element links by those of its four lists.
    void WriteElements();
    // Inserts or updates the row and its element links, inside the caller's transaction.
    void writeRow();
    Globals &g() const;

    Globals *mG;
};

// ", e.EndDate, e.EndEra" where the file has periods, else two nulls, so that one query reads every file.
QString endColumns(ProjectDatabase &db);
// The end that the two columns of endColumns() hold; none for an event of one moment.
std::optional<ExtDate> storedEnd(const QVariant &date, const QVariant &era);
// The ends of the periods among the events on the timeline (none in files older than periods).
std::map<qint32, ExtDate> periodEnds(ProjectDatabase &db, qint32 timelineId);
// The date label of a period: "1793-1794" for two years typed alone, else the start as typed, a dash
// and the end.
QString periodCaption(const QString &startText, const ExtDate &start, const ExtDate &end, DateOrder order);
// The end a typed text means: a year alone ("1794", "43 BC") runs to its last day, a month without its
// day ("July 1794") to the month's; a text that gives its day is that day.
ExtDate typedEnd(const QString &text, const ExtDate &read);
// The end alone, written as the start is: "1794" after "1793", "28 July 1794" after "5 September 1793".
QString periodEndText(const QString &startText, const ExtDate &start, const ExtDate &end, DateOrder order);
// The order a date's shown text is written in, so that its end is written the same way ("4/20/1792 -
// 10/17/1797" even for a reader who writes the day first); the reader's when the text tells nothing.
DateOrder writtenOrder(const QString &text, const ExtDate &date, DateOrder reader);

// Deletes the event and the rows that name it: its element links, placements and formats.
void DeleteEventRow(ProjectDatabase &db, qint32 id);
// Whether the project has an event with that Id (a window may have kept one open that was deleted).
bool eventExists(ProjectDatabase &db, qint32 id);
// The Ids of all events in chronological order: by era code, then by date.
QList<qint32> eventIdsByDate(ProjectDatabase &db);

} // namespace qm
