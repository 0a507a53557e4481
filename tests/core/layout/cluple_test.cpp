// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/fakemeasurer.h"
#include "kit/project.h"
#include "layout/cluple.h"
#include "store/clformat.h"

#include "../store/storetestsupport.h"

#include <gtest/gtest.h>

namespace {

using qmtest::FakeMeasurer;

// One box with its picture at (1000, 500) on a canvas whose axis lies at y 7000.
struct UnitFixture
{
    UnitFixture()
    {
        model.axis.p1 = QPointF(240, 7000);
        model.axis.p2 = QPointF(20000, 7000);
        model.addBox(7).picture.rect = QRectF(1000, 500, 0, 0);
        unit.Init(model, 7);
    }

    void applyDefaultFormat(const QString &name, const QString &date)
    {
        unit.NameLabel().caption = name;
        unit.DateLabel().caption = date;
        unit.ApplyFormat(qm::clFormat());
    }

    qm::Globals g;
    FakeMeasurer measurer;
    qm::CanvasModel model;
    qm::clUple unit{g, measurer};
};

TEST(FitLabel, WrapsOnlyWhatIsStrictlyWiderThanTheLimitFromTheTagOrTheTimeline)
{
    const struct
    {
        const char *tag;
        int timelineMax;
        QString text;
        double width;
        double height;
        bool wraps;
    } cases[] = {
        // 100 twips per character at 10 points.
        {"1000\t1000", 5000, "abcdefghij", 1000, 200, false},
        {"1000\t999", 5000, "abcdefghij", 999, 200, true},
        // The height limit never cuts the label.
        {"100\t450", 5000, "aaaa bbbb cccc", 450, 600, true},
        // Without a tag the shown timeline's default format decides.
        {"", 500, "aaaa bbbb", 500, 400, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " / " + c.tag);
        qm::Globals g;
        g.CurTimeLine = std::make_unique<qm::clTimeLine>(g.ProjectDb);
        g.CurTimeLine->DefaultFormat.TextMaxWidth = c.timelineMax;
        qm::CanvasLabel label;
        label.font = qm::LabelFont{"Any", 10, false, false};
        label.tag = QString::fromUtf8(c.tag);
        // A label wrapped before must size itself again for the new text.
        label.wordWrap = true;
        label.autoSize = false;
        label.rect = QRectF(10, 20, 50, 5000);
        qm::FitLabel(g, FakeMeasurer(), label, c.text);
        EXPECT_EQ(label.caption, c.text);
        EXPECT_DOUBLE_EQ(label.rect.width(), c.width);
        EXPECT_DOUBLE_EQ(label.rect.height(), c.height);
        EXPECT_EQ(label.wordWrap, c.wraps);
        EXPECT_EQ(label.rect.topLeft(), QPointF(10, 20));
    }
}

// How the parts hang on the picture, and how they scale with the zoom, shows in the exact positions of
// InsertNewBox and Zoom; a name taller than its picture in LaterBoxesMakeRoomForAWideBox.
TEST(clUple, ExtractFormatGivesBackWhatApplyFormatSetAtAnyZoom)
{
    const qm::clFormat format = qmtest::unusualFormat();
    // What the controls do not hold comes back as a new record has it.
    qm::clFormat expected = format;
    expected.PictureIsCustom = false;
    expected.PictureName.clear();
    expected.Scheme = 1;

    const float stepOut = static_cast<float>(1 / 1.2);
    for (const double zoom : {1.2 * stepOut, 1.2 * 1.2 * 1.2, double(stepOut) * stepOut, 0.25}) {
        SCOPED_TRACE(zoom);
        UnitFixture f;
        f.g.Zoom = zoom;
        f.unit.ApplyFormat(format);
        EXPECT_EQ(f.unit.ExtractFormat(), expected);
    }
}

TEST(clUple, AUnitWhoseBoxIsGoneRefusesInsteadOfCrashing)
{
    UnitFixture f;
    f.model.removeBox(7);
    EXPECT_FALSE(f.unit.isBound());
    EXPECT_THROW(f.unit.Arrange(), std::logic_error);
    EXPECT_THROW(f.unit.ExtractFormat(), std::logic_error);
}

} // namespace
