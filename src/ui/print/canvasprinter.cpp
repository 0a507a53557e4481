// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasprinter.h"

#include "layout/canvasmodel.h"
#include "render/printpages.h"

#include <QPainter>
#include <QPrinter>

namespace qm {

PageLayoutWhileAlive::PageLayoutWhileAlive(QPrinter &printer, const QPageLayout &layout)
    : mPrinter(printer), mBefore(printer.pageLayout())
{
    mPrinter.setPageLayout(layout);
}

PageLayoutWhileAlive::~PageLayoutWhileAlive()
{
    mPrinter.setPageLayout(mBefore);
}

QPageLayout CanvasPrinter::layoutFor(QPrinter &printer, const PageSetup &setup)
{
    return setup.pageLayout(printer.pageLayout().pageSize());
}

PrintPages CanvasPrinter::pagesFor(QPrinter &printer, const CanvasModel &model, double zoom, const PageSetup &setup)
{
    return {model, zoom, setup, PrintPages::areaOf(layoutFor(printer, setup))};
}

bool CanvasPrinter::print(QPrinter &printer, const CanvasModel &model, double zoom, const PageSetup &setup,
                          const QString &title, QString *error, const Progress &progress)
{
    const PageLayoutWhileAlive sheet(printer, layoutFor(printer, setup));
    return printPages(printer, model, zoom, setup, title, error, progress);
}

bool CanvasPrinter::printPages(QPrinter &printer, const CanvasModel &model, double zoom, const PageSetup &setup,
                               const QString &title, QString *error, const Progress &progress)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    // The printer's own printable area: a driver may keep wider margins than the setup asks for.
    const PrintPages pages(model, zoom, setup, PrintPages::areaOf(printer.pageLayout()));
    if (pages.tooMany())
        return fail(PrintPages::tooManyMessage());
    const double pixelsPerTwip = printer.resolution() / 1440.0;

    QPainter p;
    if (!p.begin(&printer))
        return fail(QStringLiteral("The printer could not be started."));
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (progress && !progress(i + 1, pages.pageCount())) {
            printer.abort();
            p.end();
            return fail(QStringLiteral("Printing was stopped."));
        }
        if (i > 0 && !printer.newPage()) {
            p.end();
            return fail(QStringLiteral("The printer refused page %1.").arg(i + 1));
        }
        pages.paintPage(p, model, i, pixelsPerTwip, title);
    }
    if (!p.end())
        return fail(QStringLiteral("The printer could not finish the document."));
    return true;
}

} // namespace qm
