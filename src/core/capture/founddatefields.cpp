// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "founddatefields.h"

#include "elementfinder.h"
#include "store/datequeries.h"
#include "store/projectdatabase.h"

namespace qm {

FoundDateFields foundDateFields(ProjectDatabase &db, const DateEnv &env, const QString &text, qsizetype firstIndex,
                                qsizetype length, bool advanceDate)
{
    FoundDateFields f;
    f.txtDateLabel = text.mid(firstIndex, length);
    f.date.Assign(f.txtDateLabel, env);
    f.txtDate = f.date.Render();
    f.context = FindDateContext(text, firstIndex, length);

    const QString where = f.context.txtShort + u' ' + f.context.txtLong;
    f.txtSource = FindElementsInText(db, where, QStringLiteral("S"));
    f.txtActors = FindElementsInText(db, where, QStringLiteral("A"));
    f.txtWhere = FindElementsInText(db, where, QStringLiteral("P"));
    f.txtKeyword = FindElementsInText(db, where, QStringLiteral("K"));

    f.acceptEnabled = advanceDate || !db.isOpen() || !f.date.isValid() || !SameDateExists(db, f.date, 0);
    return f;
}

} // namespace qm
