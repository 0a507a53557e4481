// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preparedstatement.h"

#include "store/projectdatabase.h"
#include "store/storeerror.h"

#include <QSqlError>

namespace qm {

PreparedStatement::PreparedStatement(ProjectDatabase &db, const QString &sql) : mQuery(db.db()), mSql(sql)
{
    if (!db.isOpen())
        throw StoreError(QStringLiteral("No project is open"));
    mQuery.setForwardOnly(true);
    if (!mQuery.prepare(sql))
        throw StoreError(QStringLiteral("Cannot prepare \"%1\"").arg(sql), mQuery.lastError().text());
}

QSqlQuery &PreparedStatement::run(const QVariantList &values)
{
    mQuery.finish();
    for (int i = 0; i < values.size(); ++i)
        mQuery.bindValue(i, values[i]);
    if (!mQuery.exec())
        throw StoreError(QStringLiteral("Cannot run \"%1\"").arg(mSql), mQuery.lastError().text());
    return mQuery;
}

} // namespace qm
