// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/pictureexport.h"
#include "store/mdlparms.h"
#include "store/sqlquery.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <sys/stat.h>

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

    // What the canvas shows right after loading "Reds", at full size on a 96 DPI screen.
    qm::CanvasModel shownReds() const
    {
        qm::Globals g;
        g.appFolder = QStringLiteral(QM_APP_DIR);
        g.ProjectFolder = t.g.ProjectFolder;
        g.ProjectDb.open(t.projectPath, qm::ProjectDatabase::Mode::ReadOnly);
        g.MinDist = 300;
        const qm::FontTextMeasurer measurer(96);
        qm::TimelineCanvas canvas(g, measurer);
        EXPECT_TRUE(canvas.LoadTimeLine(reds));
        qm::CanvasModel model = canvas.outputModel();
        g.ProjectDb.close();
        return model;
    }

    QStringList entries() const
    {
        return QDir(t.dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    }

    qmtest::TempProject t;
    qint32 reds = 0;
    qint32 greens = 0;
};

QByteArray jpegAt85(const QImage &image)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.write(image);
    return buffer.data();
}

TEST(qmtoolExport, WritesEveryRasterFormatByExtensionExactlyAsTheCanvasShowsTheTimeline)
{
    ExportFixture f;
    const qm::CanvasModel model = f.shownReds();
    const QImage shown = qm::PictureExport::render(model);
    // The whole canvas and nothing beside it: no columns added to round the width.
    EXPECT_EQ(shown.size(), QSize(std::lround(model.width / 15), 7725 / 15));

    const QByteArray projectBefore = qmtest::fileBytes(f.t.projectPath);
    const struct
    {
        const char *name;
        const char *format;
        bool lossless;
    } cases[] = {
        {"out.png", "png", true},  {"out.JPG", "jpeg", false}, {"out.jpeg", "jpeg", false}, {"out.bmp", "bmp", true},
        {"out.tif", "tiff", true}, {"out.tiff", "tiff", true}, {"out.Gif", "gif", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString out = f.t.path(QString::fromUtf8(c.name));
        const ToolRun run = qmtool({"export", f.t.projectPath, "--timeline", "rEDS", "--dpi", "96", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QImageReader reader(out);
        EXPECT_EQ(reader.format(), QByteArray(c.format));
        const QImage written = reader.read().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(written.size(), shown.size());
        // Lossless formats hold the canvas exactly, JPEG is it at quality 85; how GIF keeps the look is
        // GifWriter's test.
        if (c.lossless) {
            EXPECT_EQ(written, shown);
        } else if (QByteArray(c.format) == "jpeg") {
            EXPECT_EQ(qmtest::fileBytes(out), jpegAt85(shown)) << "not quality 85";
        }
    }
    EXPECT_EQ(qmtest::fileBytes(f.t.projectPath), projectBefore);
}

TEST(qmtoolExport, WritesPdfAndSvgAtTheTrueSizeWithTextAsText)
{
    ExportFixture f;
    const qm::CanvasModel model = f.shownReds();
    const QString pdf = f.t.path("out.pdf");
    const QString svg = f.t.path("out.SVG");
    for (const QString &out : {pdf, svg}) {
        const ToolRun run = qmtool({"export", f.t.projectPath, "--timeline", "Reds", out});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    }

    const ToolRun info = qmtest::runProgram("pdfinfo", {pdf});
    ASSERT_EQ(info.exitCode, 0) << info.err.toStdString();
    const QRegularExpressionMatch size = QRegularExpression(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)").match(info.out);
    ASSERT_TRUE(size.hasMatch()) << info.out.toStdString();
    EXPECT_EQ(size.captured(1).toDouble(), std::ceil(model.width / 20));
    EXPECT_EQ(size.captured(2).toDouble(), std::ceil(model.height / 20));
    EXPECT_TRUE(info.out.contains(QRegularExpression(R"(Pages:\s+1\n)")));
    const ToolRun text = qmtest::runProgram("pdftotext", {pdf, "-"});
    for (const char *word : {"Reds", "Alpha", "Beta"})
        EXPECT_TRUE(text.out.contains(QString::fromUtf8(word))) << word << " in " << text.out.toStdString();

    const QByteArray svgBytes = qmtest::fileBytes(svg);
    EXPECT_TRUE(svgBytes.contains(">Alpha<") && svgBytes.contains(">Reds<"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    const QSize pixels = qm::PictureExport::imageSize(model);
    EXPECT_EQ(renderer.viewBoxF().size(), QSizeF(std::ceil(model.width), std::ceil(model.height)));
    QImage drawn(pixels, QImage::Format_RGB32);
    drawn.fill(Qt::white);
    QPainter p(&drawn);
    renderer.render(&p);
    p.end();
    EXPECT_EQ(drawn.pixelColor(3, 3), QColor(Qt::red));
    EXPECT_EQ(drawn.pixelColor(pixels.width() - 3, pixels.height() - 3), QColor(Qt::red));
}

TEST(qmtoolExport, ChoosesTheRememberedTimelineWithoutANameAndRefusesAnUnknownOne)
{
    ExportFixture f;
    const QString out = f.t.path("default.png");
    const ToolRun run = qmtool({"export", f.t.projectPath, out});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QImage(out).pixelColor(2, 2), QColor(Qt::green));
    // Pictures are made for printing unless told otherwise: 300 dpi.
    const ToolRun screen = qmtool({"export", f.t.projectPath, "--dpi", "96", f.t.path("screen.png")});
    ASSERT_EQ(screen.exitCode, 0) << screen.err.toStdString();
    EXPECT_NEAR(QImage(out).height(), QImage(f.t.path("screen.png")).height() * 300.0 / 96.0, 2);
    EXPECT_EQ(qmtool({"export", f.t.projectPath, "--dpi", "0", f.t.path("bad.png")}).exitCode, 2);

    const QString none = f.t.path("none.png");
    const ToolRun unknown = qmtool({"export", f.t.projectPath, "--timeline", "Blues", none});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains("Blues"));
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST(qmtoolExport, RefusesTargetsThatAreNoPlainFileAndLeavesNothing)
{
    ExportFixture f;
    const QDir d(f.t.dir.path());
    ASSERT_TRUE(d.mkdir("taken.png") && d.mkdir("a.b"));
    ASSERT_TRUE(QFile::link("taken.png", f.t.path("folderlink.png")));
    ASSERT_TRUE(QFile::link("loop2.png", f.t.path("loop1.png")) && QFile::link("loop1.png", f.t.path("loop2.png")));
    ASSERT_TRUE(QFile::link("/dev/null", f.t.path("device.png")));
    ASSERT_EQ(mkfifo(QFile::encodeName(f.t.path("pipe.gif")).constData(), 0600), 0);
    const struct
    {
        QString out;
        int exitCode;
    } cases[] = {
        {f.t.path("no such folder/out.png"), 1},
        {f.t.path("taken.png"), 1},
        {f.t.path("folderlink.png"), 1},
        {f.t.path("loop1.png"), 1},
        {f.t.path("device.png"), 1},
        {f.t.path("pipe.gif"), 1},
        {f.t.path("out.txt"), 2},
        {f.t.path("out"), 2},
        {f.t.path("a.b/name"), 2},
    };
    const QStringList before = f.entries();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out.toStdString());
        const ToolRun run = qmtool({"export", f.t.projectPath, c.out});
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFileInfo(c.out).isFile());
    }
    EXPECT_EQ(f.entries(), before);
    EXPECT_TRUE(QDir(f.t.path("a.b")).isEmpty());
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).exists() && !QFileInfo(QStringLiteral("/dev/null")).isFile());
    EXPECT_TRUE(QFileInfo(f.t.path("device.png")).isSymLink());
}

