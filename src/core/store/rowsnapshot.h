// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace qm {

class ProjectDatabase;

// The rows of one table that match a condition for each of a list of keys (an event's Id, a
// timeline's Id...), kept whole so that an undo can put them back exactly, including the absence of rows.
class RowSnapshot
{
public:
    RowSnapshot() = default;
    // `where` holds one "?" per value of a key, such as "TimelineId = ? AND EventId = ?".
    RowSnapshot(const QString &table, const QString &where) : mTable(table), mWhere(where) {}

    // The rows of `table` that meet `condition`, its "?" bound to `values` in order; throws StoreError.
    static RowSnapshot matching(ProjectDatabase &db, const QString &table, const QString &condition,
                                const QVariantList &values);

    // Reads the rows of every key, one prepared statement for them all; throws StoreError.
    void read(ProjectDatabase &db, const QList<QVariantList> &keys);
    // Deletes the rows that now match the keys and puts the kept ones in their place (one transaction).
    // A snapshot never read puts nothing back and deletes nothing.
    void restore(ProjectDatabase &db) const;
    // Deletes the rows that now match the keys.
    void remove(ProjectDatabase &db) const;

    bool isEmpty() const { return mRows.isEmpty(); }
    qsizetype size() const { return mRows.size(); }
    // Whether both hold the same rows with the same values.
    bool sameRows(const RowSnapshot &other) const { return mColumns == other.mColumns && mRows == other.mRows; }

private:
    QString mTable;
    QString mWhere;
    QList<QVariantList> mKeys;
    QStringList mColumns;
    QList<QVariantList> mRows;
};

} // namespace qm
