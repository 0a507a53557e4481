// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"
#include "render/printpages.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/timelinepages.h"
#include "testsupport.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

// A canvas 10000 x 2000 twips with boxes (picture and name together) at the given x ranges.
qm::CanvasModel boxesAt(const std::vector<std::pair<double, double>> &spans)
{
    qm::CanvasModel m;
    m.width = 10000;
    m.height = 2000;
    m.axis.p1 = QPointF(0, 1000);
    m.axis.p2 = QPointF(10000, 1000);
    qint32 id = 0;
    for (const auto &[from, to] : spans) {
        qm::CanvasBox &b = m.addBox(++id);
        b.picture.rect = QRectF(from, 200, 300, 300);
        b.name.rect = QRectF(from + 300, 200, to - from - 300, 200);
        b.name.caption = QStringLiteral("x");
        b.date.visible = false;
    }
    return m;
}

qm::PageSetup fit(const char *text)
{
    qm::PageSetup s;
    EXPECT_TRUE(s.setFit(QString::fromUtf8(text), nullptr)) << text;
    return s;
}

TEST(PrintPages, FitsCutsBeforeBoxesAndLeavesNoPageEmpty)
{
    // One page: the whole canvas scaled to the sheet, aspect kept, centred across the free height.
    const qm::PrintPages one(boxesAt({{100, 900}}), 1.0, fit("one"), QSizeF(5000, 5000));
    ASSERT_EQ(one.pageCount(), 1);
    EXPECT_DOUBLE_EQ(one.scale(), 0.5);
    EXPECT_EQ(one.pages()[0].source, QRectF(0, 0, 10000, 2000));
    EXPECT_EQ(one.pages()[0].target, QPointF(0, 2000));
    EXPECT_FALSE(one.hasHeader());

    // At true size on a sheet 4000 wide the first cut would split the box at 3800..4600: it moves
    // before it, and the pages carry a header.
    const qm::PrintPages percent(boxesAt({{100, 900}, {3800, 4600}, {9000, 9900}}), 1.0, fit("100%"),
                                 QSizeF(4000, 3000));
    std::vector<double> lefts;
    for (const qm::PrintedPage &p : percent.pages())
        lefts.push_back(p.source.left());
    EXPECT_EQ(lefts, (std::vector<double>{0, 3800, 7800}));
    EXPECT_TRUE(percent.hasHeader());
    EXPECT_EQ(percent.pages()[1].target, QPointF(0, qm::PrintPages::HeaderTwips));
    // The legend stays whole too.
    qm::CanvasModel legend = boxesAt({{100, 900}});
    legend.legend.rect = QRectF(3500, 1200, 1000, 400);
    legend.legend.visible = true;
    legend.legend.entries.emplace_back();
    EXPECT_EQ(qm::PrintPages(legend, 1.0, fit("100%"), QSizeF(4000, 3000)).pages()[1].source.left(), 3500);
    // Twice the zoom shown is still the true size on paper.
    EXPECT_DOUBLE_EQ(qm::PrintPages(boxesAt({}), 2.0, fit("100%"), QSizeF(4000, 3000)).scale(), 0.5);

    // Drawn to scale, boxes in rows overlap all along: the cut splits the fewest (the axis's years
    // count too) instead of sliding back to the first box and leaving a page all but empty.
    qm::CanvasModel rows = boxesAt({{100, 2000}, {1500, 3500}, {3000, 5000}, {4500, 6500}, {6000, 8000}, {7500, 9500}});
    rows.axisLabels.emplace_back().rect = QRectF(3950, 1100, 150, 200);
    lefts.clear();
    const qm::PrintPages inRows(rows, 1.0, fit("100%"), QSizeF(4000, 3000));
    for (const qm::PrintedPage &p : inRows.pages())
        lefts.push_back(p.source.left());
    EXPECT_EQ(lefts, (std::vector<double>{0, 3950, 7500}));
    // Down the page, the bars of the periods, the axis and its years stay together.
    rows.periodBars.push_back({1, QRectF(2000, 850, 3000, 100), 0});
    std::set<double> tops;
    const qm::PrintPages banded(rows, 1.0, fit("100%"), QSizeF(4000, 1300));
    for (const qm::PrintedPage &p : banded.pages())
        tops.insert(p.source.top());
    EXPECT_EQ(tops, (std::set<double>{0, 820}));

    // A tall sheet grid: the pages below the axis with nothing on them are left out.
    qm::CanvasModel tall = boxesAt({{100, 900}});
    tall.height = 9000;
    tall.axis.p1.setY(300);
    tall.axis.p2.setY(300);
    const qm::PrintPages sparse(tall, 1.0, fit("100%"), QSizeF(20000, 2000));
    EXPECT_EQ(sparse.pageCount(), 1);
    // A scale that would need thousands of sheets makes none.
    const qm::PrintPages huge(boxesAt({}), 1.0, fit("1000%"), QSizeF(100, 100));
    EXPECT_TRUE(huge.tooMany());
    EXPECT_EQ(huge.pageCount(), 0);

    // Sheets wide: the canvas spreads over at most that many, overlapping for gluing.
    for (int wide : {1, 2, 3}) {
        const qm::PrintPages poster(boxesAt({{100, 900}, {4800, 5600}, {9000, 9900}}), 1.0,
                                    fit(QStringLiteral("%1-wide").arg(wide).toUtf8().constData()), QSizeF(4000, 3000));
        SCOPED_TRACE(wide);
        EXPECT_EQ(poster.pageCount(), wide);
        EXPECT_EQ(poster.pages().back().source.right(), 10000);
        for (size_t i = 1; i < poster.pages().size(); ++i)
            EXPECT_LT(poster.pages()[i].source.left(), poster.pages()[i - 1].source.right());
    }
}

