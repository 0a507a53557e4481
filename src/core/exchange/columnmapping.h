// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace qm {

// Which event field a column of a sheet fills: one of the exchange columns, or "" for none.
// Column names are compared the way element names are (letter case aside).
class ColumnMapping
{
public:
    // The choices the user made before, by column name, as the settings keep them.
    static ColumnMapping remembered();
    // Keeps the choice for the next sheet with a column of that name.
    static void remember(const QString &header, const QString &field);

    // The field a column of that name fills: the user's earlier choice, the field's own name, a
    // date header naming its order, or a usual other name ("Title" is the Name, "Who" the Actors).
    QString propose(const QString &header) const;

    QHash<QString, QString> choices; // case-folded header -> field ("" = not read)
};

} // namespace qm
