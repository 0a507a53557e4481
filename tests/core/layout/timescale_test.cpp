// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/axisticks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using qm::ExtDate;

ExtDate dateOf(const char *text)
{
    ExtDate d;
    d.Assign(QString::fromLatin1(text));
    return d;
}

TEST(TimeScale, PlacesDatesInProportionToTimeAcrossTheEra)
{
    // 3000 BC to AD 2000 (4999 years) at 20 twips a year.
    const qm::TimeScale scale{double(qm::astroYear(3000, true)), 0.0, 20.0};
    const struct
    {
        const char *date;
        double x;
    } cases[] = {
        {"1/1/3000 BC", 0.0},
        {"1/1/1 BC", 59980.0},
        {"1/1/1 AD", 60000.0}, // no year 0: 1 BC to AD 1 is one year
        {"7/2/1 AD", 60000.0 + 20.0 * 182 / 365},
        {"1/1/2000", 99980.0},
        {"2/29/2000", 99980.0 + 20.0 * 59 / 366}, // a leap day is a day of its year
        {"3/1/2000", 99980.0 + 20.0 * 60 / 366},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.date);
        const std::optional<double> p = qm::yearPosition(dateOf(c.date));
        ASSERT_TRUE(p);
        EXPECT_NEAR(scale.xOf(*p), c.x, 0.5 * 15); // half a pixel
        EXPECT_NEAR(scale.positionAt(scale.xOf(*p)), *p, 1e-9);
    }
    EXPECT_FALSE(qm::yearPosition(ExtDate(0.0, qm::EraInvalid)));
    EXPECT_LT(*qm::yearPosition(dateOf("12/31/1 BC")), *qm::yearPosition(dateOf("1/1/1 AD")));
    EXPECT_LT(*qm::yearPosition(dateOf("12/31/99 AD")), *qm::yearPosition(dateOf("1/1/100")));
}

// 80 twips a character, as an axis font of 8 points measures.
double width(const QString &label)
{
    return 80.0 * label.size();
}

TEST(AxisTicks, ChoosesTheSmallestStepWhoseLabelsDoNotCrowd)
{
    using U = qm::TickStep::Unit;
    const struct
    {
        const char *first;
        const char *last;
        qm::TickStep step;
        const char *firstLabel;
    } cases[] = {
        // Over 20,000 twips with a margin of a twentieth, at least a day, either side.
        {"5/5/1789", "5/8/1789", {U::Day, 1}, "4 May 1789"},
        {"5/5/1789", "1/5/1790", {U::Month, 1}, "May 1789"}, // 10 days would crowd "25 Apr 1789"
        {"1/1/1789", "12/31/1799", {U::Month, 6}, "Jul 1788"},
        {"1/1/1500", "1/1/1800", {U::Year, 10}, "1490"},
        {"1/1/3000 BC", "1/1/2000", {U::Year, 200}, "3200 BC"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.first);
        const double from = *qm::yearPosition(dateOf(c.first));
        const double to = *qm::yearPosition(dateOf(c.last));
        const qm::TimeScale scale = qm::fitTimeScale(from, to, 0.0, 20000.0);
        const qm::AxisTicks ticks = qm::chooseAxisTicks(scale, 0.0, 20000.0, width);
        EXPECT_EQ(ticks.step, c.step);
        std::vector<qm::AxisTick> labelled;
        for (const qm::AxisTick &t : ticks.ticks) {
            if (t.major)
                labelled.push_back(t);
        }
        ASSERT_GT(labelled.size(), 2u);
        EXPECT_EQ(labelled.front().label, QString::fromLatin1(c.firstLabel));
        for (std::size_t i = 1; i < labelled.size(); ++i)
            EXPECT_GE(labelled[i].x - labelled[i - 1].x,
                      std::max(width(labelled[i].label), width(labelled[i - 1].label)));
        EXPECT_TRUE(std::is_sorted(ticks.ticks.begin(), ticks.ticks.end(),
                                   [](const qm::AxisTick &a, const qm::AxisTick &b) { return a.x < b.x; }));
    }
}

TEST(AxisTicks, LabelsYearsAcrossTheEraWithoutAYearZero)
{
    EXPECT_EQ(qm::yearLabel(qm::astroYear(480, true), true), "480 BC");
    EXPECT_EQ(qm::yearLabel(79, true), "AD 79");
    EXPECT_EQ(qm::yearLabel(79, false), "79");
    EXPECT_EQ(qm::yearLabel(1066, true), "1066");

    // 250 BC to AD 250 in steps of 100: AD 1 follows 100 BC, one century on.
    const qm::TimeScale scale{-249.0, 0.0, 100.0};
    QStringList labels;
    for (const qm::AxisTick &t :
         qm::chooseAxisTicks(scale, 0.0, 50000.0, [](const QString &) { return 6000.0; }).ticks) {
        if (t.major) {
            labels << t.label;
            EXPECT_NEAR(scale.positionAt(t.x), t.label == "AD 1" ? 1.0 : std::round(scale.positionAt(t.x)), 1e-9);
        }
    }
    EXPECT_EQ(labels, QStringList({"200 BC", "100 BC", "AD 1", "AD 100", "AD 200"}));
}

} // namespace
