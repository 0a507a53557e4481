// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasprinter.h"

#include "layout/canvasmodel.h"
#include "render/canvasrenderer.h"
#include "render/pagegrid.h"

#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace qm {

LandscapeWhileAlive::LandscapeWhileAlive(QPrinter &printer)
    : mPrinter(printer), mOrientation(printer.pageLayout().orientation())
{
    mPrinter.setPageOrientation(QPageLayout::Landscape);
}

LandscapeWhileAlive::~LandscapeWhileAlive()
{
    mPrinter.setPageOrientation(static_cast<QPageLayout::Orientation>(mOrientation));
}

QSize CanvasPrinter::pageTwips(QPrinter &printer)
{
    const LandscapeWhileAlive landscape(printer);
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    return {static_cast<int>(std::lround(area.width() * 20)), static_cast<int>(std::lround(area.height() * 20))};
}

bool CanvasPrinter::print(QPrinter &printer, const CanvasModel &model, QString *error, const Progress &progress)
{
    const LandscapeWhileAlive landscape(printer);
    return printPages(printer, model, error, progress);
}

bool CanvasPrinter::printPages(QPrinter &printer, const CanvasModel &model, QString *error, const Progress &progress)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const QSize page(static_cast<int>(std::lround(area.width() * 20)),
                     static_cast<int>(std::lround(area.height() * 20)));
    const PageGrid grid(QSizeF(model.width, model.height), page);
    const std::vector<QRectF> pages = grid.pages();
    // One twip of canvas is one twip of paper.
    const double pixelsPerTwip = printer.resolution() / 1440.0;

    QPainter p;
    if (!p.begin(&printer))
        return fail(QStringLiteral("The printer could not be started."));
    for (size_t i = 0; i < pages.size(); ++i) {
        if (progress && !progress(static_cast<int>(i) + 1, grid.pageCount())) {
            printer.abort();
            p.end();
            return fail(QStringLiteral("Printing was stopped."));
        }
        if (i > 0 && !printer.newPage()) {
            p.end();
            return fail(QStringLiteral("The printer refused page %1.").arg(i + 1));
        }
        CanvasRenderer::paint(p, model, pages[i], pixelsPerTwip);
    }
    if (!p.end())
        return fail(QStringLiteral("The printer could not finish the document."));
    return true;
}

} // namespace qm
