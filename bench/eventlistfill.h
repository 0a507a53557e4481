// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/globals.h"
#include "store/sqlquery.h"

namespace qmbench {

// `count` events from 9000 BC on, each with two actors, a place, a source and a keyword (of 500
// names per type), half of them on timeline 1.
inline void fillEventList(qm::Globals &g, int count)
{
    auto &db = g.ProjectDb;
    qm::TransactionGuard guard(db);
    qm::SqlQuery element(db, QStringLiteral("INSERT INTO Element (Id, ElementType, ElementName) VALUES (?, ?, ?)"));
    const QString types[] = {QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("S"), QStringLiteral("K")};
    const QString words[] = {QStringLiteral("Actor"), QStringLiteral("Place"), QStringLiteral("Source"),
                             QStringLiteral("Keyword")};
    for (int t = 0; t < 4; ++t) {
        for (int i = 0; i < 500; ++i)
            element.bind(t * 500 + i + 1).bind(types[t]).bind(QStringLiteral("%1 %2").arg(words[t]).arg(i)).exec();
    }
    qm::SqlQuery event(db, QStringLiteral("INSERT INTO Event (Id, EventDate, EventEra, EventDateStr, Name, "
                                          "Description) VALUES (?, ?, ?, ?, ?, ?)"));
    qm::SqlQuery link(db,
                      QStringLiteral("INSERT INTO EventElement (EventId, ElementType, ElementId) VALUES (?, ?, ?)"));
    qm::SqlQuery place(db, QStringLiteral("INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                                          "VALUES (1, ?, ?, 100)"));
    for (int i = 1; i <= count; ++i) {
        // The first half before the common era, the second after.
        const bool bc = i <= count / 2;
        event.bind(i).bind(bc ? 100.0 * i : -50000.0 + 3.0 * i).bind(bc ? -2 : 0);
        event.bind(QStringLiteral("day %1").arg(i)).bind(QStringLiteral("Event %1").arg(i));
        event.bind(QStringLiteral("What happened on day %1").arg(i)).exec();
        const int elementIds[] = {(i * 7) % 500 + 1, (i * 13) % 500 + 1, 500 + i % 500 + 1, 1000 + (i * 3) % 500 + 1,
                                  1500 + (i * 11) % 500 + 1};
        const QString linkTypes[] = {types[0], types[0], types[1], types[2], types[3]};
        for (int k = 0; k < 5; ++k)
            link.bind(i).bind(linkTypes[k]).bind(elementIds[k]).exec();
        if (i % 2 == 0)
            place.bind(i).bind(2400.0 * i).exec();
    }
    guard.commit();
}

} // namespace qmbench
