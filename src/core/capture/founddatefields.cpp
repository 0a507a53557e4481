// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "founddatefields.h"

#include "elementfinder.h"
#include "eventproposal.h"
#include "store/datequeries.h"
#include "store/projectdatabase.h"

namespace qm {

FoundDateFields foundDateFields(ProjectDatabase &db, const QString &text, const FoundDate &found, bool advanceDate,
                                DateOrder order)
{
    FoundDateFields f;
    f.txtDateLabel = found.shownText(order);
    // The date as the scan read it in its narrative; the phrase alone may lack the year.
    f.date = found.Date;
    f.txtDate = f.date.Render(order);
    if (found.End)
        f.txtEnds = found.End->Render(order);
    f.context = FindDateContext(text, found.FirstIndex, found.Length);
    const QString &sentence = f.context.txtShort;
    f.txtShort = proposedEventName(sentence, found.FirstIndex - f.context.sentenceStart, found.Length);

    const QString where = sentence + u' ' + f.context.txtLong;
    // Bonaparte's campaign is his, not that of every actor the paragraph names.
    const auto named = [&](const QString &type) {
        const QString inSentence = FindElementsInText(db, sentence, type);
        return inSentence.isEmpty() ? FindElementsInText(db, f.context.txtLong, type) : inSentence;
    };
    f.txtSource = FindElementsInText(db, where, QStringLiteral("S"));
    f.txtActors = named(QStringLiteral("A"));
    f.txtWhere = named(QStringLiteral("P"));
    f.txtKeyword = FindElementsInText(db, where, QStringLiteral("K"));

    f.inProject = eventInProject(db, f.date, sentence, f.txtShort);
    f.acceptEnabled =
        !f.inProject && (advanceDate || !db.isOpen() || !f.date.isValid() || !SameDateExists(db, f.date, 0));
    return f;
}

} // namespace qm
