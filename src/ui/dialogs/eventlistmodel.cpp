// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventlistmodel.h"

#include "store/clevent.h"

#include <algorithm>
#include <numeric>
#include <tuple>

namespace qm {

void EventListModel::setRows(std::vector<EventListRow> rows)
{
    beginResetModel();
    mRows = std::move(rows);
    mTicked.assign(mRows.size(), false);
    for (std::size_t i = 0; i < mRows.size(); ++i)
        mTicked[i] = mRows[i].onTimeline;
    // Era code, then value, is the order of time; an unreadable date (era 9999) goes last. Rows
    // ending together stay in date order.
    std::vector<int> byEnd(mRows.size());
    std::iota(byEnd.begin(), byEnd.end(), 0);
    const auto endKey = [this](int r) {
        const EventListRow &row = mRows[static_cast<std::size_t>(r)];
        const ExtDate &end = row.end ? *row.end : row.date;
        return std::tuple(end.Era, end.Value, r);
    };
    std::sort(byEnd.begin(), byEnd.end(), [&endKey](int a, int b) { return endKey(a) < endKey(b); });
    mEndRank.assign(mRows.size(), 0);
    for (std::size_t i = 0; i < byEnd.size(); ++i)
        mEndRank[static_cast<std::size_t>(byEnd[i])] = static_cast<int>(i);
    endResetModel();
}

void EventListModel::setTicks(const std::vector<bool> &ticked)
{
    if (ticked.size() != mTicked.size())
        return;
    mTicked = ticked;
    if (!mRows.empty())
        emit dataChanged(index(0, Name), index(rowCount() - 1, Name), {Qt::CheckStateRole});
}

void EventListModel::setAllTicks(bool ticked)
{
    setTicks(std::vector<bool>(mRows.size(), ticked));
}

std::vector<qint32> EventListModel::tickedIds() const
{
    std::vector<qint32> ids;
    for (std::size_t i = 0; i < mRows.size(); ++i) {
        if (mTicked[i])
            ids.push_back(mRows[i].id);
    }
    return ids;
}

int EventListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(mRows.size());
}

int EventListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto r = static_cast<std::size_t>(index.row());
    const EventListRow &row = mRows[r];
    switch (role) {
    case Qt::DisplayRole:
    case SortRole:
        switch (index.column()) {
        case Name:
            return row.name;
        case Date:
            // The rows come in date order: their number is their place in time.
            return role == SortRole ? QVariant(index.row()) : QVariant(row.dateText);
        case Ends:
            if (role == SortRole)
                return mEndRank[r];
            if (!row.end || !row.end->isValid())
                return QString();
            // As the period's label shows it: in the order its date is written in.
            return periodEndText(row.dateText, row.date, *row.end, mOrder);
        default:
            return row.elements[static_cast<std::size_t>(index.column() - Actors)];
        }
    case Qt::ToolTipRole:
        return index.column() == Name && !row.description.isEmpty() ? QVariant(row.description) : QVariant();
    case Qt::CheckStateRole:
        return index.column() == Name ? QVariant(mTicked[r] ? Qt::Checked : Qt::Unchecked) : QVariant();
    case IdRole:
        return row.id;
    default:
        return {};
    }
}

bool EventListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || index.column() != Name || role != Qt::CheckStateRole)
        return false;
    mTicked[static_cast<std::size_t>(index.row())] = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags EventListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Name)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant EventListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const headers[] = {"Name", "Date", "Ends", "Actors", "Places", "Sources", "Keywords"};
    return section >= 0 && section < ColumnCount ? QVariant(QString::fromLatin1(headers[section])) : QVariant();
}

EventListFilter::EventListFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(EventListModel::SortRole);
    setSortCaseSensitivity(Qt::CaseInsensitive);
    setSortLocaleAware(true);
}

void EventListFilter::setSearchText(const QString &text)
{
    mSearch = text.trimmed();
    invalidateFilter();
}

void EventListFilter::setTickedOnly(bool on)
{
    mTickedOnly = on;
    invalidateFilter();
}

void EventListFilter::setOnlyIds(std::optional<std::unordered_set<qint32>> ids)
{
    mOnly = std::move(ids);
    invalidateFilter();
}

bool EventListFilter::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *m = static_cast<const EventListModel *>(sourceModel());
    if (mTickedOnly && !m->isTicked(sourceRow))
        return false;
    const EventListRow &row = m->rows()[static_cast<std::size_t>(sourceRow)];
    if (mOnly && mOnly->count(row.id) == 0)
        return false;
    if (mSearch.isEmpty())
        return true;
    if (row.name.contains(mSearch, Qt::CaseInsensitive) || row.description.contains(mSearch, Qt::CaseInsensitive) ||
        row.dateText.contains(mSearch, Qt::CaseInsensitive))
        return true;
    return std::any_of(row.elements.begin(), row.elements.end(),
                       [this](const QString &names) { return names.contains(mSearch, Qt::CaseInsensitive); });
}

} // namespace qm
