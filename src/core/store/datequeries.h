// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"
#include "dates/yearlookup.h"

namespace qm {

class ProjectDatabase;

// Completes typed years and days from the events stored in a project.
class ProjectYearLookup : public YearLookup
{
public:
    explicit ProjectYearLookup(ProjectDatabase &db) : mDb(db) {}

    QString LatestEventYear() const override;
    qint16 LatestEventEra() const override;
    std::optional<double> latestValueInYear(int storedYear, qint16 era) const override;

private:
    ProjectDatabase &mDb;
};

// An event's date as the file holds it. A number outside the calendar, a non-number or an unknown era
// (a file made elsewhere) reads as an invalid date; a missing era as the plain one.
ExtDate storedDate(const QVariant &value, const QVariant &era);

// The stored events with exactly this date and era: the first one and the one after it, 0 when missing.
struct SameDateEvents
{
    qint32 first = 0;
    qint32 next = 0;
};
SameDateEvents eventsOnDate(ProjectDatabase &db, const ExtDate &date);

// True when another event than `id` has exactly this date and era.
bool SameDateExists(ProjectDatabase &db, const ExtDate &date, qint32 id);
// How a new event's date was fitted among the stored ones.
enum class DateMove {
    Unchanged,      // nobody else had it
    AfterDayEvents, // same day, at the first free minute after that day's other events (never shown)
    NextMinute,     // its own typed time of day was taken: moved on by a minute or more
    NoRoom,         // no free minute left: the date is unchanged and taken
};
// Keeps a taken day: several events of one day are told apart by a minute nobody typed, so that
// the order of entry breaks the tie and no historical day changes. `typedTime` says the user gave
// the time of day, which then moves on rather than the day being shared.
DateMove FitDateOnDay(ProjectDatabase &db, ExtDate &date, bool typedTime, qint32 ownId = 0);
// What the user is told of a move they could not see coming ("" when there is nothing to tell).
QString dateMoveNote(DateMove move, const ExtDate &typed, const ExtDate &fitted, DateOrder order);
// The caption of the choice to share a taken day, in every window that offers it.
QString sameDayCaption();

// Moves the date forward, a day at a time, to the first day no stored event but `ownId` has
// (an event being edited may keep its own date).
void FirstFreeDate(ProjectDatabase &db, ExtDate &date, qint32 ownId = 0);

} // namespace qm
