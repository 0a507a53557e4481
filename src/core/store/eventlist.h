// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace qm {

class ProjectDatabase;

// The four element types in the order the event list shows them: actors, places, sources, keywords.
inline constexpr std::array<char16_t, 4> ElementTypeLetters = {u'A', u'P', u'S', u'K'};

// One event as the event list shows it.
struct EventListRow
{
    qint32 id = 0;
    QString name;
    QString description;
    QString dateText;
    ExtDate date;
    // The end of a period; none for an event of one moment.
    std::optional<ExtDate> end;
    // Actors, places, sources and keywords, each ordered by name and joined with ", ".
    std::array<QString, 4> elements;
    bool onTimeline = false;
};

// Every event of the project in chronological order (era code, then date), with its element lists
// and whether the timeline shows it. Three reads, however many events there are.
std::vector<EventListRow> loadEventList(ProjectDatabase &db, qint32 timelineId);

// What "Select Events" asks of an event: for each element type, one of the names (letter case
// ignored; an empty list asks nothing), and a date between the bounds, both included.
struct EventFilter
{
    std::array<QStringList, 4> names;
    ExtDate from;
    ExtDate to;
};

// For each row, whether the filter ticks it. One read per element list in use; an event whose date
// cannot be compared is never ticked.
std::vector<bool> selectEvents(ProjectDatabase &db, const std::vector<EventListRow> &rows, const EventFilter &filter);

// The earliest and latest valid dates of the rows, the bounds the list opens with; invalid dates
// when there are none.
std::pair<ExtDate, ExtDate> dateBounds(const std::vector<EventListRow> &rows);

} // namespace qm
