// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "founddatefields.h"

#include "elementfinder.h"
#include "store/datequeries.h"
#include "store/projectdatabase.h"

namespace qm {

FoundDateFields foundDateFields(ProjectDatabase &db, const QString &text, const FoundDate &found, bool advanceDate)
{
    FoundDateFields f;
    f.txtDateLabel = found.Value;
    // The date as the scan read it in its narrative; the phrase alone may lack the year.
    f.date = found.Date;
    f.txtDate = f.date.Render();
    f.context = FindDateContext(text, found.FirstIndex, found.Length);

    const QString where = f.context.txtShort + u' ' + f.context.txtLong;
    f.txtSource = FindElementsInText(db, where, QStringLiteral("S"));
    f.txtActors = FindElementsInText(db, where, QStringLiteral("A"));
    f.txtWhere = FindElementsInText(db, where, QStringLiteral("P"));
    f.txtKeyword = FindElementsInText(db, where, QStringLiteral("K"));

    f.acceptEnabled = advanceDate || !db.isOpen() || !f.date.isValid() || !SameDateExists(db, f.date, 0);
    return f;
}

} // namespace qm