TEST(qmtoolExport, ASymbolicLinkWritesTheFileItPointsToAndStaysALink)
{
    ExportFixture f;
    ASSERT_TRUE(QDir(f.t.dir.path()).mkdir("real"));
    ASSERT_TRUE(qmtest::writeFile(f.t.path("real/old.png"), "old bytes"));
    ASSERT_TRUE(QFile::link("real/old.png", f.t.path("link.png")));
    ASSERT_TRUE(QFile::link("link.png", f.t.path("chain.png")));
    ASSERT_TRUE(QFile::link("real/new.png", f.t.path("dangling.png")));
    for (const char *name : {"link.png", "chain.png", "dangling.png"}) {
        SCOPED_TRACE(name);
        const ToolRun run = qmtool({"export", f.t.projectPath, f.t.path(QString::fromUtf8(name))});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(QFileInfo(f.t.path(QString::fromUtf8(name))).isSymLink());
    }
    EXPECT_EQ(QImageReader(f.t.path("real/old.png")).format(), "png");
    EXPECT_EQ(QImageReader(f.t.path("real/new.png")).format(), "png");
    EXPECT_EQ(QDir(f.t.path("real")).entryList(QDir::Files).size(), 2);
}

TEST(PictureExport, RefusesWhatItCannotWriteBeforeTouchingTheDisk)
{
    QTemporaryDir dir;
    QString error;
    qm::ExportOptions screen;
    screen.dpi = qm::ExportOptions::ScreenDpi;
    EXPECT_FALSE(qm::PictureExport::save(QImage(70000, 2, QImage::Format_RGB32), dir.filePath("w.jpg"), &error));
    EXPECT_TRUE(error.contains("PDF or SVG"));
    EXPECT_FALSE(qm::PictureExport::save(QImage(66000, 2, QImage::Format_RGB32), dir.filePath("w.gif"), &error));
    EXPECT_TRUE(error.contains("PDF or SVG"));
    EXPECT_FALSE(qm::PictureExport::save(QImage(), dir.filePath("n.png"), &error));

    // Twenty million twips: more than a million pixels wide, too much for one picture but not for a drawing.
    qm::CanvasModel wide;
    wide.width = 2.0e7;
    wide.height = 7725;
    wide.backColor = 0x0000FF;
    for (const char *name : {"wide.png", "wide.bmp", "wide.tif"}) {
        error.clear();
        EXPECT_FALSE(qm::PictureExport::exportCanvas(wide, dir.filePath(QString::fromUtf8(name)), screen, &error));
        EXPECT_TRUE(error.contains("PDF or SVG")) << error.toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    ASSERT_TRUE(qm::PictureExport::exportCanvas(wide, dir.filePath("wide.pdf"), screen, &error)) << error.toStdString();
    const ToolRun info = qmtest::runProgram("pdfinfo", {dir.filePath("wide.pdf")});
    // Drawn smaller to a page of 14,400 points, the most common readers open.
    EXPECT_TRUE(info.out.contains(QRegularExpression(R"(Page size:\s+14400 x 6 pts)"))) << info.out.toStdString();
}

} // namespace
