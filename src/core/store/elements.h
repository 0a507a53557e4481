// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace qm {

class ProjectDatabase;

// Elements are actors ("A"), places ("P"), sources ("S") and keywords ("K"); an event carries them as
// four comma-separated lists of names.

// The names of the event's elements of one type, ordered by name and joined with ", "; "" for none.
QString GetElements(ProjectDatabase &db, qint32 eventId, const QString &type);
// The comma-separated pieces of an element list, trimmed; empty pieces are kept as empty names.
QStringList SplitElements(const QString &list);
// The Id of the element of that type and name (letter case ignored), created first when there is none.
qint32 FindOrCreateElement(ProjectDatabase &db, const QString &type, const QString &name);

// The names of every element of a type, in name order.
QStringList elementsOfType(ProjectDatabase &db, const QString &type);
// Adds the element unless one of that type and name exists; true when it was added.
bool addElement(ProjectDatabase &db, const QString &type, const QString &name);
// Renames the element; false when there is none by the old name. Links follow, as they hold its id.
bool renameElement(ProjectDatabase &db, const QString &type, const QString &oldName, const QString &newName);
// How many events are linked to the element of that type and name; 0 when there is none.
int eventsUsingElement(ProjectDatabase &db, const QString &type, const QString &name);
// Deletes the element of that type and name; its links no longer show it.
void deleteElement(ProjectDatabase &db, const QString &type, const QString &name);
// The type words of the windows: "A" -> "Actors" and so on; "" for anything else.
QString elementTypeWord(const QString &type);

} // namespace qm
