// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platformdate.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

namespace qm {

// What date parsing needs to know about the stored events to complete a year or a day; the
// project store implements it, and tests give their own.
class YearLookup
{
public:
    virtual ~YearLookup() = default;
    // Stored year of the latest event (by date, then era), as text; "2001" when there is none.
    virtual QString LatestEventYear() const = 0;
    // Era of that latest event.
    virtual qint16 LatestEventEra() const { return 0; }
    // Date number of the latest event of the given era dated from 1 January to 31 December (midnight)
    // of the given stored year.
    virtual std::optional<double> latestValueInYear(int storedYear, qint16 era) const = 0;
};

// The surroundings of a date parse: the clock that says what "this year" is, and the stored events.
struct DateEnv
{
    std::function<QDate()> clock;            // empty: the system clock
    const YearLookup *lookup = nullptr;      // null: a project without events
    DateOrder order = DateOrder::MonthFirst; // of numeric dates typed

    QDate today() const { return clock ? clock() : QDate::currentDate(); }
    QString latestEventYear() const;
    // The latest event's year as a person counts it (44 for 44 BC), as text.
    QString latestEventCountedYear() const;
};

// Month and day text to complete a year alone with: the date of the latest stored event of that year
// and era, "1/1/" & year when there is none, and "7/1" when 1 January of that year is not a date.
QString LatestDateInYear(const QString &year, qint16 era, const DateEnv &env);

} // namespace qm
