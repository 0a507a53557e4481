// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "placements.h"

#include "sqlquery.h"

namespace qm {

std::vector<Placement> timelinePlacements(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT tle.EventId, tle.BoxLeft, tle.BoxTop FROM TimeLineEvent tle "
                                  "JOIN Event e ON tle.EventId = e.Id WHERE tle.TimeLineId = ? "
                                  "ORDER BY e.EventEra, e.EventDate, e.Id"));
    q.bind(timelineId).exec();
    std::vector<Placement> list;
    while (q.next())
        list.push_back({q.value(0).toInt(), q.value(1).toDouble(), q.value(2).toDouble()});
    return list;
}

} // namespace qm
