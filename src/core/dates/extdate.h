// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platformdate.h"
#include "yearlookup.h"

#include <QChar>
#include <QString>

namespace qm {

inline constexpr qint16 EraPlain = 0;
inline constexpr qint16 EraEarlyAD = -1;
inline constexpr qint16 EraBC = -2;
inline constexpr qint16 EraInvalid = 9999;

// A date of any era: years 0-99 and before the common era are kept with a shifted year so that
// (Era, Value) sorts chronologically and fits the platform's date range.
class ExtDate
{
public:
    double Value = 0.0;
    qint16 Era = EraPlain;

    ExtDate() = default;
    ExtDate(double value, qint16 era) : Value(value), Era(era) {}

    // Reads a typed date; an unreadable text only sets Era to EraInvalid.
    void Assign(const QString &text, const DateEnv &env = {});
    // The date as shown: numeric in the given order, the time of day only when asked for and not midnight.
    QString Render(DateOrder order = DateOrder::MonthFirst, bool withTime = true) const;
    // The date with its month named, in the given order ("5 May 1789" / "May 5, 1789"), no time of day.
    QString RenderNamed(DateOrder order) const;
    bool hasTimeOfDay() const;
    // "<", "=", ">" comparing this date with the other; "X" when either is invalid.
    QChar Compare(const ExtDate &other) const;
    qint16 ExYear() const;
    // " BC" or " AD" for the eras that are written with their word, else nothing.
    QString eraSuffix() const;
    void NextDay();

    bool isValid() const { return Era != EraInvalid; }
    friend bool operator==(const ExtDate &a, const ExtDate &b) { return a.Era == b.Era && a.Value == b.Value; }

private:
    // The text followed by " h:m:s" of the time of day when it is not midnight.
    static QString AppendTime(const QString &text, const platformdate::Parts &time);
};

// True when a date text carries a time of day ("10:30", "9:05 PM").
bool textHasTimeOfDay(QStringView text);

} // namespace qm
