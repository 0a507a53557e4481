// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Getting the timeline out of the window: File ▸ Save as, the page grid, print preview and printing.
#include "canvasview.h"
#include "common/userdialogs.h"
#include "frmmain.h"
#include "layout/timelinecanvas.h"
#include "print/canvasprinter.h"
#include "print/frmpagesetup.h"
#include "render/pictureexport.h"
#include "render/printpages.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/timelinepages.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QProgressDialog>

#include <algorithm>

namespace qm {

namespace {

// The types Save as offers, each with the extension a name typed without one gets.
struct SaveType
{
    const char *filter;
    const char *extension;
};
constexpr SaveType SaveTypes[] = {
    {"JPEG picture (*.jpg *.jpeg)", "jpg"},
    {"PNG picture (*.png)", "png"},
    {"BMP picture (*.bmp)", "bmp"},
    {"GIF picture (*.gif)", "gif"},
    {"TIFF picture (*.tif *.tiff)", "tif"},
    {"PDF document, pages as printed (*.pdf)", "pdf"},
    {"PDF document, one page at true size (*.pdf)", "pdf"},
    {"SVG drawing (*.svg)", "svg"},
};
const char *const PdfAsPrinted = SaveTypes[5].filter;

QString saveAsFilter()
{
    QStringList filters;
    for (const SaveType &t : SaveTypes)
        filters << QString::fromLatin1(t.filter);
    return filters.join(QStringLiteral(";;"));
}

QString extensionOf(const QString &filter)
{
    for (const SaveType &t : SaveTypes) {
        if (filter == QLatin1StringView(t.filter))
            return QString::fromLatin1(t.extension);
    }
    return {};
}

// The resolutions a picture can be made at; the last is the default, sharp enough to print.
const double Resolutions[] = {ExportOptions::ScreenDpi, 150.0, ExportOptions::DefaultDpi};

// The hourglass while long work runs, put back however the work ends.
class BusyCursor
{
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// A timeline's name as a file name: separators would name folders.
QString fileNameFor(const QString &timelineName)
{
    QString name = timelineName.trimmed();
    name.replace(u'/', u'-').replace(u'\\', u'-');
    return name.isEmpty() || name.startsWith(u'.') ? QStringLiteral("Timeline") + name : name;
}

} // namespace

QPrinter &frmMain::printer()
{
    if (!mPrinter)
        mPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *mPrinter;
}

void frmMain::mnuFileSaveAs_Click()
{
    if (mState.timelineState() != MenuState::TimelineShown || !g.CurTimeLine)
        return;
    const QString folder = QFileInfo(g.ProjectPath).absolutePath();
    QString chosen;
    const QString typed =
        mDialogs.saveFileName(this, QStringLiteral("Save as Image file"), saveAsFilter(), QStringLiteral("jpg"),
                              QDir(folder).filePath(fileNameFor(g.CurTimeLine->Name)), &chosen);
    if (typed.isEmpty())
        return;
    const QString file = PictureExport::withChosenType(typed, extensionOf(chosen));
    ExportOptions options = exportOptions();
    options.asPrinted = chosen == QLatin1StringView(PdfAsPrinted);
    const ExportFormat format = PictureExport::formatFor(file);
    if (format != ExportFormat::None && !PictureExport::isVector(format)) {
        QStringList items{QStringLiteral("Screen (96 dpi)"), QStringLiteral("150 dpi"),
                          QStringLiteral("300 dpi, for printing")};
        const auto current = std::find(std::begin(Resolutions), std::end(Resolutions), mExportDpi);
        const int index = mDialogs.choice(this, QStringLiteral("Picture resolution"),
                                          QStringLiteral("Resolution of the picture (the timeline at full size):"),
                                          items, current == std::end(Resolutions) ? 2 : int(current - Resolutions));
        if (index < 0)
            return;
        mExportDpi = Resolutions[index];
        options.dpi = mExportDpi;
    }
    if (QFileInfo(file).isFile() &&
        !mDialogs.question(
            this,
            QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(file))))
        return;
    SaveAs(file, options);
}

ExportOptions frmMain::exportOptions()
{
    ExportOptions options;
    options.zoom = g.Zoom;
    options.dpi = mExportDpi;
    options.pages = pageSetup();
    options.printerPaper = printer().pageLayout().pageSize();
    options.title = g.CurTimeLine ? g.CurTimeLine->LabelCaption : QString();
    return options;
}

PageSetup frmMain::pageSetup()
{
    if (!g.ProjectDb.isOpen() || g.CurTimeLineId <= 0)
        return PageSetup::defaults();
    return PageSetup::fromText(storedPageSetup(g.ProjectDb, g.CurTimeLineId));
}

bool frmMain::SaveAs(const QString &FileName)
{
    return SaveAs(FileName, exportOptions());
}

bool frmMain::SaveAs(const QString &FileName, const ExportOptions &options)
{
    QString error;
    bool saved = false;
    guarded([&] {
        const BusyCursor busy;
        saved = PictureExport::exportCanvas(mCanvas->outputModel(), FileName, options, &error);
    });
    if (!saved && !error.isEmpty())
        mDialogs.error(this, error);
    return saved;
}

void frmMain::mnuFileShowPages_Click()
{
    const bool available = mDialogs.hasPrinter() || !printer().outputFileName().isEmpty();
    if (!available) {
        // The click already moved the check mark; without a printer it stays as it was.
        mnuFileShowPages->setChecked(!mnuFileShowPages->isChecked());
        mDialogs.error(this, QStringLiteral("No printer is available"));
        return;
    }
    refreshPageGrid();
}

void frmMain::refreshPageGrid()
{
    const bool show = mnuFileShowPages->isChecked() && mState.timelineState() == MenuState::TimelineShown;
    if (!show) {
        mView->setPageGrid({});
        return;
    }
    // Read once: the grid is drawn at every repaint and follows the boxes, not the file.
    const PageSetup setup = pageSetup();
    mView->setPageGrid([this, setup] {
        std::vector<QRectF> sources;
        const PrintPages pages = CanvasPrinter::pagesFor(printer(), mCanvas->outputModel(), g.Zoom, setup);
        for (const PrintedPage &page : pages.pages())
            sources.push_back(page.source);
        return sources;
    });
}

void frmMain::mnuFilePageSetup_Click()
{
    if (mState.timelineState() != MenuState::TimelineShown)
        return;
    guarded([this] {
        frmPageSetup dialog(pageSetup(), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        if (g.ProjectDb.isReadOnly()) {
            mDialogs.message(this, QStringLiteral("The project is open read-only: its page setup cannot be changed."));
            return;
        }
        storePageSetup(g.ProjectDb, g.CurTimeLineId, dialog.setup().toText());
        refreshPageGrid();
    });
}

void frmMain::mnuFilePrintPreview_Click()
{
    if (mState.timelineState() != MenuState::TimelineShown)
        return;
    QPrinter &target = printer();
    {
        const ExportOptions options = exportOptions();
        const PageLayoutWhileAlive sheet(target, CanvasPrinter::layoutFor(target, options.pages));
        mDialogs.printPreview(this, target, [this, &options](QPrinter &p) {
            QString error;
            CanvasPrinter::printPages(p, mCanvas->outputModel(), options.zoom, options.pages, options.title, &error);
        });
    }
    // The preview may have changed the paper.
    refreshPageGrid();
}

void frmMain::mnuFilePrint_Click()
{
    if (mState.timelineState() != MenuState::TimelineShown)
        return;
    QPrinter &target = printer();
    if (!mDialogs.printSetup(this, target))
        return;
    QString error;
    bool printed = false;
    guarded([&] {
        const BusyCursor busy;
        QProgressDialog progress(QStringLiteral("Printing the timeline..."), QStringLiteral("Stop"), 0, 1, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        const ExportOptions options = exportOptions();
        printed = CanvasPrinter::print(target, mCanvas->outputModel(), options.zoom, options.pages, options.title,
                                       &error, [&progress](int page, int count) {
                                           progress.setMaximum(count);
                                           progress.setLabelText(
                                               QStringLiteral("Printing page %1 of %2...").arg(page).arg(count));
                                           progress.setValue(page - 1);
                                           return !progress.wasCanceled();
                                       });
    });
    if (!printed && !error.isEmpty())
        mDialogs.error(this, error);
    refreshPageGrid();
}

} // namespace qm
