// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasnavigator.h"

#include "canvasview.h"
#include "layout/timelinecanvas.h"
#include "overviewstrip.h"
#include "store/globals.h"
#include "store/placements.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace qm {

namespace {

// Shift+Enter in the find field goes back, as in most programs.
class FindField : public QLineEdit
{
public:
    FindField(QWidget *parent, std::function<void(bool back)> go) : QLineEdit(parent), mGo(std::move(go)) {}

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            mGo(event->modifiers() & Qt::ShiftModifier);
            return;
        }
        QLineEdit::keyPressEvent(event);
    }

private:
    std::function<void(bool)> mGo;
};

QToolButton *arrowButton(QWidget *parent, const char *name, Qt::ArrowType arrow, const QString &tip)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setArrowType(arrow);
    b->setToolTip(tip);
    b->setAutoRaise(true);
    return b;
}

} // namespace

CanvasNavigator::CanvasNavigator(Globals &globals, TimelineCanvas &canvas, CanvasView &view,
                                 std::function<void(qint32)> select, QObject *parent)
    : QObject(parent), g(globals), mCanvas(canvas), mView(view), mSelect(std::move(select))
{
    auto *footer = new QWidget(&view);
    footer->setObjectName(QStringLiteral("CanvasFooter"));
    auto *column = new QVBoxLayout(footer);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    strip = new OverviewStrip(
        canvas, view, [this] { return g.SelectedId; }, footer);
    bar = new QWidget(footer);
    bar->setObjectName(QStringLiteral("NavigationBar"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(6, 2, 6, 2);
    txtFind = new FindField(bar, [this](bool back) { back ? findPrevious() : findNext(); });
    txtFind->setObjectName(QStringLiteral("txtFind"));
    txtFind->setPlaceholderText(tr("Find names, dates, elements (Ctrl+F)"));
    txtFind->setClearButtonEnabled(true);
    txtFind->setMinimumWidth(260);
    cmdFindPrevious = arrowButton(bar, "cmdFindPrevious", Qt::LeftArrow, tr("Previous match (Shift+Enter)"));
    cmdFindNext = arrowButton(bar, "cmdFindNext", Qt::RightArrow, tr("Next match (Enter)"));
    txtGoToDate = new QLineEdit(bar);
    txtGoToDate->setObjectName(QStringLiteral("txtGoToDate"));
    txtGoToDate->setPlaceholderText(tr("Go to date (Ctrl+G)"));
    txtGoToDate->setMaximumWidth(180);
    lblNavigation = new QLabel(bar);
    lblNavigation->setObjectName(QStringLiteral("lblNavigation"));
    row->addWidget(txtFind);
    row->addWidget(cmdFindPrevious);
    row->addWidget(cmdFindNext);
    row->addSpacing(16);
    row->addWidget(txtGoToDate);
    row->addSpacing(8);
    row->addWidget(lblNavigation, 1);
    column->addWidget(strip);
    column->addWidget(bar);
    footer->setFixedHeight(strip->sizeHint().height() + bar->sizeHint().height());
    view.addFooter(footer);
    view.addOverlay([this](QPainter &p, const QRectF &area, double ppt) { paintMatches(p, area, ppt); });

    mnuEditFind = new QAction(tr("&Find…"), this);
    mnuEditFind->setObjectName(QStringLiteral("mnuEditFind"));
    mnuEditFind->setShortcut(QKeySequence::Find);
    mnuEditGoToDate = new QAction(tr("&Go to date…"), this);
    mnuEditGoToDate->setObjectName(QStringLiteral("mnuEditGoToDate"));
    mnuEditGoToDate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    mnuFormatZoomFit = new QAction(tr("Zoom to &fit"), this);
    mnuFormatZoomFit->setObjectName(QStringLiteral("mnuFormatZoomFit"));
    mnuFormatZoomFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    connect(mnuEditFind, &QAction::triggered, this, [this] {
        txtFind->setFocus(Qt::ShortcutFocusReason);
        txtFind->selectAll();
    });
    connect(mnuEditGoToDate, &QAction::triggered, this, [this] {
        txtGoToDate->setFocus(Qt::ShortcutFocusReason);
        txtGoToDate->selectAll();
    });
    connect(mnuFormatZoomFit, &QAction::triggered, this, &CanvasNavigator::zoomToFit);
    connect(txtFind, &QLineEdit::textChanged, this, &CanvasNavigator::findChanged);
    connect(cmdFindNext, &QToolButton::clicked, this, &CanvasNavigator::findNext);
    connect(cmdFindPrevious, &QToolButton::clicked, this, &CanvasNavigator::findPrevious);
    connect(txtGoToDate, &QLineEdit::returnPressed, this, [this] { goToDate(txtGoToDate->text()); });
    connect(&g.History, &QUndoStack::indexChanged, this, &CanvasNavigator::invalidate);
}

CanvasNavigator::~CanvasNavigator() = default;

void CanvasNavigator::invalidate()
{
    mIndexValid = false;
    strip->invalidate();
    if (!txtFind->text().trimmed().isEmpty()) {
        // What matches may have changed with the boxes: the marks follow, the selection stays.
        ensureIndex();
        mMatches = mIndex.find(txtFind->text());
        const auto at = std::find(mMatches.begin(), mMatches.end(), g.SelectedId);
        mCurrent = at == mMatches.end() ? -1 : static_cast<int>(at - mMatches.begin());
        showCount();
        mView.Pic->update();
    }
}

void CanvasNavigator::ensureIndex()
{
    if (mIndexValid)
        return;
    const QHash<qint32, QString> elements = g.CurTimeLineId > 0 && g.ProjectDb.isOpen()
                                                ? navigation::elementTextsOfTimeline(g.ProjectDb, g.CurTimeLineId)
                                                : QHash<qint32, QString>{};
    mIndex.build(mCanvas.model(), mCanvas.SortBoxes(), elements);
    mIndexValid = true;
}

void CanvasNavigator::findChanged()
{
    ensureIndex();
    mMatches = mIndex.find(txtFind->text());
    mCurrent = -1;
    if (!mMatches.empty()) {
        // The first match from the selected box on, or from the left edge of what the window shows.
        const double from = mCanvas.model().box(g.SelectedId) ? mCanvas.model().box(g.SelectedId)->connector.p1.x()
                                                              : mView.visibleTwips().left();
        mCurrent = 0;
        for (std::size_t i = 0; i < mMatches.size(); ++i) {
            if (mCanvas.model().box(mMatches[i])->connector.p1.x() >= from) {
                mCurrent = static_cast<int>(i);
                break;
            }
        }
        reveal(mMatches[static_cast<std::size_t>(mCurrent)]);
    }
    showCount();
    mView.Pic->update();
}

void CanvasNavigator::step(int by)
{
    if (txtFind->text().trimmed().isEmpty())
        return;
    if (!mIndexValid)
        findChanged();
    if (mMatches.empty())
        return;
    const int n = static_cast<int>(mMatches.size());
    mCurrent = mCurrent < 0 ? (by > 0 ? 0 : n - 1) : ((mCurrent + by) % n + n) % n;
    reveal(mMatches[static_cast<std::size_t>(mCurrent)]);
    showCount();
}

void CanvasNavigator::findNext()
{
    step(1);
}

void CanvasNavigator::findPrevious()
{
    step(-1);
}

void CanvasNavigator::showCount()
{
    if (txtFind->text().trimmed().isEmpty())
        lblNavigation->clear();
    else if (mMatches.empty())
        lblNavigation->setText(tr("No box matches"));
    else
        lblNavigation->setText(tr("%1 of %2").arg(mCurrent + 1).arg(mMatches.size()));
}

bool CanvasNavigator::goToDate(const QString &text)
{
    ExtDate date;
    date.Assign(text, g.dateEnv());
    if (!date.isValid()) {
        lblNavigation->setText(tr("\"%1\" is not a date").arg(text));
        return false;
    }
    const qint32 id = navigation::boxAtOrAfter(datedPlacements(g.ProjectDb, g.CurTimeLineId), date);
    if (id < 0 || !mCanvas.IsOnCanvas(id)) {
        lblNavigation->setText(tr("The timeline has no boxes"));
        return true;
    }
    lblNavigation->clear();
    reveal(id);
    return true;
}

void CanvasNavigator::zoomToFit()
{
    if (g.CurTimeLineId <= 0)
        return;
    // Text does not shrink exactly with its font, and the scroll bars go once everything fits: a few
    // rounds take the zoom to where the last box fits.
    for (int round = 0; round < 4; ++round) {
        const QRectF shown = mView.visibleTwips();
        const double f =
            navigation::fitFactor(mCanvas.model(), mCanvas.canvasMinDist() * 4, shown.width(), shown.height());
        // After the first step only smaller: growing again could overshoot the same way.
        if (round > 0 && f >= 0.995)
            break;
        if (std::abs(f - 1.0) > 1e-6) {
            g.Zoom *= f;
            mCanvas.ScaleCanvas(f);
        }
        mView.refreshExtents();
    }
    mView.hscrol->setValue(0);
    mView.vscrol->setValue(0);
}

bool CanvasNavigator::key(int key)
{
    navigation::Move move;
    switch (key) {
    case Qt::Key_Home:
        move = navigation::Move::First;
        break;
    case Qt::Key_End:
        move = navigation::Move::Last;
        break;
    case Qt::Key_PageUp:
        move = navigation::Move::PageBack;
        break;
    case Qt::Key_PageDown:
        move = navigation::Move::PageOn;
        break;
    default:
        return false;
    }
    const QRectF shown = mView.visibleTwips();
    const qint32 id = navigation::moveSelection(mCanvas.model(), mCanvas.SortBoxes(), g.SelectedId, move, shown.width(),
                                                shown.left());
    if (id >= 0)
        reveal(id);
    return true;
}

void CanvasNavigator::reveal(qint32 id)
{
    const CanvasBox *b = mCanvas.model().box(id);
    if (!b)
        return;
    mSelect(id);
    const QRectF shown = mView.visibleTwips();
    const QRectF bounds = b->bounds();
    if (bounds.left() < shown.left() || bounds.right() > shown.right()) {
        const double left = bounds.center().x() - shown.width() / 2;
        mView.hscrol->setValue(static_cast<int>(std::lround(std::max(0.0, left) / std::max(1, mCanvas.ScrollUnit))));
    }
    mView.ensureVisible(bounds);
}

void CanvasNavigator::rememberView()
{
    if (mShown <= 0 || !g.ProjectDb.isOpen())
        return;
    const QRectF shown = mView.visibleTwips();
    const double zoom = g.Zoom > 0 ? g.Zoom : 1.0;
    mViews[mShown] = View{zoom, shown.topLeft() / zoom, g.SelectedId};
}

void CanvasNavigator::restoreView()
{
    const QString project = g.ProjectDb.isOpen() ? g.ProjectDb.path() : QString();
    if (project != mViewsOf) {
        mViews.clear();
        mViewsOf = project;
    }
    mShown = g.CurTimeLineId;
    invalidate();
    const auto it = mViews.find(mShown);
    if (it != mViews.end() && it->second.zoom != 1.0) {
        g.Zoom = it->second.zoom;
        mCanvas.ScaleCanvas(it->second.zoom);
    }
    mView.refreshExtents();
    if (it == mViews.end()) {
        mView.hscrol->setValue(0);
        mView.vscrol->setValue(0);
        return;
    }
    const View &v = it->second;
    if (v.selected >= 0 && mCanvas.IsOnCanvas(v.selected))
        mSelect(v.selected);
    mView.hscrol->setValue(static_cast<int>(std::lround(v.topLeft.x() * v.zoom / std::max(1, mCanvas.ScrollUnit))));
    mView.vscrol->setValue(static_cast<int>(std::lround(v.topLeft.y() * v.zoom)));
}

void CanvasNavigator::paintMatches(QPainter &p, const QRectF &area, double pixelsPerTwip) const
{
    if (mMatches.empty() || txtFind->text().trimmed().isEmpty())
        return;
    p.save();
    p.setBrush(QColor(255, 210, 0, 45));
    for (std::size_t i = 0; i < mMatches.size(); ++i) {
        const CanvasBox *b = mCanvas.model().box(mMatches[i]);
        if (!b || !b->bounds().intersects(area))
            continue;
        const bool current = static_cast<int>(i) == mCurrent;
        p.setPen(QPen(current ? QColor(230, 110, 0) : QColor(220, 170, 0), current ? 3 : 2));
        const QRectF r = b->bounds().adjusted(-60, -60, 60, 60);
        p.drawRect(QRectF((r.topLeft() - area.topLeft()) * pixelsPerTwip, r.size() * pixelsPerTwip));
    }
    p.restore();
}

} // namespace qm
