// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "layout/timelinecanvas.h"
#include "main/canvasview.h"
#include "print/canvasprinter.h"
#include "render/pagegrid.h"
#include "render/pictureexport.h"
#include "ui/mainwindow.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>
#include <QRegularExpression>

namespace {

using qmtest::settle;

struct OutputFixture : public qmtest::MainWindow
{
    OutputFixture()
    {
        startWithNewProject();
        w->show();
        settle();
        // A small sheet, so that the canvas needs several pages.
        QPrinter &p = w->printer();
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setPageSize(QPageSize(QSizeF(400, 500), QPageSize::Point, QString(), QPageSize::ExactMatch));
        p.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Point);
        p.setPageOrientation(QPageLayout::Portrait);
    }

    const qm::CanvasModel &model() { return w->canvas().model(); }
    QImage exported() { return qm::PictureExport::render(model(), 1.0 / w->mView->twipsPerPixel()); }
    qm::PageGrid grid() { return {QSizeF(model().width, model().height), qm::CanvasPrinter::pageTwips(w->printer())}; }
    int pdfPages(const QString &file)
    {
        const qmtest::ToolRun info = qmtest::runProgram("pdfinfo", {file});
        return QRegularExpression(R"(Pages:\s+(\d+))").match(info.out).captured(1).toInt();
    }
};

TEST_F(OutputFixture, SaveAsOffersTheTimelinesNameAndWritesTheCanvasAsShown)
{
    const QString out = path("Timeline0.png");
    dialogs.fileNames.push_back(out);
    dialogs.saveDialogs.clear();
    w->mnuFileSaveAs_Click();
    ASSERT_EQ(dialogs.saveDialogs.size(), 1u);
    const QStringList &asked = dialogs.saveDialogs.front();
    EXPECT_EQ(asked[0], "Save as Image file");
    EXPECT_EQ(asked[2], "jpg");
    EXPECT_EQ(asked[3], path("Timeline0"));
    for (const char *ext : {"*.jpg", "*.png", "*.bmp", "*.gif", "*.tif", "*.pdf", "*.svg"})
        EXPECT_TRUE(asked[1].contains(QString::fromUtf8(ext))) << ext;
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), exported());
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // An existing file is replaced only on Yes.
    const QByteArray before = qmtest::fileBytes(out);
    dialogs.fileNames.push_back(out);
    dialogs.answers.push_back(false);
    w->mnuFileSaveAs_Click();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(qmtest::fileBytes(out), before);
}

TEST_F(OutputFixture, AFailedSaveSaysWhyAndLeavesNothing)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    const struct
    {
        QString file;
        QString says;
    } cases[] = {
        {path("notes.txt"), qm::PictureExport::formatsMessage()},
        {path("folder.png"), "is a folder"},
        {path("gone/out.png"), "does not exist"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        dialogs.messages.clear();
        dialogs.fileNames.push_back(c.file);
        w->mnuFileSaveAs_Click();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages.front().contains(c.says)) << dialogs.messages.front().toStdString();
        EXPECT_FALSE(QFileInfo(c.file).isFile());
    }
}

TEST_F(OutputFixture, ThePageGridShowsOnTheCanvasButNeverInAnExport)
{
    ASSERT_GT(grid().pageCount(), 1);
    w->mnuFileShowPages->trigger();
    ASSERT_TRUE(w->mnuFileShowPages->isChecked());
    EXPECT_EQ(w->mView->pageGrid(), qm::CanvasPrinter::pageTwips(w->printer()));
    // The printer's own orientation is not the page grid's business.
    EXPECT_EQ(w->printer().pageLayout().orientation(), QPageLayout::Portrait);

    const QString out = path("grid.bmp");
    ASSERT_TRUE(w->SaveAs(out));
    EXPECT_EQ(QImage(out).convertToFormat(QImage::Format_RGB32), exported());
    // And it is still there afterwards, one dashed line per boundary.
    const QImage shown = w->mView->Pic->grab().toImage();
    const int x = static_cast<int>(grid().verticalLines().front() / w->mView->twipsPerPixel());
    int grey = 0;
    for (int y = 0; y < shown.height(); ++y)
        grey += shown.pixelColor(x, y) == QColor(96, 96, 96);
    EXPECT_GT(grey, shown.height() / 4);

    w->mnuFileShowPages->trigger();
    EXPECT_TRUE(w->mView->pageGrid().isEmpty());
}

TEST_F(OutputFixture, WithoutAPrinterThePageGridSaysSoAndStaysOff)
{
    dialogs.printers = false;
    w->printer().setOutputFileName(QString());
    w->mnuFileShowPages->trigger();
    EXPECT_EQ(dialogs.messages, QStringList{"No printer is available"});
    EXPECT_FALSE(w->mnuFileShowPages->isChecked());
    EXPECT_TRUE(w->mView->pageGrid().isEmpty());
}

TEST_F(OutputFixture, PrintsAndPreviewsEveryPageInLandscapeAndPutsTheOrientationBack)
{
    const int pages = grid().pageCount();
    ASSERT_GT(pages, 1);
    const QString printed = path("printed.pdf");
    dialogs.printFiles.push_back(printed);
    w->mnuFilePrint_Click();
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join(u'\n').toStdString();
    EXPECT_EQ(pdfPages(printed), pages);
    const qmtest::ToolRun info = qmtest::runProgram("pdfinfo", {printed});
    EXPECT_TRUE(info.out.contains(QRegularExpression(R"(Page size:\s+500 x 400 pts)"))) << info.out.toStdString();
    EXPECT_EQ(w->printer().pageLayout().orientation(), QPageLayout::Portrait);

    const QString previewed = path("previewed.pdf");
    dialogs.printFiles.push_back(previewed);
    w->mnuFilePrintPreview_Click();
    EXPECT_EQ(dialogs.previews, 1);
    EXPECT_EQ(pdfPages(previewed), pages);
    EXPECT_EQ(w->printer().pageLayout().orientation(), QPageLayout::Portrait);
}

} // namespace