TEST(PageSetup, ReadsItsStoredTextAndTheCommandLinesWords)
{
    qm::PageSetup s;
    s.paper = qm::PageSetup::Paper::A3;
    s.orientation = QPageLayout::Portrait;
    s.margins = QMarginsF(5, 6, 7, 8.5);
    ASSERT_TRUE(s.setFit("3x2", nullptr));
    EXPECT_EQ(qm::PageSetup::fromText(s.toText()), s);
    for (const char *bad : {"0-wide", "x3", "0", "1001%", "many"})
        EXPECT_FALSE(s.setFit(QString::fromUtf8(bad), nullptr)) << bad;
    EXPECT_FALSE(s.setPaper("B5", nullptr));
    // A text from elsewhere keeps what it can read.
    EXPECT_EQ(qm::PageSetup::fromText("fit=75%;paper=nonsense;margins=1,2").percent, 75);
    EXPECT_EQ(qm::PageSetup::fromText("garbage"), qm::PageSetup::defaults());
}

// Every label of the sample's timelines and of a timeline of long names, printed through the PDF
// writer at printer resolutions, comes out whole, line by line as the layout broke it.
TEST(PrintPages, EveryLabelComesOutWholeAtPrinterResolutions)
{
    qmtest::TempProject t;
    const QString sample = t.path("sample.qmp");
    const qmtest::ToolRun made =
        qmtest::qmtool({"make-sample", QStringLiteral(QM_TEST_DATA_DIR "/../../data/sample/rome.tsv"), sample});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    qm::clTimeLine longNames(t.g.ProjectDb);
    longNames.Name = QStringLiteral("Long");
    longNames.LabelCaption = QStringLiteral("A handout of the French Revolution, 1789-1799");
    t.g.CurTimeLineId = longNames.Save();
    const qm::FontTextMeasurer measurer;
    {
        qm::TimelineCanvas canvas(t.g, measurer);
        ASSERT_TRUE(canvas.LoadTimeLine(t.g.CurTimeLineId));
        for (const char *name : {"18 Brumaire Year VIII",
                                 "Execution of Louis XVI, King of the French, on the Place "
                                 "de la Révolution in Paris",
                                 "The Directory takes power"}) {
            qmtest::makeCurrent(t.g,
                                qmtest::storeEvent(t.g, QStringLiteral("5/5/%1").arg(1789 + canvas.model().boxCount()),
                                                   QString::fromUtf8(name)));
            canvas.InsertNewBox(*t.g.CurEvent);
        }
    }

    std::vector<qm::CanvasModel> models;
    for (const QString &file : {t.projectPath, sample}) {
        qm::Globals g;
        g.ProjectDb.open(file, qm::ProjectDatabase::Mode::ReadOnly);
        g.MinDist = 200;
        for (const qm::TimelineEntry &e : qm::timelinesByName(g.ProjectDb)) {
            qm::TimelineCanvas canvas(g, measurer);
            ASSERT_TRUE(canvas.LoadTimeLine(e.id));
            if (canvas.model().boxCount() > 0)
                models.push_back(canvas.outputModel());
        }
    }
    ASSERT_EQ(models.size(), 3u);

    bool wrapped = false;
    for (const qm::CanvasModel &model : models) {
        QStringList lines;
        for (const auto &entry : model.boxes()) {
            for (const qm::CanvasLabel *l : {&entry.second.name, &entry.second.date}) {
                wrapped = wrapped || l->wordWrap;
                lines += measurer.lines(l->font, l->caption, l->wordWrap ? l->rect.width() : 0.0);
                // Alone on a white canvas, at the resolutions of the screen, pictures and printers:
                // no ink right of its box, where a clip would have cut letters off.
                qm::CanvasModel alone;
                alone.width = l->rect.right() + 2000;
                alone.height = l->rect.bottom() + 200;
                alone.backColor = 0xFFFFFF;
                alone.axis.visible = false;
                alone.lblLabel = *l;
                alone.lblLabel.foreColor = 0;
                alone.lblSub.visible = false;
                for (int dpi : {96, 150, 300, 600}) {
                    const QRectF area(l->rect.left() - 100, l->rect.top() - 100, l->rect.width() + 1500,
                                      l->rect.height() + 200);
                    const double ppt = dpi / 1440.0;
                    QImage image((area.size() * ppt).toSize(), QImage::Format_RGB32);
                    image.fill(Qt::white);
                    QPainter p(&image);
                    qm::CanvasRenderer::paint(p, alone, area, ppt);
                    p.end();
                    const int right = static_cast<int>(std::ceil((l->rect.right() - area.left()) * ppt)) + 1;
                    int ink = 0;
                    for (int y = 0; y < image.height(); ++y) {
                        for (int x = right; x < image.width(); ++x)
                            ink += qGray(image.pixel(x, y)) < 128;
                    }
                    EXPECT_EQ(ink, 0) << l->caption.toStdString() << " at " << dpi << " dpi";
                }
            }
        }
        lines << model.lblLabel.caption;
        for (int dpi : {300, 600}) {
            SCOPED_TRACE(dpi);
            const QString pdf = t.path(QStringLiteral("labels%1.pdf").arg(dpi));
            {
                QPdfWriter writer(pdf);
                writer.setResolution(dpi);
                const qm::PageSetup setup = fit("100%");
                writer.setPageLayout(setup.pageLayout());
                const qm::PrintPages pages(model, 1.0, setup, qm::PrintPages::areaOf(setup.pageLayout()));
                QPainter p(&writer);
                for (int i = 0; i < pages.pageCount(); ++i) {
                    if (i > 0)
                        writer.newPage();
                    pages.paintPage(p, model, i, dpi / 1440.0, QStringLiteral("Handout"));
                }
            }
            const QString text = qmtest::runProgram("pdftotext", {"-raw", pdf, "-"}).out;
            for (const QString &line : lines)
                EXPECT_TRUE(text.contains(line.simplified())) << line.toStdString();
        }
    }
    EXPECT_TRUE(wrapped) << "no long name was wrapped";
}

