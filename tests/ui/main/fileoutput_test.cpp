// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/timelinecanvas.h"
#include "main/canvasview.h"
#include "print/canvasprinter.h"
#include "print/frmpagesetup.h"
#include "render/pictureexport.h"
#include "render/printpages.h"
#include "store/clevent.h"
#include "store/timelinepages.h"
#include "ui/mainwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

using qmtest::settle;

// A new project whose timeline shows three long names, on a small sheet that needs several pages at
// true size.
struct OutputFixture : public qmtest::MainWindow
{
    OutputFixture()
    {
        startWithNewProject();
        for (const char *name : {"The Directory takes power", "18 Brumaire Year VIII", "Execution of Louis XVI"}) {
            qmtest::makeCurrent(
                g, qmtest::storeEvent(g, QStringLiteral("11/9/17%1").arg(95 + w->canvas().model().boxCount()),
                                      QString::fromUtf8(name)));
            w->canvas().InsertNewBox(*g.CurEvent);
        }
        w->show();
        settle();
        QPrinter &p = w->printer();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setPageSize(QPageSize(QSizeF(400, 500), QPageSize::Point, QString(), QPageSize::ExactMatch));
        qm::PageSetup small;
        small.paper = qm::PageSetup::Paper::Printer;
        small.fit = qm::PageSetup::Fit::Percent;
        qm::storePageSetup(g.ProjectDb, g.CurTimeLineId, small.toText());
    }

    qm::PrintPages pages()
    {
        return qm::CanvasPrinter::pagesFor(w->printer(), w->canvas().outputModel(), g.Zoom, w->pageSetup());
    }
    QImage exported(double dpi = 96)
    {
        return qm::PictureExport::render(w->canvas().outputModel(), dpi / 1440.0 / g.Zoom);
    }
    int pdfPages(const QString &file)
    {
        const qmtest::ToolRun info = qmtest::runProgram("pdfinfo", {file});
        return QRegularExpression(R"(Pages:\s+(\d+))").match(info.out).captured(1).toInt();
    }
    // Save as with a name typed in the dialog, the type chosen in its list and, for pictures, the
    // resolution chosen (0 screen, 1 150 dpi, 2 300 dpi; none: the one proposed).
    void saveAs(const QString &typed, const char *filter, int resolution = -1)
    {
        dialogs.fileNames.push_back(path(typed));
        dialogs.filters.push_back(QString::fromUtf8(filter));
        if (resolution >= 0)
            dialogs.choices.push_back(resolution);
        w->mnuFileSaveAs_Click();
    }
};

TEST_F(OutputFixture, SaveAsWritesTheTypeChosenUnlessTheNameSaysAnother)
{
    const struct
    {
        const char *typed;
        const char *filter;
        const char *written;
        const char *magic;
    } cases[] = {
        {"a", "PDF document, pages as printed (*.pdf)", "a.pdf", "%PDF"},
        {"b", "PDF document, one page at true size (*.pdf)", "b.pdf", "%PDF"},
        {"c", "PNG picture (*.png)", "c.png", "\x89PNG"},
        {"d", "SVG drawing (*.svg)", "d.svg", "<?xml"},
        {"e", "TIFF picture (*.tif *.tiff)", "e.tif", "II*"},
        {"f.v2", "GIF picture (*.gif)", "f.v2.gif", "GIF8"},
        {"g.png", "PDF document, pages as printed (*.pdf)", "g.png", "\x89PNG"},
        {"h.jpeg", "SVG drawing (*.svg)", "h.jpeg", "\xff\xd8"},
    };
    dialogs.saveDialogs.clear();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.typed);
        saveAs(QString::fromUtf8(c.typed), c.filter);
        EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
        EXPECT_TRUE(qmtest::fileBytes(path(QString::fromUtf8(c.written))).startsWith(c.magic));
        EXPECT_FALSE(QFileInfo::exists(path(QString::fromUtf8(c.typed) + ".jpg")));
    }
    // A name the file system refuses is reported, and nothing is written.
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.png"));
    saveAs("taken.png", "PNG picture (*.png)");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages.front().contains("is a folder"));
    dialogs.messages.clear();

    const QStringList &asked = dialogs.saveDialogs.front();
    EXPECT_EQ(asked[0], "Save as Image file");
    EXPECT_EQ(asked[3], path("Timeline0"));
    // Pages as printed: the small sheet at true size needs several.
    EXPECT_EQ(pdfPages(path("a.pdf")), pages().pageCount());
    EXPECT_GT(pdfPages(path("a.pdf")), 1);
    EXPECT_EQ(pdfPages(path("b.pdf")), 1);

    // Pictures at the resolution chosen, whatever the zoom shown.
    w->canvas().zoomIn();
    saveAs("z300", "PNG picture (*.png)", 2);
    saveAs("z96", "PNG picture (*.png)", 0);
    w->canvas().zoomOut();
    saveAs("z1", "PNG picture (*.png)", 0);
    const QSize at300 = QImage(path("z300.png")).size();
    const QSize at96 = QImage(path("z96.png")).size();
    EXPECT_NEAR(at300.width(), at96.width() * 300 / 96, 4);
    EXPECT_NEAR(at96.width(), QImage(path("z1.png")).width(), 2);
    EXPECT_EQ(QImage(path("z1.png")).convertToFormat(QImage::Format_RGB32), exported());
}

