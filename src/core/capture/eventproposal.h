// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QString>

namespace qm {

class ProjectDatabase;

// The name a captured date proposes for its event: the clause the date stands in, without the date
// phrase and the word that leads into it ("on", "in"), capitalised and cut at a word boundary to at
// most 80 characters. A clause that is nothing but the date gives way to the rest of the sentence.
// `phraseStart` and `phraseLength` place the date inside `sentence`.
QString proposedEventName(const QString &sentence, qsizetype phraseStart, qsizetype phraseLength);

// Whether the project already holds this date's event: an event of the same day (or of the day
// after, where earlier builds moved a second event of a day) whose name is the proposed name, the
// date's sentence, or a part of that sentence.
bool eventInProject(ProjectDatabase &db, const ExtDate &date, const QString &sentence, const QString &name);

} // namespace qm
