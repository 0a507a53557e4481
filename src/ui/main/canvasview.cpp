// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasview.h"

#include "layout/timelinecanvas.h"
#include "render/canvasrenderer.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace qm {

// The drawing surface inside the view.
namespace {

const QColor PageOutlineColor(96, 96, 96);

// The outlines of the printed pages over the canvas; nothing for a timeline on one page.
void paintPageOutlines(QPainter &p, const std::vector<QRectF> &pages, const QRectF &area, double pixelsPerTwip)
{
    if (pages.size() <= 1)
        return;
    p.save();
    QPen pen(PageOutlineColor, 1, Qt::DashLine, Qt::FlatCap);
    pen.setCosmetic(true);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    for (const QRectF &page : pages) {
        if (page.intersects(area))
            p.drawRect(QRectF((page.topLeft() - area.topLeft()) * pixelsPerTwip, page.size() * pixelsPerTwip));
    }
    p.restore();
}

} // namespace

class CanvasSurface : public QWidget
{
public:
    explicit CanvasSurface(CanvasView &view) : QWidget(&view), mView(view)
    {
        setObjectName(QStringLiteral("Pic"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(false);
        setFocusPolicy(Qt::ClickFocus);
        setAttribute(Qt::WA_InputMethodEnabled, false);
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
        if (mView.mPageGrid)
            paintPageOutlines(p, mView.mPageGrid(), area, ppt);
        for (const CanvasView::Overlay &overlay : mView.mOverlays)
            overlay(p, area, ppt);
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        emit mView.pressed(mView.toTwips(event->position().toPoint()), event->button());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->buttons() & (Qt::LeftButton | Qt::MiddleButton))
            emit mView.moved(mView.toTwips(event->position().toPoint()));
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        emit mView.released(mView.toTwips(event->position().toPoint()), event->button());
    }
    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        emit mView.doubleClicked(mView.toTwips(event->position().toPoint()), event->button());
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        const int key = event->key();
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Return || key == Qt::Key_Enter ||
                key == Qt::Key_Home || key == Qt::Key_End || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
                emit mView.keyPressed(key);
                return;
            }
        }
        QWidget::keyPressEvent(event);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QWidget::focusOutEvent(event);
        emit mView.focusLost();
    }
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::ToolTip) {
            // The title is how a timeline is named on screen: say that a click edits it.
            auto *help = static_cast<QHelpEvent *>(event);
            const QPointF at = mView.toTwips(help->pos());
            const CanvasModel &m = mView.mCanvas.model();
            QString tip;
            if (m.lblLabel.visible && m.lblLabel.rect.contains(at))
                tip = tr("Click the title to edit it");
            else if (m.lblSub.visible && m.lblSub.rect.contains(at))
                tip = tr("Click the subtitle to edit it");
            if (tip.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), tip, this);
            return true;
        }
        return QWidget::event(event);
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
    int footers = 0;
    for (const QWidget *f : mFooters)
        footers += f->isHidden() ? 0 : f->sizeHint().height();
    const ScrollExtents e = mCanvas.UpdateScrollExtents(
        width() * tpp, (height() - footers) * tpp, hscrol->sizeHint().height() * tpp, vscrol->sizeHint().width() * tpp);
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

void CanvasView::setPageGrid(const std::function<std::vector<QRectF>()> &pages)
{
    mPageGrid = pages;
    Pic->update();
}

void CanvasView::addFooter(QWidget *footer)
{
    auto *grid = static_cast<QGridLayout *>(layout());
    grid->addWidget(footer, grid->rowCount(), 0, 1, 2);
    // The canvas keeps all the room the footers leave.
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(0, 1);
    mFooters.push_back(footer);
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

void CanvasView::ensureVisible(const QRectF &twips)
{
    const QRectF shown = visibleTwips();
    const double unit = std::max(1, mCanvas.ScrollUnit);
    double left = shown.left();
    if (twips.right() > shown.right())
        left = twips.right() - shown.width();
    if (twips.left() < left)
        left = twips.left();
    hscrol->setValue(static_cast<int>(std::floor(std::max(0.0, left) / unit)));
    double top = shown.top();
    if (twips.bottom() > shown.bottom())
        top = twips.bottom() - shown.height();
    if (twips.top() < top)
        top = twips.top();
    vscrol->setValue(static_cast<int>(std::max(0.0, top)));
}

QRect CanvasView::toSurface(const QRectF &twips) const
{
    const QRectF area = visibleTwips();
    const double tpp = twipsPerPixel();
    return QRectF((twips.left() - area.left()) / tpp, (twips.top() - area.top()) / tpp, twips.width() / tpp,
                  twips.height() / tpp)
        .toAlignedRect();
}

QPoint CanvasView::toGlobal(const QPointF &twips) const
{
    return Pic->mapToGlobal(toSurface(QRectF(twips, QSizeF(0, 0))).topLeft());
}

} // namespace qm
