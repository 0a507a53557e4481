// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "preferences.h"

#include <QLocale>
#include <QSettings>

namespace qm {

namespace {

const char *const DayFirstCode = "dmy";
const char *const MonthFirstCode = "mdy";

} // namespace

DateOrder LoadDateOrder()
{
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("Preferences"));
    const QString code = s.value(QStringLiteral("DateOrder")).toString();
    if (code == QLatin1StringView(DayFirstCode))
        return DateOrder::DayFirst;
    if (code == QLatin1StringView(MonthFirstCode))
        return DateOrder::MonthFirst;
    return defaultDateOrder(QLocale::system());
}

void SaveDateOrder(DateOrder order)
{
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("Preferences"));
    s.setValue(QStringLiteral("DateOrder"),
               QString::fromLatin1(order == DateOrder::DayFirst ? DayFirstCode : MonthFirstCode));
    s.sync();
}

} // namespace qm
