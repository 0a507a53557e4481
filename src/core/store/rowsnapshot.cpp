// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowsnapshot.h"

#include "preparedstatement.h"

#include "store/projectdatabase.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace qm {

RowSnapshot RowSnapshot::matching(ProjectDatabase &db, const QString &table, const QString &condition,
                                  const QVariantList &values)
{
    RowSnapshot rows(table, condition);
    rows.read(db, QList<QVariantList>{values});
    return rows;
}

void RowSnapshot::read(ProjectDatabase &db, const QList<QVariantList> &keys)
{
    mKeys = keys;
    mRows.clear();
    // In the order they were stored: put back in another, the first of two rows would change.
    PreparedStatement select(db, QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY rowid").arg(mTable, mWhere));
    for (const QVariantList &key : keys) {
        QSqlQuery &q = select.run(key);
        while (q.next()) {
            const QSqlRecord r = q.record();
            if (mColumns.isEmpty()) {
                for (int i = 0; i < r.count(); ++i)
                    mColumns << r.fieldName(i);
            }
            QVariantList values;
            values.reserve(r.count());
            for (int i = 0; i < r.count(); ++i)
                values << r.value(i);
            mRows << values;
        }
        if (q.lastError().isValid())
            throw StoreError(QStringLiteral("Cannot read the rows of %1").arg(mTable), q.lastError().text());
        q.finish();
    }
}

void RowSnapshot::remove(ProjectDatabase &db) const
{
    if (mKeys.isEmpty())
        return;
    PreparedStatement del(db, QStringLiteral("DELETE FROM %1 WHERE %2").arg(mTable, mWhere));
    for (const QVariantList &key : mKeys)
        del.run(key);
}

void RowSnapshot::restore(ProjectDatabase &db) const
{
    if (mKeys.isEmpty())
        return;
    TransactionGuard guard(db);
    remove(db);
    if (mRows.isEmpty()) {
        guard.commit();
        return;
    }
    QStringList marks;
    for (qsizetype i = 0; i < mColumns.size(); ++i)
        marks << QStringLiteral("?");
    PreparedStatement insert(db,
                             QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                 .arg(mTable, mColumns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    for (const QVariantList &row : mRows)
        insert.run(row);
    guard.commit();
}

} // namespace qm