TEST_F(OutputFixture, ExportsAndPagesShowNeitherTheSelectionNorThePageGrid)
{
    w->mnuFileShowPages->trigger();
    ASSERT_TRUE(w->mView->showsPageGrid());
    const qint32 id = w->canvas().model().boxIds().front();
    w->selectBox(id);
    ASSERT_TRUE(w->canvas().model().imPointer.visible);
    ASSERT_TRUE(w->SaveAs(path("selected.png")));
    ASSERT_TRUE(w->SaveAs(path("selected.svg")));
    w->selectBox(-1);
    ASSERT_TRUE(w->SaveAs(path("plain.png")));
    ASSERT_TRUE(w->SaveAs(path("plain.svg")));
    EXPECT_EQ(QImage(path("selected.png")), QImage(path("plain.png")));
    EXPECT_EQ(qmtest::fileBytes(path("selected.svg")), qmtest::fileBytes(path("plain.svg")));

    // The page outlines stay on the canvas, where the pages are cut.
    const QImage shown = w->mView->Pic->grab().toImage();
    const int x = static_cast<int>(pages().pages()[1].source.left() / w->mView->twipsPerPixel());
    int grey = 0;
    for (int y = 0; y < shown.height(); ++y)
        grey += shown.pixelColor(x, y) == QColor(96, 96, 96);
    EXPECT_GT(grey, 20);
    w->mnuFileShowPages->trigger();
    EXPECT_FALSE(w->mView->showsPageGrid());
}

TEST_F(OutputFixture, PrintAndPreviewMakeThePagesOfThePageSetupAndKeepThePrintersOwnLayout)
{
    const QString printed = path("printed.pdf");
    dialogs.printFiles.push_back(printed);
    w->mnuFilePrint_Click();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(pdfPages(printed), pages().pageCount());
    EXPECT_TRUE(qmtest::runProgram("pdfinfo", {printed}).out.contains(QRegularExpression(R"(Page size:\s+500 x 400)")));
    EXPECT_EQ(w->printer().pageLayout().orientation(), QPageLayout::Portrait);
    const QString text = qmtest::runProgram("pdftotext", {printed, "-"}).out;
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("2 ?/ ?%1").arg(pages().pageCount()))))
        << text.toStdString();
    for (const char *name : {"The Directory takes power", "18 Brumaire Year VIII", "Execution of Louis XVI"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(name))) << name;

    const QString previewed = path("previewed.pdf");
    dialogs.printFiles.push_back(previewed);
    w->mnuFilePrintPreview_Click();
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_EQ(pdfPages(previewed), pages().pageCount());

    // Page setup: fit to one page, kept with the timeline.
    qmtest::onNextModal([](QWidget *modal) {
        auto *d = qobject_cast<qm::frmPageSetup *>(modal);
        ASSERT_NE(d, nullptr);
        d->cmbPaper->setCurrentIndex(d->cmbPaper->findText("A3"));
        d->optFitOne->setChecked(true);
        d->cmdOK->click();
    });
    w->mnuFilePageSetup_Click();
    const qm::PageSetup kept = qm::PageSetup::fromText(qm::storedPageSetup(g.ProjectDb, g.CurTimeLineId));
    EXPECT_EQ(kept.paper, qm::PageSetup::Paper::A3);
    EXPECT_EQ(kept.fit, qm::PageSetup::Fit::OnePage);
    dialogs.printFiles.push_back(path("one.pdf"));
    w->mnuFilePrint_Click();
    EXPECT_EQ(pdfPages(path("one.pdf")), 1);
}

TEST_F(OutputFixture, WithoutAPrinterThePageGridSaysSoAndStaysOff)
{
    dialogs.printers = false;
    w->printer().setOutputFileName(QString());
    w->mnuFileShowPages->trigger();
    EXPECT_EQ(dialogs.errors, QStringList{"No printer is available"});
    EXPECT_FALSE(w->mnuFileShowPages->isChecked());
    EXPECT_FALSE(w->mView->showsPageGrid());
}

} // namespace

TEST_F(OutputFixture, ExportsTheTimelineShownAsAWebPageAndAsksBeforeReplacingOne)
{
    ASSERT_TRUE(w->mnuFileExportWeb->isEnabled());
    dialogs.fileNames.push_back(path("class page"));
    w->mnuFileExportWeb_Click();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(dialogs.saveDialogs.back()[3], path("Timeline0.html"));
    const QByteArray page = qmtest::fileBytes(path("class page.html"));
    for (const char *name : {"The Directory takes power", "18 Brumaire Year VIII", "Execution of Louis XVI"})
        EXPECT_TRUE(page.contains(name)) << name;
    // Answering No to the question leaves the page as it was.
    ASSERT_TRUE(qmtest::writeFile(path("class page.html"), "kept"));
    dialogs.fileNames.push_back(path("class page.html"));
    w->mnuFileExportWeb_Click();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(qmtest::fileBytes(path("class page.html")), "kept");
}
