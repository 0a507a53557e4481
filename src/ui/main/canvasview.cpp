// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasview.h"

#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"
#include "render/pagegrid.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

namespace qm {

// The drawing surface inside the view.
class CanvasSurface : public QWidget
{
public:
    explicit CanvasSurface(CanvasView &view) : QWidget(&view), mView(view)
    {
        setObjectName(QStringLiteral("Pic"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(false);
        setFocusPolicy(Qt::ClickFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter p(this);
        p.fillRect(event->rect(), palette().color(QPalette::Dark));
        const double ppt = 1.0 / mView.twipsPerPixel();
        const QRectF area = mView.visibleTwips();
        const CanvasModel &model = mView.mCanvas.model();
        CanvasRenderer::paint(p, model, area, ppt);
        if (!mView.mPageGrid.isEmpty())
            PageGrid(QSizeF(model.width, model.height), mView.mPageGrid).paint(p, area, ppt);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        const qint32 id = mView.boxAt(mView.toTwips(event->position().toPoint()));
        if (id >= 0)
            emit mView.boxClicked(id);
        else
            emit mView.backgroundClicked();
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        const qint32 id = mView.boxAt(mView.toTwips(event->position().toPoint()));
        if (id >= 0)
            emit mView.boxDoubleClicked(id);
    }

private:
    CanvasView &mView;
};

CanvasView::CanvasView(TimelineCanvas &canvas, QWidget *parent) : QWidget(parent), mCanvas(canvas)
{
    setObjectName(QStringLiteral("CanvasView"));
    Pic = new CanvasSurface(*this);
    hscrol = new QScrollBar(Qt::Horizontal, this);
    hscrol->setObjectName(QStringLiteral("hscrol"));
    vscrol = new QScrollBar(Qt::Vertical, this);
    vscrol->setObjectName(QStringLiteral("vscrol"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(Pic, 0, 0);
    grid->addWidget(vscrol, 0, 1);
    grid->addWidget(hscrol, 1, 0);
    connect(hscrol, &QScrollBar::valueChanged, Pic, qOverload<>(&QWidget::update));
    connect(vscrol, &QScrollBar::valueChanged, Pic, qOverload<>(&QWidget::update));
}

double CanvasView::twipsPerPixel() const
{
    const int dpi = Pic->logicalDpiX();
    return 1440.0 / (dpi > 0 ? dpi : 96);
}

QPointF CanvasView::toTwips(const QPoint &surfacePoint) const
{
    const QRectF area = visibleTwips();
    return area.topLeft() + QPointF(surfacePoint) * twipsPerPixel();
}

QRectF CanvasView::visibleTwips() const
{
    const double tpp = twipsPerPixel();
    const double left = static_cast<double>(hscrol->value()) * mCanvas.ScrollUnit;
    const double top = vscrol->value();
    return {left, top, Pic->width() * tpp, Pic->height() * tpp};
}

void CanvasView::refreshExtents()
{
    const double tpp = twipsPerPixel();
    const ScrollExtents e = mCanvas.UpdateScrollExtents(
        width() * tpp, height() * tpp, hscrol->sizeHint().height() * tpp, vscrol->sizeHint().width() * tpp);
    hscrol->setVisible(e.hVisible);
    hscrol->setRange(0, e.hMaximum);
    hscrol->setPageStep(std::max(1, e.hPageStep));
    hscrol->setSingleStep(std::max(1, e.hLineStep));
    vscrol->setVisible(e.vVisible);
    vscrol->setRange(0, e.vMaximum);
    vscrol->setPageStep(std::max(1, e.vPageStep));
    vscrol->setSingleStep(std::max(1, e.vLineStep));
    Pic->update();
}

void CanvasView::setPageGrid(const QSize &page)
{
    mPageGrid = page;
    Pic->update();
}

void CanvasView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    refreshExtents();
}

void CanvasView::wheelEvent(QWheelEvent *event)
{
    // The wheel scrolls along the time axis unless the canvas only overflows downward; the bar itself
    // adds up the small steps of touchpads.
    QScrollBar *bar = hscrol->isVisible() && !(event->modifiers() & Qt::ShiftModifier) ? hscrol : vscrol;
    QCoreApplication::sendEvent(bar, event);
}

qint32 CanvasView::boxAt(const QPointF &twips) const
{
    const qint32 id = mCanvas.HitTest(twips.x(), twips.y());
    if (id >= 0)
        return id;
    // A click on the name is as good as one on the picture.
    return mCanvas.nameLabelAt(twips.x(), twips.y());
}

} // namespace qm
