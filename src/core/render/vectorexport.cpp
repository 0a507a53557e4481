// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "vectorexport.h"

#include "canvasrenderer.h"
#include "layout/canvasmodel.h"
#include "pagesetup.h"
#include "printpages.h"
#include "svgstandins.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

constexpr int TwipsPerInch = 1440;
constexpr double TwipsPerPoint = 20.0;

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

QString titleOf(const CanvasModel &model)
{
    return model.lblLabel.caption.isEmpty() ? QStringLiteral("Timeline") : model.lblLabel.caption;
}

// The canvas at full size, in twips.
QSizeF canvasSize(const CanvasModel &model, double zoom)
{
    return {std::max(1.0, model.width / zoom), std::max(1.0, model.height / zoom)};
}

double validZoom(double zoom)
{
    return zoom > 0 && std::isfinite(zoom) ? zoom : 1.0;
}

} // namespace

bool VectorExport::writePdf(const CanvasModel &model, double zoom, QIODevice &device, QString *error)
{
    zoom = validZoom(zoom);
    const QSizeF twips = canvasSize(model, zoom);
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Quillmarsh"));
    pdf.setTitle(titleOf(model));
    // One device unit is one twip, so the renderer draws at the canvas's own precision.
    pdf.setResolution(TwipsPerInch);
    // PDF pages are whole points: the page is the canvas rounded up, the sliver filled as background.
    const QSizeF points(std::ceil(twips.width() / TwipsPerPoint), std::ceil(twips.height() / TwipsPerPoint));
    // Readers stop at 14,400 units a side (200 inches): a longer timeline is drawn smaller to fit.
    constexpr double MaxPageSide = 14400.0;
    const double shrink = std::min(1.0, MaxPageSide / std::max(points.width(), points.height()));
    const QSizeF pagePoints(std::min(MaxPageSide, std::ceil(points.width() * shrink)),
                            std::min(MaxPageSide, std::ceil(points.height() * shrink)));
    const QPageSize page(pagePoints, QPageSize::Point, QString(), QPageSize::ExactMatch);
    if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF())))
        return fail(error, QStringLiteral("a PDF page of this size cannot be made"));
    QPainter p;
    if (!p.begin(&pdf))
        return fail(error, QStringLiteral("the PDF could not be started"));
    p.scale(shrink, shrink);
    p.fillRect(QRectF(QPointF(0, 0), points * TwipsPerPoint), colorFromLong(model.backColor));
    CanvasRenderer::paint(p, model, QRectF(0, 0, model.width, model.height), 1.0 / zoom);
    return p.end() || fail(error, QStringLiteral("the PDF could not be finished"));
}

bool VectorExport::writePdfPages(const CanvasModel &model, double zoom, const PageSetup &setup,
                                 const QPageLayout &layout, const QString &title, QIODevice &device, QString *error)
{
    QPdfWriter pdf(&device);
    pdf.setCreator(QStringLiteral("Quillmarsh"));
    pdf.setTitle(title.isEmpty() ? titleOf(model) : title);
    pdf.setResolution(TwipsPerInch);
    if (!pdf.setPageLayout(layout))
        return fail(error, QStringLiteral("a PDF page of this size cannot be made"));
    const PrintPages pages(model, validZoom(zoom), setup, PrintPages::areaOf(layout));
    if (pages.tooMany())
        return fail(error, PrintPages::tooManyMessage());
    QPainter p;
    if (!p.begin(&pdf))
        return fail(error, QStringLiteral("the PDF could not be started"));
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (i > 0 && !pdf.newPage()) {
            p.end();
            return fail(error, QStringLiteral("the PDF could not take page %1").arg(i + 1));
        }
        pages.paintPage(p, model, i, 1.0, title);
    }
    return p.end() || fail(error, QStringLiteral("the PDF could not be finished"));
}

bool VectorExport::writeSvg(const CanvasModel &model, double zoom, QIODevice &device, QString *error,
                            std::vector<qint64> *pictureKeys)
{
    zoom = validZoom(zoom);
    // Qt's SVG generator embeds a picture anew each time it is drawn and has no tiled fill. So the
    // canvas is drawn with stand-ins, a one-pixel picture for each distinct picture and a marker
    // colour for a wallpapered background, which the output then swaps for one definition of each
    // picture and a wallpaper pattern.
    CanvasModel drawn = model;
    SvgStandIns standIns;
    standIns.setTitle(titleOf(model));
    for (qint32 id : drawn.boxIds()) {
        CanvasPicture &picture = drawn.box(id)->picture;
        if (picture.visible && !picture.image.isNull())
            picture.image = standIns.standInFor(picture.image);
    }
    if (drawn.useWallpaper && !drawn.wallpaper.isNull()) {
        standIns.setWallpaper(drawn.wallpaper, colorFromLong(drawn.backColor));
        drawn.useWallpaper = false;
        drawn.backColor = longFromColor(SvgStandIns::MarkerColor);
    }

    if (pictureKeys)
        *pictureKeys = standIns.pictureKeys();

    const QSizeF twips = canvasSize(model, zoom);
    const QSize units(static_cast<int>(std::ceil(twips.width())), static_cast<int>(std::ceil(twips.height())));
    QBuffer generated;
    generated.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&generated);
        svg.setDescription(QStringLiteral("A timeline drawn by Quillmarsh"));
        // Drawn in twips; the resolution turns them into the true size in millimetres.
        svg.setResolution(TwipsPerInch);
        svg.setSize(units);
        svg.setViewBox(QRect(QPoint(0, 0), units));
        QPainter p;
        if (!p.begin(&svg))
            return fail(error, QStringLiteral("the SVG could not be started"));
        CanvasRenderer::paint(p, drawn, QRectF(0, 0, model.width, model.height), 1.0 / zoom);
        if (!p.end())
            return fail(error, QStringLiteral("the SVG could not be finished"));
    }
    return standIns.rewrite(generated.data(), device) || fail(error, QStringLiteral("the SVG could not be written"));
}

} // namespace qm
