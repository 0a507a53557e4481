// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "../layout/layouttestsupport.h"
#include "layout/timelinecanvas.h"
#include "render/pictureexport.h"
#include "store/mdlparms.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <gtest/gtest.h>

using qmtest::qmtool;
using qmtest::ToolRun;

namespace {

// A project with two timelines, "Reds" (red background, two boxes) and "Greens" (green, one box),
// "Greens" being the one the project opens with.
struct ExportFixture
{
    ExportFixture()
    {
        t.g.ProjectFolder = t.dir.filePath("Test") + QDir::separator();
        reds = addTimeline("Reds", 0x0000FF);
        greens = addTimeline("Greens", 0x00FF00);
        const qint32 a = qmtest::addEvent(t.g, "Alpha", 2001, 1, 1);
        const qint32 b = qmtest::addEvent(t.g, "Beta", 2001, 2, 2);
        for (const auto &[timeline, event, left] : {std::tuple{reds, a, 900}, {reds, b, 3300}, {greens, b, 600}})
            qm::execSql(t.g.ProjectDb,
                        "INSERT INTO TimeLineEvent (TimeLineId, EventId, BoxLeft, BoxTop) "
                        "VALUES (?, ?, ?, 1500)",
                        {timeline, event, left});
        qm::mdlParms::SetParm(t.g.ProjectDb, "TimeLine0", QString::number(greens));
        qm::mdlParms::SetParm(t.g.ProjectDb, "MinDist", "300");
        t.g.ProjectDb.close();
    }

    qint32 addTimeline(const QString &name, qint32 color)
    {
        qm::clTimeLine tl(t.g.ProjectDb);
        tl.Name = name;
        tl.LabelCaption = name;
        tl.BackColor = color;
        return tl.Save();
    }

    qmtest::TempProject t;
    qint32 reds = 0;
    qint32 greens = 0;
};

TEST(qmtoolExport, WritesEveryFormatByExtensionExactlyAsTheCanvasShowsTheTimeline)
{
    ExportFixture f;
    // What the canvas shows right after loading, at full size on a 96 DPI screen.
    qm::Globals g;
    g.appFolder = QStringLiteral(QM_APP_DIR);
    g.ProjectFolder = f.t.g.ProjectFolder;
    g.ProjectDb.open(f.t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
    g.MinDist = 300;
    const qm::FontTextMeasurer measurer(96);
    qm::TimelineCanvas canvas(g, measurer);
    ASSERT_TRUE(canvas.LoadTimeLine(f.reds));
    const QImage shown = qm::PictureExport::render(canvas.model());
    g.ProjectDb.close();
    EXPECT_EQ(shown.height(), 7725 / 15);

    const QByteArray projectBefore = qmtest::fileBytes(f.t.projectPath);
    const struct
    {
        const char *name;
        const char *format;
        bool lossless;
    } cases[] = {
        {"out.png", "png", true}, {"out.JPG", "jpeg", false}, {"out.jpeg", "jpeg", false},
        {"out.bmp", "bmp", true}, {"out.tif", "tiff", true},  {"out.tiff", "tiff", true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = f.t.path(QString::fromUtf8(c.name));
        const ToolRun run = qmtool({"export", f.t.projectPath, "--timeline", "rEDS", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QImageReader reader(out);
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        const QImage written = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(written.size(), shown.size());
        if (c.lossless) {
            EXPECT_EQ(written, shown);
        } else {
            const QColor corner = written.pixelColor(2, 2);
            EXPECT_GT(corner.red(), 240);
            EXPECT_LT(corner.green() + corner.blue(), 30);
        }
    }
    EXPECT_EQ(qmtest::fileBytes(f.t.projectPath), projectBefore);
}

TEST(qmtoolExport, ChoosesTheRememberedTimelineWithoutANameAndRefusesAnUnknownOne)
{
    ExportFixture f;
    const QString out = f.t.path("default.png");
    const ToolRun run = qmtool({"export", f.t.projectPath, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out).pixelColor(2, 2), QColor(Qt::green));

    const QString none = f.t.path("none.png");
    const ToolRun unknown = qmtool({"export", f.t.projectPath, "--timeline", "Blues", none});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("Blues"));
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST(qmtoolExport, AFailedWriteLeavesNoFileAndSaysWhy)
{
    ExportFixture f;
    ASSERT_TRUE(QDir(f.t.dir.path()).mkdir("taken.png"));
    const struct
    {
        QString out;
        int exitCode;
    } cases[] = {
        {f.t.path("no such folder/out.png"), 1},
        {f.t.path("taken.png"), 1},
        {f.t.path("out.gif"), 2},
        {f.t.path("out.txt"), 2},
        {f.t.path("out"), 2},
    };
    const QStringList before = QDir(f.t.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out.toStdString());
        const ToolRun run = qmtool({"export", f.t.projectPath, c.out});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFileInfo(c.out).isFile());
    }
    EXPECT_EQ(QDir(f.t.dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST(PictureExport, RefusesWhatItCannotWriteBeforeTouchingTheDisk)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(qm::PictureExport::save(QImage(70000, 2, QImage::Format_RGB32), dir.filePath("w.jpg"), &error));
    EXPECT_TRUE(error.contains("PNG"));
    EXPECT_FALSE(qm::PictureExport::save(QImage(), dir.filePath("n.png"), &error));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
