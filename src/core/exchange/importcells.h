// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csvdocument.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace qm {

// The cells of one row of a sheet, by the field their column fills.
class RowReader
{
public:
    RowReader(const QHash<QString, int> &columns, const CsvRecord &record) : mColumns(columns), mRecord(record) {}

    // The cell of a column; nothing when the file has no such column or the row stops short of it.
    std::optional<QString> cell(const QString &column) const
    {
        const auto it = mColumns.constFind(column);
        if (it == mColumns.cend() || *it >= mRecord.cells.size())
            return std::nullopt;
        return mRecord.cells[*it];
    }

private:
    const QHash<QString, int> &mColumns;
    const CsvRecord &mRecord;
};

namespace importcells {

// Element lists that link the same elements: the same names, letter case, order and stray commas aside.
QStringList normalisedList(const QString &list);
// A spreadsheet may give back line breaks of another kind: that is no change.
QString unixLineBreaks(QString text);
// The timeline names of a cell. Known names are matched first, longest first, so that a name that
// itself holds a comma comes back whole; anything else up to the next comma is a new name.
QStringList timelineNames(const QString &cell, const QStringList &known);

} // namespace importcells

} // namespace qm
