// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/pagegrid.h"
#include "store/cltimeline.h"
#include "testsupport.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {

TEST(PageGrid, CutsTheCanvasIntoPagesDownEachStripThenAcross)
{
    const QSize page(1000, 600);
    const struct
    {
        QSizeF canvas;
        int pages;
        std::vector<double> vertical;
        std::vector<double> horizontal;
    } cases[] = {
        {{999.5, 600}, 1, {}, {}},          {{1, 1}, 1, {}, {}},
        {{2000, 600}, 2, {1000}, {}},       {{2000.5, 601}, 6, {1000, 2000}, {600}},
        {{1000, 1800}, 3, {}, {600, 1200}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.canvas.width());
        const qm::PageGrid grid(c.canvas, page);
        EXPECT_EQ(grid.pageCount(), c.pages);
        EXPECT_EQ(grid.verticalLines(), c.vertical);
        EXPECT_EQ(grid.horizontalLines(), c.horizontal);
        EXPECT_EQ(grid.pages().size(), static_cast<size_t>(c.pages));
    }
    const std::vector<QRectF> order = qm::PageGrid({2000, 1200}, page).pages();
    const std::vector<QRectF> expected = {
        {0, 0, 1000, 600}, {0, 600, 1000, 600}, {1000, 0, 1000, 600}, {1000, 600, 1000, 600}};
    EXPECT_EQ(order, expected);
}

TEST(qmtoolPages, TellsThePageCountAndBoundariesOfTheLoadedTimeline)
{
    qmtest::TempProject t;
    qm::clTimeLine timeline(t.g.ProjectDb);
    timeline.Name = QStringLiteral("Only");
    timeline.Save();
    t.g.ProjectDb.close();
    // An empty timeline is 7725 twips high, on a canvas as wide as its title needs.
    const qmtest::ToolRun a4 = qmtest::qmtool({"pages", t.projectPath});
    ASSERT_EQ(a4.exitCode, 0) << a4.err.toStdString();
    EXPECT_EQ(a4.out, "1\n");
    EXPECT_EQ(qm::PageGrid::defaultPage(), QSize(16440, 11500));

    const qmtest::ToolRun small = qmtest::qmtool({"pages", t.projectPath, "--page", "2000x3000"});
    ASSERT_EQ(small.exitCode, 0) << small.err.toStdString();
    const QStringList lines = small.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 3);
    const QStringList vertical = lines.filter(QStringLiteral("vertical\t"));
    for (qsizetype i = 0; i < vertical.size(); ++i)
        EXPECT_EQ(vertical[i], QStringLiteral("vertical\t%1").arg(2000 * (i + 1)));
    EXPECT_EQ(lines[0].toInt(), (vertical.size() + 1) * 3);
    EXPECT_EQ(lines.filter(QStringLiteral("horizontal\t")), QStringList({"horizontal\t3000", "horizontal\t6000"}));

    for (const char *bad : {"0x100", "100", "ax3", "100x-1"})
        EXPECT_EQ(qmtest::qmtool({"pages", t.projectPath, "--page", QString::fromUtf8(bad)}).exitCode, 2) << bad;
}

} // namespace
