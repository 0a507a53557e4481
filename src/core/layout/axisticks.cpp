// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "axisticks.h"

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Room between two labels beyond their width, and the least room a minor mark needs, in twips.
constexpr double LabelGap = 120.0;
constexpr double MinorRoom = 60.0;
// More marks than this are never drawn on one axis: a step that would need them is passed over.
constexpr double MostMarks = 100000.0;

const char *const MonthShort[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::vector<TickStep> candidateSteps()
{
    using U = TickStep::Unit;
    std::vector<TickStep> steps{{U::Day, 1},   {U::Day, 2},   {U::Day, 5},   {U::Day, 10},
                                {U::Month, 1}, {U::Month, 2}, {U::Month, 3}, {U::Month, 6}};
    for (int power = 1; power <= 1000; power *= 10) {
        for (const int m : {1, 2, 5})
            steps.push_back({U::Year, m * power});
    }
    steps.push_back({U::Year, 10000});
    return steps;
}

double yearsOf(const TickStep &step)
{
    switch (step.unit) {
    case TickStep::Unit::Day:
        return step.count / 365.25;
    case TickStep::Unit::Month:
        return step.count / 12.0;
    case TickStep::Unit::Year:
        break;
    }
    return step.count;
}

// The marks between two subdivide a labelled step where they are whole units of time.
std::optional<TickStep> minorStepOf(const TickStep &step)
{
    using U = TickStep::Unit;
    const int n = step.count;
    switch (step.unit) {
    case U::Day:
        return n > 1 ? std::optional<TickStep>({U::Day, 1}) : std::nullopt;
    case U::Month:
        return n > 1 ? std::optional<TickStep>({U::Month, 1}) : std::nullopt;
    case U::Year:
        if (n == 1)
            return TickStep{U::Month, 3};
        if (n == 2)
            return TickStep{U::Year, 1};
        return TickStep{U::Year, n / 5};
    }
    return std::nullopt;
}

struct Mark
{
    double position;
    QString label;
};

// The marks of a step between two year positions, with their labels.
std::vector<Mark> marksOf(const TickStep &step, double from, double to, bool crossesEra)
{
    std::vector<Mark> marks;
    from = std::max(from, static_cast<double>(FirstAstroYear));
    to = std::min(to, static_cast<double>(LastAstroYear) + 1.0);
    const int n = step.count;
    if (step.unit == TickStep::Unit::Year) {
        // Before the era the marks fall on round years as people count them (100 BC, 200 BC), after it
        // on round years again; AD 1 follows 1 BC directly, there being no year 0.
        for (int y = static_cast<int>(std::floor((1.0 - from) / n)) * n; y >= 1 && 1 - y <= to; y -= n)
            marks.push_back({1.0 - y, yearLabel(1 - y, crossesEra)});
        if (n > 1 && from <= 1.0 && to >= 1.0)
            marks.push_back({1.0, yearLabel(1, crossesEra)});
        for (int a = std::max(1, static_cast<int>(std::ceil(from / n))) * n; a <= to; a += n)
            marks.push_back({static_cast<double>(a), yearLabel(a, crossesEra)});
        return marks;
    }
    for (int a = static_cast<int>(std::floor(from)); a <= static_cast<int>(std::floor(to)); ++a) {
        for (int m = 1; m <= 12; ++m) {
            if (step.unit == TickStep::Unit::Month && (m - 1) % n != 0)
                continue;
            const int days = step.unit == TickStep::Unit::Month ? 1 : platformdate::daysInMonth(storedYearOf(a), m);
            for (int d = 1; d <= days; ++d) {
                // A step of days starts again with each month, without a mark crowding the next month's first.
                if ((d - 1) % n != 0 || (d > 1 && (d - 1) + n / 2 >= days))
                    continue;
                const double p = yearPositionOf(a, m, d);
                if (p < from || p > to)
                    continue;
                QString label = d > 1 ? QString::number(d)
                                      : (m == 1 ? yearLabel(a, crossesEra) : QString::fromLatin1(MonthShort[m - 1]));
                // The first label tells which month and year the others belong to.
                if (marks.empty() && (d > 1 || m > 1)) {
                    const QString monthYear = QString::fromLatin1(MonthShort[m - 1]) + u' ' + yearLabel(a, crossesEra);
                    label = d > 1 ? label + u' ' + monthYear : monthYear;
                }
                marks.push_back({p, label});
            }
        }
    }
    return marks;
}

} // namespace

QString yearLabel(int astro, bool crossesEra)
{
    if (astro <= 0)
        return QString::number(1 - astro) + QStringLiteral(" BC");
    if (crossesEra && astro < 1000)
        return QStringLiteral("AD ") + QString::number(astro);
    return QString::number(astro);
}

AxisTicks chooseAxisTicks(const TimeScale &scale, double fromX, double toX,
                          const std::function<double(const QString &)> &labelWidth)
{
    AxisTicks result;
    if (!(toX > fromX) || !(scale.twipsPerYear > 0.0))
        return result;
    const double from = scale.positionAt(fromX);
    const double to = scale.positionAt(toX);
    const bool crossesEra = from < 1.0 && to > 1.0;
    const double shortest = labelWidth(QStringLiteral("00"));
    for (const TickStep &step : candidateSteps()) {
        const double room = yearsOf(step) * scale.twipsPerYear;
        // Steps too fine for even the shortest label are passed over without making their marks.
        if (room < shortest + LabelGap || (to - from) / yearsOf(step) > MostMarks)
            continue;
        std::vector<Mark> marks = marksOf(step, from, to, crossesEra);
        bool fits = true;
        std::vector<double> widths;
        widths.reserve(marks.size());
        for (std::size_t i = 0; i < marks.size() && fits; ++i) {
            widths.push_back(labelWidth(marks[i].label));
            if (i > 0)
                fits = (marks[i].position - marks[i - 1].position) * scale.twipsPerYear >=
                       std::max(widths[i], widths[i - 1]) + LabelGap;
        }
        if (!fits)
            continue;
        result.step = step;
        for (const Mark &m : marks)
            result.ticks.push_back({scale.xOf(m.position), m.label, true});
        const std::optional<TickStep> minor = minorStepOf(step);
        if (minor && yearsOf(*minor) * scale.twipsPerYear >= MinorRoom) {
            // Both run in ascending time: a minor mark on a labelled one is left out in one walk.
            std::size_t major = 0;
            for (const Mark &m : marksOf(*minor, from, to, false)) {
                const double x = scale.xOf(m.position);
                while (major < marks.size() && scale.xOf(marks[major].position) < x - 1.0)
                    ++major;
                if (major == marks.size() || std::abs(scale.xOf(marks[major].position) - x) >= 1.0)
                    result.ticks.push_back({x, QString(), false});
            }
            std::sort(result.ticks.begin(), result.ticks.end(),
                      [](const AxisTick &a, const AxisTick &b) { return a.x < b.x; });
        }
        return result;
    }
    return result;
}

} // namespace qm
