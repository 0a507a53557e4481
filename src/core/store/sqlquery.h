// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace qm {

class ProjectDatabase;

// A prepared statement whose every failure raises StoreError; values go in as bound parameters.
class SqlQuery
{
public:
    SqlQuery(ProjectDatabase &db, const QString &sql);

    SqlQuery &bind(const QVariant &value);
    // Runs the statement; throws StoreError on failure.
    SqlQuery &exec();
    // The next row; a failure while reading (not the end of the rows) raises StoreError.
    bool next();
    QVariant value(int index) const { return mQuery.value(index); }
    QVariant value(const QString &column) const { return mQuery.value(column); }
    QVariant lastInsertId() const { return mQuery.lastInsertId(); }
    int rowsAffected() const { return mQuery.numRowsAffected(); }
    // Releases the statement so that it holds no transaction open.
    void finish() { mQuery.finish(); }

private:
    QSqlQuery mQuery;
    QString mSql;
};

// Runs one statement with its values and throws StoreError when it fails.
void execSql(ProjectDatabase &db, const QString &sql, const QVariantList &values = {});

// Commits the work done while it lives only when told to; otherwise rolls it back.
class TransactionGuard
{
public:
    explicit TransactionGuard(ProjectDatabase &db);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    void commit();
    // Ends the transaction now, undoing its work, instead of when the guard goes.
    void rollback();

private:
    ProjectDatabase &mDb;
    bool mDone = false;
};

} // namespace qm
