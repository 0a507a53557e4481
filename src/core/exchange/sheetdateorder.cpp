// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheetdateorder.h"

#include "dates/extdate.h"
#include "dates/platformdate.h"
#include "dates/yearlookup.h"

namespace qm {

namespace {

std::optional<int> smallNumber(QStringView s)
{
    return platformdate::digitsValue(s, 2);
}

} // namespace

QString dateHeader(DateOrder order)
{
    return QStringLiteral("Date (%1)").arg(dateOrderName(order));
}

bool isDateHeader(QStringView header)
{
    header = header.trimmed();
    return header.compare(u"Date", Qt::CaseInsensitive) == 0 || headerDateOrder(header).has_value();
}

std::optional<DateOrder> headerDateOrder(QStringView header)
{
    header = header.trimmed();
    for (const DateOrder order : {DateOrder::DayFirst, DateOrder::MonthFirst}) {
        if (header.compare(dateHeader(order), Qt::CaseInsensitive) == 0)
            return order;
    }
    return std::nullopt;
}

std::optional<std::pair<int, int>> leadingNumbers(QStringView cell)
{
    cell = cell.trimmed();
    const qsizetype blank = cell.indexOf(u' ');
    const QStringView date = blank < 0 ? cell : cell.left(blank);
    const QChar sep = date.contains(u'/') ? u'/' : u'-';
    const qsizetype first = date.indexOf(sep);
    if (first < 0)
        return std::nullopt;
    const qsizetype second = date.indexOf(sep, first + 1);
    const auto a = smallNumber(date.left(first));
    const auto b = smallNumber(second < 0 ? date.mid(first + 1) : date.mid(first + 1, second - first - 1));
    if (!a || !b)
        return std::nullopt;
    return std::pair{*a, *b};
}

std::optional<DateOrder> cellDateOrder(QStringView cell)
{
    const auto n = leadingNumbers(cell);
    if (!n)
        return std::nullopt;
    if (n->first > 12 && n->second <= 12)
        return DateOrder::DayFirst;
    if (n->second > 12 && n->first <= 12)
        return DateOrder::MonthFirst;
    return std::nullopt;
}

bool readsTwoWays(QStringView cell)
{
    const auto n = leadingNumbers(cell);
    return n && n->first != n->second && n->first >= 1 && n->first <= 12 && n->second >= 1 && n->second <= 12;
}

QString readSheetDate(const QString &cell, const QString &what, const DateEnv &env, SheetOrderSource source,
                      ExtDate &date)
{
    DateEnv cellEnv = env;
    if (source == SheetOrderSource::Unknown) {
        if (readsTwoWays(cell))
            return QStringLiteral("the %1 \"%2\" reads two ways: choose the order of the sheet's dates")
                .arg(what, cell);
        cellEnv.order = cellDateOrder(cell).value_or(env.order);
    }
    date = ExtDate();
    date.Assign(cell, cellEnv);
    return date.isValid() ? QString() : QStringLiteral("unreadable %1 \"%2\"").arg(what, cell);
}

std::optional<DateOrder> detectDateOrder(const QList<QStringView> &cells)
{
    std::optional<DateOrder> found;
    for (const QStringView cell : cells) {
        const auto order = cellDateOrder(cell);
        if (!order)
            continue;
        if (found && *found != *order)
            return std::nullopt;
        found = order;
    }
    return found;
}

} // namespace qm
