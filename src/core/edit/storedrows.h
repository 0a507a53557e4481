// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>

namespace qm {

class ProjectDatabase;

// The rows of one table that meet a condition, kept whole so that an undo can put them back
// exactly as they were, including rows that did not exist (an empty set).
class StoredRows
{
public:
    StoredRows() = default;
    // Reads the rows of `table` WHERE `condition` (with bound values).
    static StoredRows read(ProjectDatabase &db, const QString &table, const QString &condition,
                           const QVariantList &values);

    // Replaces the rows that meet the condition by the kept ones; inside the caller's transaction.
    void restore(ProjectDatabase &db) const;
    bool isEmpty() const { return mRows.isEmpty(); }
    // Whether both hold the same rows with the same values.
    bool sameRows(const StoredRows &other) const { return mRows == other.mRows; }
    qsizetype size() const { return mRows.size(); }

private:
    QString mTable;
    QString mCondition;
    QVariantList mValues;
    QList<QSqlRecord> mRows;
};

} // namespace qm
