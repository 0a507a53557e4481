// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Getting the timeline out of the window: File ▸ Save as, the page grid, print preview and printing.
#include "canvasview.h"
#include "common/userdialogs.h"
#include "frmmain.h"
#include "layout/timelinecanvas.h"
#include "print/canvasprinter.h"
#include "render/pictureexport.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrinter>
#include <QProgressDialog>

namespace qm {

namespace {

const QString SaveAsFilter = QStringLiteral("JPEG picture (*.jpg *.jpeg);;PNG picture (*.png);;BMP picture (*.bmp);;"
                                            "GIF picture (*.gif);;TIFF picture (*.tif *.tiff);;PDF document (*.pdf);;"
                                            "SVG drawing (*.svg)");

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
    const QString file =
        mDialogs.saveFileName(this, QStringLiteral("Save as Image file"), SaveAsFilter, QStringLiteral("jpg"),
                              QDir(folder).filePath(fileNameFor(g.CurTimeLine->Name)));
    if (file.isEmpty())
        return;
    if (QFileInfo(file).isFile() &&
        !mDialogs.question(
            this,
            QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(QDir::toNativeSeparators(file))))
        return;
    SaveAs(file);
}

bool frmMain::SaveAs(const QString &FileName)
{
    QString error;
    bool saved = false;
    guarded([&] {
        const BusyCursor busy;
        saved = PictureExport::exportCanvas(mCanvas->model(), FileName, 1.0 / mView->twipsPerPixel(), &error);
    });
    if (!saved && !error.isEmpty())
        mDialogs.message(this, error);
    return saved;
}

void frmMain::mnuFileShowPages_Click()
{
    const bool available = mDialogs.hasPrinter() || !printer().outputFileName().isEmpty();
    if (!available) {
        // The click already moved the check mark; without a printer it stays as it was.
        mnuFileShowPages->setChecked(!mnuFileShowPages->isChecked());
        mDialogs.message(this, QStringLiteral("No printer is available"));
        return;
    }
    refreshPageGrid();
}

void frmMain::refreshPageGrid()
{
    const bool show = mnuFileShowPages->isChecked() && mState.timelineState() == MenuState::TimelineShown;
    mView->setPageGrid(show ? CanvasPrinter::pageTwips(printer()) : QSize());
}

void frmMain::mnuFilePrintPreview_Click()
{
    if (mState.timelineState() != MenuState::TimelineShown)
        return;
    QPrinter &target = printer();
    {
        const LandscapeWhileAlive landscape(target);
        mDialogs.printPreview(this, target, [this](QPrinter &p) {
            QString error;
            CanvasPrinter::printPages(p, mCanvas->model(), &error);
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
        printed = CanvasPrinter::print(target, mCanvas->model(), &error, [&progress](int page, int count) {
            progress.setMaximum(count);
            progress.setLabelText(QStringLiteral("Printing page %1 of %2...").arg(page).arg(count));
            progress.setValue(page - 1);
            return !progress.wasCanceled();
        });
    });
    if (!printed && !error.isEmpty())
        mDialogs.message(this, error);
    refreshPageGrid();
}

} // namespace qm
