// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/projectdatabase.h"
#include "store/sqlquery.h"

#include <QString>
#include <QVariant>

namespace qmtest {

// The first column of the first row of a query, read through a connection of its own, so that
// what it sees is what was really committed to the file.
inline QVariant committedValue(const QString &projectPath, const QString &sql, const QVariantList &values = {})
{
    qm::ProjectDatabase second;
    second.open(projectPath, qm::ProjectDatabase::Mode::ReadOnly);
    qm::SqlQuery q(second, sql);
    for (const QVariant &v : values)
        q.bind(v);
    q.exec();
    return q.next() ? q.value(0) : QVariant();
}

inline int committedCount(const QString &projectPath, const QString &sql, const QVariantList &values = {})
{
    return committedValue(projectPath, sql, values).toInt();
}

} // namespace qmtest