TEST(qmtoolPages, TellsThePagesThatExportAsPrintedWrites)
{
    qmtest::TempProject t;
    t.g.CurTimeLineId = qmtest::addTimeline(t.g, "Only", "Only");
    QStringList include{"include", t.projectPath, "--timeline", "Only"};
    for (int i = 0; i < 12; ++i)
        include << QString::number(
            qmtest::storeEvent(t.g, QStringLiteral("1/1/%1").arg(1900 + i), QStringLiteral("Event number %1").arg(i)));
    t.g.ProjectDb.close();
    ASSERT_EQ(qmtest::qmtool(include).exitCode, 0);

    const qmtest::ToolRun one = qmtest::qmtool({"pages", t.projectPath});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_TRUE(one.out.startsWith("1\nsetup\t")) << one.out.toStdString();
    for (const QString &f : QStringList{"one", "100%", "2-wide", "40%"}) {
        SCOPED_TRACE(f.toStdString());
        const qmtest::ToolRun pages = qmtest::qmtool({"pages", t.projectPath, "--paper", "A4", "--fit", f});
        ASSERT_EQ(pages.exitCode, 0) << pages.err.toStdString();
        const QString pdf = t.path("pages.pdf");
        const qmtest::ToolRun out =
            qmtest::qmtool({"export", t.projectPath, pdf, "--as-printed", "--paper", "A4", "--fit", f});
        ASSERT_EQ(out.exitCode, 0) << out.err.toStdString();
        const QString info = qmtest::runProgram("pdfinfo", {pdf}).out;
        EXPECT_EQ(QRegularExpression(R"(Pages:\s+(\d+))").match(info).captured(1), pages.out.section(u'\n', 0, 0));
        EXPECT_EQ(pages.out.count(QStringLiteral("\npage\t")), pages.out.section(u'\n', 0, 0).toInt());
    }
    for (const QStringList &bad :
         {QStringList{"--fit", "0-wide"}, QStringList{"--paper", "B5"}, QStringList{"--orientation", "sideways"}})
        EXPECT_EQ(qmtest::qmtool(QStringList{"pages", t.projectPath} + bad).exitCode, 2) << bad.join(' ').toStdString();
    EXPECT_EQ(qmtest::qmtool({"export", t.projectPath, t.path("x.png"), "--as-printed"}).exitCode, 2);
}

} // namespace
