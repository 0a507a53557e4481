// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/canvasnavigation.h"

#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <functional>
#include <map>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QPainter;
class QToolButton;
class QWidget;

namespace qm {

class CanvasView;
class Globals;
class OverviewStrip;
class TimelineCanvas;

// Finding one's way on the canvas: the find and go-to-date bar under it, every match marked, the keys
// that move the selection by box and by screen, zoom to fit, the overview strip, and the view each
// timeline had when the window left it.
class CanvasNavigator : public QObject
{
    Q_OBJECT
public:
    // `select` selects a box as a click does (-1: none).
    CanvasNavigator(Globals &g, TimelineCanvas &canvas, CanvasView &view, std::function<void(qint32)> select,
                    QObject *parent = nullptr);
    ~CanvasNavigator() override;

    QWidget *bar = nullptr;
    QLineEdit *txtFind = nullptr;
    QToolButton *cmdFindPrevious = nullptr;
    QToolButton *cmdFindNext = nullptr;
    QLineEdit *txtGoToDate = nullptr;
    QLabel *lblNavigation = nullptr;
    OverviewStrip *strip = nullptr;
    QAction *mnuEditFind = nullptr;
    QAction *mnuEditGoToDate = nullptr;
    QAction *mnuFormatZoomFit = nullptr;

    // The boxes the find text matches, left to right, and the one selected among them (-1: none).
    const std::vector<qint32> &matches() const { return mMatches; }
    int currentMatch() const { return mCurrent; }
    void findNext();
    void findPrevious();
    // Selects and shows the box of the first event at or after the date typed; false for no date.
    bool goToDate(const QString &text);
    void zoomToFit();
    // Home, End, Page Up, Page Down; false for other keys.
    bool key(int key);
    // Selects the box and scrolls it to the middle of the window.
    void reveal(qint32 id);

    // The view of the timeline shown is kept before another one comes, and given back when it returns.
    void rememberView();
    void restoreView();
    // The project's boxes or elements changed: the find index is made again when next needed.
    void invalidate();

private:
    struct View
    {
        double zoom = 1.0;
        QPointF topLeft; // at full size
        qint32 selected = -1;
    };
    void findChanged();
    void step(int by);
    void showCount();
    void ensureIndex();
    void paintMatches(QPainter &p, const QRectF &area, double pixelsPerTwip) const;

    Globals &g;
    TimelineCanvas &mCanvas;
    CanvasView &mView;
    std::function<void(qint32)> mSelect;
    navigation::FindIndex mIndex;
    bool mIndexValid = false;
    std::vector<qint32> mMatches;
    int mCurrent = -1;
    // The views of the project's timelines, by timeline id; the project they belong to.
    std::map<qint32, View> mViews;
    QString mViewsOf;
    qint32 mShown = 0;
};

} // namespace qm
