// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/eventlist.h"

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include <optional>
#include <unordered_set>
#include <vector>

namespace qm {

// The rows of the event list with their ticks: name, date, end, actors, places, sources, keywords.
class EventListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Name, Date, Ends, Actors, Places, Sources, Keywords, ColumnCount };
    // What the columns sort by: the date column by the row's place in date order, not its text; the
    // end column by the end in time, an event of one moment by its date, as it is over when it happens.
    static constexpr int SortRole = Qt::UserRole;
    static constexpr int IdRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    // New rows, ticked where the timeline shows the event.
    void setRows(std::vector<EventListRow> rows);
    // The order the ends are shown in.
    void setDateOrder(DateOrder order) { mOrder = order; }
    const std::vector<EventListRow> &rows() const { return mRows; }
    bool isTicked(int row) const { return mTicked[static_cast<std::size_t>(row)]; }
    void setTicks(const std::vector<bool> &ticked);
    void setAllTicks(bool ticked);
    // The ids of the ticked rows, in date order.
    std::vector<qint32> tickedIds() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<EventListRow> mRows;
    std::vector<bool> mTicked;
    // Each row's place when the rows are ordered by their end.
    std::vector<int> mEndRank;
    DateOrder mOrder = DateOrder::MonthFirst;
};

// The rows whose name, description, date as shown or elements hold the search text (letter case
// ignored), or only the ticked ones among them, sorted by column.
class EventListFilter : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit EventListFilter(QObject *parent = nullptr);
    void setSearchText(const QString &text);
    void setTickedOnly(bool on);
    // Only the rows of these events (a category's); none given, every row.
    void setOnlyIds(std::optional<std::unordered_set<qint32>> ids);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString mSearch;
    bool mTickedOnly = false;
    std::optional<std::unordered_set<qint32>> mOnly;
};

} // namespace qm
