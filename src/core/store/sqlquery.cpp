// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sqlquery.h"

#include "projectdatabase.h"
#include "storeerror.h"

#include <QSqlError>

namespace qm {

SqlQuery::SqlQuery(ProjectDatabase &db, const QString &sql) : mQuery(db.db()), mSql(sql)
{
    if (!db.isOpen())
        throw StoreError(QStringLiteral("No project is open"));
    mQuery.setForwardOnly(true);
    if (!mQuery.prepare(sql))
        throw StoreError(QStringLiteral("Cannot prepare \"%1\"").arg(sql), mQuery.lastError().text());
}

SqlQuery &SqlQuery::bind(const QVariant &value)
{
    mQuery.addBindValue(value);
    return *this;
}

SqlQuery &SqlQuery::exec()
{
    if (!mQuery.exec())
        throw StoreError(QStringLiteral("Cannot run \"%1\"").arg(mSql), mQuery.lastError().text());
    return *this;
}

bool SqlQuery::next()
{
    if (mQuery.next())
        return true;
    if (mQuery.lastError().isValid())
        throw StoreError(QStringLiteral("Cannot read the rows of \"%1\"").arg(mSql), mQuery.lastError().text());
    return false;
}

void execSql(ProjectDatabase &db, const QString &sql, const QVariantList &values)
{
    SqlQuery q(db, sql);
    for (const QVariant &v : values)
        q.bind(v);
    q.exec();
    q.finish();
}

TransactionGuard::TransactionGuard(ProjectDatabase &db) : mDb(db)
{
    mDb.beginTransaction();
}

TransactionGuard::~TransactionGuard()
{
    if (!mDone)
        mDb.rollbackTransaction();
}

void TransactionGuard::rollback()
{
    if (mDone)
        return;
    mDone = true;
    mDb.rollbackTransaction();
}

void TransactionGuard::commit()
{
    mDone = true;
    mDb.commitTransaction();
}

} // namespace qm
