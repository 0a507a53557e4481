// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "elementfinder.h"

#include "store/projectdatabase.h"
#include "store/sqlquery.h"

#include <QStringList>

namespace qm {

QString FindElementsInText(ProjectDatabase &db, const QString &text, const QString &type)
{
    if (!db.isOpen())
        return {};
    const QString upperText = text.toUpper();
    QStringList names;
    SqlQuery q(db, QStringLiteral("SELECT ElementName FROM Element WHERE ElementType = ? ORDER BY rowid"));
    q.bind(type).exec();
    while (q.next()) {
        const QString name = q.value(0).toString();
        // An empty name would "occur" in every text and put an empty element on every captured event.
        if (!name.isEmpty() && upperText.contains(name.toUpper()))
            names << name;
    }
    q.finish();
    return names.join(u',');
}

} // namespace qm
