// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "storedrows.h"

#include "store/projectdatabase.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>

namespace qm {

StoredRows StoredRows::read(ProjectDatabase &db, const QString &table, const QString &condition,
                            const QVariantList &values)
{
    StoredRows rows;
    rows.mTable = table;
    rows.mCondition = condition;
    rows.mValues = values;
    if (!db.isOpen())
        throw StoreError(QStringLiteral("No project is open"));
    QSqlQuery q(db.db());
    q.setForwardOnly(true);
    const QString sql = QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY rowid").arg(table, condition);
    if (!q.prepare(sql))
        throw StoreError(QStringLiteral("Cannot prepare \"%1\"").arg(sql), q.lastError().text());
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        throw StoreError(QStringLiteral("Cannot run \"%1\"").arg(sql), q.lastError().text());
    while (q.next())
        rows.mRows << q.record();
    if (q.lastError().isValid())
        throw StoreError(QStringLiteral("Cannot read the rows of \"%1\"").arg(sql), q.lastError().text());
    return rows;
}

void StoredRows::restore(ProjectDatabase &db) const
{
    if (mTable.isEmpty())
        return;
    TransactionGuard guard(db);
    execSql(db, QStringLiteral("DELETE FROM %1 WHERE %2").arg(mTable, mCondition), mValues);
    for (const QSqlRecord &row : mRows) {
        QStringList names;
        QStringList marks;
        QVariantList values;
        for (int i = 0; i < row.count(); ++i) {
            names << row.fieldName(i);
            marks << QStringLiteral("?");
            values << row.value(i);
        }
        execSql(db,
                QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(mTable, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                values);
    }
    guard.commit();
}

} // namespace qm
