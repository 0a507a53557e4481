// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace qm {

class ProjectDatabase;

// One statement prepared once and run for many sets of values, as bulk work needs; every failure
// raises StoreError.
class PreparedStatement
{
public:
    PreparedStatement(ProjectDatabase &db, const QString &sql);

    // Binds the values in order and runs the statement; the query is there to read its rows.
    QSqlQuery &run(const QVariantList &values);

private:
    QSqlQuery mQuery;
    QString mSql;
};

} // namespace qm
