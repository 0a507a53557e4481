// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datescanner.h"

#include "datereader.h"
#include "store/storeerror.h"

#include <algorithm>

namespace qm {

namespace {

using datewords::Era;

// Progress is told at most this often, in characters.
constexpr qsizetype ProgressStep = 256 * 1024;

QString eraSuffix(Era era)
{
    switch (era) {
    case Era::BC:
        return QStringLiteral(" BC");
    case Era::AD:
        return QStringLiteral(" AD");
    default:
        return {};
    }
}

QString eraSuffix(qint16 era)
{
    return era == EraBC ? eraSuffix(Era::BC) : era == EraEarlyAD ? eraSuffix(Era::AD) : QString();
}

// The year as typed: a two-digit year stays two digits, so that the platform widens it as it always does.
QString yearText(const DatePhrase &d)
{
    if (d.yearDigits == 2 && d.era == Era::None)
        return QStringLiteral("%1").arg(d.year, 2, 10, QLatin1Char('0'));
    return QString::number(d.year);
}

struct Narrative
{
    int year = 0;
    qint16 era = EraPlain;
};

// The phrase in the program's own date form, which Assign reads; empty when it cannot be completed.
QString dateText(DatePhrase d, const std::optional<Narrative> &narrative, int narrativeMonth)
{
    if (d.month == 0 && d.year == 0) {
        // "the 5th": a day of the month the text is in.
        if (narrativeMonth == 0)
            return {};
        d.month = narrativeMonth;
    }
    if (d.month == 0)
        return QString::number(d.year) + eraSuffix(d.era == Era::BC ? Era::BC : Era::AD);
    const QString monthDay = QStringLiteral("%1/%2").arg(d.month).arg(std::max(d.day, 1));
    if (d.year != 0)
        return monthDay + u'/' + yearText(d) + eraSuffix(d.era);
    // "7/4 BC" in a narrative of AD years keeps the era the text gave it.
    const bool sameEra = d.era == Era::None || (d.era == Era::BC) == (narrative && narrative->era == EraBC);
    if (narrative && sameEra)
        return monthDay + u'/' + QString::number(narrative->year) + eraSuffix(narrative->era);
    return monthDay + eraSuffix(d.era);
}

std::optional<ExtDate> countFrom(const DatePhrase &d, const std::optional<ExtDate> &lastDay,
                                 const std::optional<Narrative> &narrative, const DateEnv &env)
{
    if (d.step == datewords::Step::Days) {
        if (!lastDay || d.stepCount < 0)
            return std::nullopt;
        ExtDate date = *lastDay;
        for (int i = 0; i < d.stepCount; ++i)
            date.NextDay();
        return date;
    }
    if (!narrative)
        return std::nullopt;
    // Years before the common era count down.
    const int direction = narrative->era == EraBC ? -1 : 1;
    const int year = narrative->year + direction * d.stepCount;
    if (year < 1)
        return std::nullopt;
    ExtDate date;
    try {
        date.Assign(QString::number(year) + (narrative->era == EraBC ? QStringLiteral(" BC") : QStringLiteral(" AD")),
                    env);
    } catch (const StoreError &) {
        return std::nullopt;
    }
    if (!date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

FoundDates ScanDates(const QString &text, const DateEnv &env, const ScanProgress &progress)
{
    FoundDates found;
    DateReader reader(text);
    std::optional<Narrative> narrative;
    int narrativeMonth = 0;
    // The latest date that named its day, from which "the next day" counts.
    std::optional<ExtDate> lastDay;
    qsizetype reported = 0;
    while (const std::optional<DatePhrase> d = reader.next()) {
        if (progress && reader.position() - reported >= ProgressStep) {
            reported = reader.position();
            if (!progress(reported, text.size()))
                return found;
        }
        ExtDate date;
        if (d->step != datewords::Step::None) {
            const std::optional<ExtDate> counted = countFrom(*d, lastDay, narrative, env);
            if (!counted)
                continue;
            date = *counted;
            if (d->step == datewords::Step::Days)
                lastDay = date;
            else
                narrative = Narrative{date.ExYear(), date.Era};
            const qsizetype length = d->end - d->start;
            found.append({d->start, length, text.mid(d->start, length), date});
            continue;
        }
        try {
            const QString typed = dateText(*d, narrative, narrativeMonth);
            if (typed.isEmpty())
                continue;
            date.Assign(typed, env);
        } catch (const StoreError &) {
            continue;
        }
        if (!date.isValid())
            continue;
        if (d->year != 0 && d->narrates)
            narrative = Narrative{date.ExYear(), date.Era};
        if (d->month != 0)
            narrativeMonth = d->month;
        if (d->day != 0)
            lastDay = date;
        const qsizetype length = d->end - d->start;
        found.append({d->start, length, text.mid(d->start, length), date});
    }
    return found;
}

} // namespace qm
