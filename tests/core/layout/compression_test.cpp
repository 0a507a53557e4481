// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasfixture.h"
#include "edit/moveboxescommand.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace {

using qmtest::PlacementFixture;

// Boxes with one-letter names (ending 350 right of the picture's left) whose 640-wide dates reach
// 220 left of the picture, dated one day apart, then scattered far apart on the canvas.
struct CompressFixture : PlacementFixture
{
    explicit CompressFixture(int count)
    {
        for (int i = 0; i < count; ++i)
            ids.push_back(insert(qmtest::addEvent(t.g, QString(QChar(u'A' + i)), 2001, 1, 1 + i)));
        for (std::size_t i = 0; i < ids.size(); ++i)
            canvas.placeBoxAt(ids[i], QPointF(3000.0 * (i + 1), 400));
    }
    std::vector<QPointF> pictures() const
    {
        std::vector<QPointF> list;
        for (const qint32 id : ids)
            list.push_back(pictureAt(id));
        return list;
    }

    std::vector<qint32> ids;
};

TEST(Compress, PacksOneRowKeepingHeightsAndPushingDatesApart)
{
    CompressFixture f(2);
    f.canvas.model().box(f.ids[1])->picture.rect.moveTop(900);
    const auto storedBefore = f.storedPositions();
    ASSERT_TRUE(f.canvas.Compress());
    // The first box at MinDist, moved right by the 220 its date sticks out; the second starts
    // MinDist after the first name (770) and is pushed on until its date starts MinDist after the first.
    EXPECT_EQ(f.pictures(), (std::vector<QPointF>{{320, 400}, {1060, 900}}));
    EXPECT_DOUBLE_EQ(f.canvas.model().box(f.ids[1])->date.rect.left(), 740 + 100);
    EXPECT_EQ(f.storedPositions(), storedBefore);
}

TEST(Compress2, BuildsDescendingCascadesAndRestartsWithBoxesTooTallForTheBand)
{
    {
        CompressFixture f(3);
        QUndoStack stack;
        const auto storedBefore = f.storedPositions();
        qm::pushCommand(stack, std::make_unique<qm::Compress2Command>(f.canvas));
        // Under the title (bottom 720): each box right of the previous picture and below its name.
        const std::vector<QPointF> cascade{{320, 820}, {1060, 1120}, {1800, 1420}};
        EXPECT_EQ(f.pictures(), cascade);
        const auto stored = f.storedPositions();
        for (std::size_t i = 0; i < f.ids.size(); ++i)
            EXPECT_EQ(stored.at(f.ids[i]), cascade[i]);
        EXPECT_EQ(stack.undoText(), "Compress 2");

        stack.undo();
        EXPECT_EQ(f.storedPositions(), storedBefore);
        // Undo shows what the file held before, not the scattered screen.
        EXPECT_EQ(f.pictureAt(f.ids[0]), storedBefore.at(f.ids[0]));
        stack.redo();
        EXPECT_EQ(f.pictures(), cascade);
    }
    {
        // Pictures taller than the room between title and axis: side by side at the top, under the
        // title only while it reaches that far.
        CompressFixture f(3);
        for (const qint32 id : f.ids)
            f.canvas.model().box(id)->picture.rect.setHeight(6500);
        f.canvas.Compress2();
        EXPECT_EQ(f.pictures(), (std::vector<QPointF>{{320, 820}, {1060, 820}, {1800, 100}}));
    }
}

TEST(Compress2, NothingToDoWithoutBoxesOrWhenEverythingIsPacked)
{
    PlacementFixture f;
    EXPECT_FALSE(f.canvas.Compress());
    QUndoStack stack;
    qm::pushCommand(stack, std::make_unique<qm::Compress2Command>(f.canvas));
    EXPECT_EQ(stack.count(), 0);

    CompressFixture packed(2);
    qm::pushCommand(stack, std::make_unique<qm::Compress2Command>(packed.canvas));
    const auto first = packed.pictures();
    qm::pushCommand(stack, std::make_unique<qm::Compress2Command>(packed.canvas));
    EXPECT_EQ(stack.count(), 1);
    EXPECT_EQ(packed.pictures(), first);
}

} // namespace
