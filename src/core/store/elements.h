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

} // namespace qm
