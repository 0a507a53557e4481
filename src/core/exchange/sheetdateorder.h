// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace qm {

class ExtDate;
struct DateEnv;

// Where the order of a sheet's numeric dates came from.
enum class SheetOrderSource {
    Header,   // the Date column's header names it: the sheet means the same to every reader
    Chosen,   // the user chose it in the preview
    Detected, // a first number over 12 says day first, a second one month first
    Unknown,  // nothing tells: dates that read two ways are refused
};

// "Date (day/month/year)": the header that names the order the column is written in.
QString dateHeader(DateOrder order);
// Whether a header cell names the Date column, and the order it names if any.
bool isDateHeader(QStringView header);
std::optional<DateOrder> headerDateOrder(QStringView header);

// The numbers of a numeric date cell ("5/7/1789 BC", "5-7-1789 10:00"): the first two, or nullopt
// for any other form (ISO "1789-07-05", month names).
std::optional<std::pair<int, int>> leadingNumbers(QStringView cell);
// The order the cells show, or nullopt when none tells or they disagree.
std::optional<DateOrder> detectDateOrder(const QList<QStringView> &cells);
// The only order the cell reads in, when its numbers tell; nullopt for a cell that reads two ways
// ("5/7/1789") or is no numeric date.
std::optional<DateOrder> cellDateOrder(QStringView cell);
// A numeric date whose two orders give two different days.
bool readsTwoWays(QStringView cell);
// Reads a date cell in the order of `env`; when nothing told the sheet's order, a cell whose own
// numbers tell is read that way and one that reads two ways is refused. Gives why the cell is
// refused, naming it as `what` ("date", "end"), or "" with `date` read.
QString readSheetDate(const QString &cell, const QString &what, const DateEnv &env, SheetOrderSource source,
                      ExtDate &date);

} // namespace qm
