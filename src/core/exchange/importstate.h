// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"
#include "store/datequeries.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace qm {

class ProjectDatabase;

// An event as the file holds it, with what import compares a row against.
struct StoredEvent
{
    ExtDate date;
    std::optional<ExtDate> end;
    QString dateStr;
    QString name;
    QString description;
    std::array<QString, 4> lists;
    QString imageName;
    QString imageSource;
    QSet<qint32> timelines;
};

struct StoredTimeline
{
    qint32 id = 0;
    QString name;
};

// Dates are the same to the second, as the date clash check of saving has it.
inline qint64 dateKey(const ExtDate &d)
{
    return std::llround(d.Value * 86400.0) * 4 + (d.Era + 2);
}

// The project as import sees it: events, timelines, and which event stands on which date.
class ProjectState
{
public:
    explicit ProjectState(ProjectDatabase &db);

    // Whether someone other than `own` has the date.
    bool taken(const ExtDate &d, qint32 own) const
    {
        const auto it = mDates.constFind(dateKey(d));
        if (it == mDates.cend())
            return false;
        return std::any_of(it->cbegin(), it->cend(), [own](qint32 id) { return id != own; });
    }
    void occupy(const ExtDate &d, qint32 id) { mDates[dateKey(d)] << id; }
    void release(const ExtDate &d, qint32 id)
    {
        const auto it = mDates.find(dateKey(d));
        if (it != mDates.end())
            it->removeOne(id);
    }

    // Keeps a taken day as saving does: after the day's other events at a minute nobody sees, or,
    // for a typed time of day, a minute or more later.
    ExtDate fitOnDay(const ExtDate &d, qint32 own, bool typedTime, DateMove &move) const;

    QHash<qint32, StoredEvent> events;
    std::vector<StoredTimeline> timelines;

private:
    QHash<qint64, QList<qint32>> mDates;
};

} // namespace qm
