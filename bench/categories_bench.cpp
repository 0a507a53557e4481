// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How fast categories colour a long timeline, and a screenful of coloured boxes with a legend repaints.
#include "boxgrid.h"
#include "kit/benchmain.h"
#include "kit/boxedproject.h"
#include "layout/cluple.h"
#include "layout/legend.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"
#include "store/categories.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/elements.h"
#include "store/sqlquery.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>

namespace {

constexpr int Keywords = 8;

// Every event has two of eight keywords; a category for each keyword, in order.
qm::Categories keywordCategories(qm::Globals &g, int events)
{
    qm::Categories c;
    qm::TransactionGuard guard(g.ProjectDb);
    std::vector<qint32> ids;
    for (int k = 0; k < Keywords; ++k) {
        ids.push_back(qm::FindOrCreateElement(g.ProjectDb, QStringLiteral("K"), QStringLiteral("Theme %1").arg(k)));
        c.rules.push_back({QStringLiteral("K"), ids.back(), QStringLiteral("Theme %1").arg(k),
                           qm::suggestedCategoryColor(c.rules.size())});
    }
    qm::SqlQuery q(g.ProjectDb, QStringLiteral("SELECT Id FROM Event"));
    q.exec();
    std::vector<qint32> eventIds;
    while (q.next())
        eventIds.push_back(q.value(0).toInt());
    q.finish();
    for (std::size_t i = 0; i < eventIds.size() && static_cast<int>(i) < events; ++i) {
        for (const qint32 element : {ids[i % Keywords], ids[(i * 3 + 1) % Keywords]})
            qm::execSql(g.ProjectDb,
                        QStringLiteral("INSERT INTO EventElement (EventId, ElementType, ElementId) "
                                       "VALUES (?, 'K', ?)"),
                        {eventIds[i], element});
    }
    guard.commit();
    return c;
}

// Reading the rules, matching every box of the timeline and laying out the legend, as after a change.
void BM_CategoriesOn10000Boxes(benchmark::State &state)
{
    qmtest::LoadedBoxes p(10000);
    qm::saveCategories(p.g.ProjectDb, p.timelineId, keywordCategories(p.g, 10000));
    for (auto _ : state) {
        p.canvas.applyCategories();
        benchmark::DoNotOptimize(p.canvas.model().categoryColors.size());
    }
    state.counters["coloured"] = static_cast<double>(p.canvas.model().categoryColors.size());
}
BENCHMARK(BM_CategoriesOn10000Boxes)->Unit(benchmark::kMillisecond);

// 100 coloured boxes in ten rows and a legend of eight categories over 1600 x 1000 pixels.
void BM_Repaint100ColouredBoxesWithLegend(benchmark::State &state)
{
    BoxGrid grid(false);
    qm::CanvasModel &model = grid.model;
    for (int i = 0; i < 100; ++i)
        model.categoryColors[i + 1] = qm::suggestedCategoryColor(static_cast<std::size_t>(i));
    qm::Categories c;
    for (int k = 0; k < Keywords; ++k)
        c.rules.push_back({QStringLiteral("K"), k + 1, QStringLiteral("Theme number %1").arg(k),
                           qm::suggestedCategoryColor(static_cast<std::size_t>(k))});
    c.legendAt = QPointF(18000, 9000);
    model.legend = qm::makeLegend(c);
    qm::layOutLegend(model.legend, grid.measurer, 1.0);
    for (auto _ : state)
        grid.paint();
}
BENCHMARK(BM_Repaint100ColouredBoxesWithLegend)->Unit(benchmark::kMillisecond);

} // namespace

QM_BENCHMARK_MAIN(QGuiApplication)
