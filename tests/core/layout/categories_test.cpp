// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "edit/categoriescommand.h"
#include "layout/canvasmouse.h"
#include "store/categories.h"
#include "store/elements.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

constexpr qint32 Red = 0x00008B;
constexpr qint32 Blue = 0x9E4E1F;

// Ides (Caesar, Brutus; Rome), Rubicon (Caesar) and Cannae (Hannibal; Apulia) on the timeline.
struct CategoryFixture : qmtest::PlacementFixture
{
    CategoryFixture()
    {
        ides = insert(qmtest::storeEvent(t.g, "3/15/44 BC", "Ides", "Caesar, Brutus", "Rome"));
        rubicon = insert(qmtest::storeEvent(t.g, "1/10/49 BC", "Rubicon", "Caesar"));
        cannae = insert(qmtest::storeEvent(t.g, "8/2/216 BC", "Cannae", "Hannibal", "Apulia"));
    }
    qm::CategoryRule rule(const QString &type, const QString &name, qint32 color)
    {
        for (qm::CategoryRule r : qm::categoryChoices(t.g.ProjectDb, type)) {
            if (r.elementName == name) {
                r.color = color;
                return r;
            }
        }
        ADD_FAILURE() << name.toStdString();
        return {};
    }
    void push(const qm::Categories &c)
    {
        qm::pushCommand(stack, std::make_unique<qm::CategoriesCommand>(canvas, timelineId, c, "categories"));
    }
    const std::unordered_map<qint32, qint32> &colors() const { return canvas.model().categoryColors; }

    qint32 ides = 0, rubicon = 0, cannae = 0;
    QUndoStack stack;
};

TEST(Categories, TheFirstMatchingRuleWinsAndADeletedElementsRuleGoes)
{
    CategoryFixture f;
    EXPECT_TRUE(f.colors().empty());
    EXPECT_FALSE(f.canvas.model().legend.visible);

    qm::Categories c;
    c.rules = {f.rule("A", "Brutus", Red), f.rule("P", "Apulia", Blue), f.rule("A", "Caesar", Blue)};
    f.push(c);
    const std::unordered_map<qint32, qint32> expected{{f.ides, Red}, {f.rubicon, Blue}, {f.cannae, Blue}};
    EXPECT_EQ(f.colors(), expected);
    EXPECT_EQ(qm::loadCategories(f.t.g.ProjectDb, f.timelineId), c);
    const qm::CanvasLegend &legend = f.canvas.model().legend;
    ASSERT_EQ(legend.entries.size(), 3u);
    EXPECT_EQ(legend.entries[1].label.caption, "Apulia");
    EXPECT_TRUE(legend.visible);
    // Exports keep the legend whole.
    EXPECT_GE(f.canvas.outputModel().width, legend.rect.right());

    qm::deleteElement(f.t.g.ProjectDb, "A", "Brutus");
    f.canvas.applyCategories();
    EXPECT_EQ(f.colors().at(f.ides), Blue);
    EXPECT_EQ(f.canvas.model().legend.entries.size(), 2u);

    f.stack.undo();
    EXPECT_TRUE(f.colors().empty());
    EXPECT_FALSE(f.canvas.model().legend.visible);
    EXPECT_TRUE(qm::loadCategories(f.t.g.ProjectDb, f.timelineId).rules.empty());
}

TEST(Categories, TheLegendIsDraggedInOneStepAndKeepsItsPlaceAtEveryZoom)
{
    CategoryFixture f;
    qm::Categories c;
    c.rules = {f.rule("A", "Hannibal", Red)};
    f.push(c);
    qm::CanvasMouse mouse(f.canvas);
    const QPointF start = f.canvas.model().legend.rect.center();
    const QPointF before = f.canvas.legendPosition();
    mouse.press(start.x(), start.y(), Qt::LeftButton);
    mouse.move(start.x() + 300, start.y() + 500);
    const qm::CanvasClick click = mouse.release(start.x() + 300, start.y() + 500, Qt::LeftButton);
    EXPECT_EQ(click.action, qm::CanvasClick::LegendMoved);
    EXPECT_EQ(f.canvas.legendPosition(), before + QPointF(300, 500));
    c.legendAt = f.canvas.legendPosition();
    c.legendPlaced = true;
    f.push(c);
    EXPECT_EQ(qm::loadCategories(f.t.g.ProjectDb, f.timelineId).legendAt, c.legendAt);

    f.canvas.zoomIn();
    EXPECT_NEAR(f.canvas.model().legend.rect.left(), c.legendAt.x() * 1.2, 0.01);
    f.stack.undo();
    EXPECT_NEAR(f.canvas.model().legend.rect.top(), before.y() * 1.2, 1.0);
}

} // namespace
