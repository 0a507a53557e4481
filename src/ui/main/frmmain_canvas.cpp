// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas of the main window: showing a timeline, selecting boxes, zooming, and the event
// commands that place boxes.
#include "frmmain.h"

#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmevent.h"
#include "inplaceeditor.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QStackedWidget>
#include <QTimer>

namespace qm {

void frmMain::buildCanvas()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    mMeasurer = std::make_unique<FontTextMeasurer>(screen ? screen->logicalDotsPerInchX() : 96.0);
    mCanvas = std::make_unique<TimelineCanvas>(g, *mMeasurer);

    mCentral = new QStackedWidget(this);
    lblNoTimeline = new QLabel(mCentral);
    lblNoTimeline->setObjectName(QStringLiteral("lblNoTimeline"));
    lblNoTimeline->setAlignment(Qt::AlignCenter);
    lblNoTimeline->setWordWrap(true);
    mView = new CanvasView(*mCanvas, mCentral);
    mCentral->addWidget(lblNoTimeline);
    mCentral->addWidget(mView);
    setCentralWidget(mCentral);

    tmrUnload = new QTimer(this);
    tmrUnload->setObjectName(QStringLiteral("tmrUnload"));
    tmrUnload->setSingleShot(true);
    tmrUnload->setInterval(10);
    connect(tmrUnload, &QTimer::timeout, this, &frmMain::tmrUnload_Timer);

    mCanvas->onChanged = [this] { mView->Pic->update(); };
    mCanvas->onSelectionChanged = [this](qint32 id) {
        setEventMenuState(id >= 0 ? MenuState::BoxSelected : MenuState::NoSelection);
        followSelection();
    };
}

void frmMain::showTimeline(qint32 id)
{
    // The switch waits for the list to close, so the old boxes go and the new ones come in one go.
    g.CurTimeLineId = id;
    const int row = cmbTimeLine0->findData(id);
    if (row >= 0)
        cmbTimeLine0->setCurrentIndex(row);
    tmrUnload->start();
}

void frmMain::tmrUnload_Timer()
{
    guarded([this] {
        mEditor->commit();
        mCanvas->ClearCanvas();
        g.SelectedId = -1;
        g.Zoom = 1.0;
        if (!mCanvas->LoadTimeLine(g.CurTimeLineId)) {
            // The remembered timeline is gone: the project stays open without one.
            g.CurTimeLineId = 0;
            cmbTimeLine0->setCurrentIndex(-1);
            setTimelineState(MenuState::ProjectOpen);
            return;
        }
        setTimelineState(MenuState::TimelineShown);
        updateBackdropButtons();
        const QSignalBlocker block(sld);
        sld->setValue(TimelineCanvas::sliderValueFor(g.MinDist));
        mView->hscrol->setValue(0);
        mView->vscrol->setValue(0);
        mView->refreshExtents();
    });
}

void frmMain::selectBox(qint32 id)
{
    guarded([this, id] {
        mCanvas->ClearSelection();
        g.SelectedId = id;
        if (id < 0 || !mCanvas->IsOnCanvas(id)) {
            g.SelectedId = -1;
            setEventMenuState(MenuState::NoSelection);
            mView->Pic->update();
            return;
        }
        mCanvas->LoadUple(id, mCanvas->CurUple);
        mCanvas->BringToFront(id);
        takeSelection();
        mCanvas->ShowSelection();
        mView->Pic->update();
    });
}

void frmMain::mnuEventNew_Click()
{
    guarded([this] {
        if (g.CurTimeLineId == 0)
            return;
        g.CurEvent = std::make_unique<clEvent>(g);
        frmEvent dialog(g, mDialogs, this);
        dialog.exec();
        if (g.DialogResult != 0)
            return;
        placeCurrentEvent(true);
    });
}

void frmMain::mnuEventEdit_Click()
{
    if (g.SelectedId >= 0)
        editEvent(g.SelectedId);
}

void frmMain::editEvent(qint32 id)
{
    guarded([this, id] {
        if (id < 0)
            return;
        g.CurEvent = std::make_unique<clEvent>(g);
        g.CurEvent->Id = id;
        g.CurEvent->Load();
        frmEvent dialog(g, mDialogs, this);
        dialog.exec();
        if (g.DialogResult != 0)
            return;
        // The dialog changed the event outside the undo history, which no longer fits the file.
        forgetHistory();
        if (g.EventDateChanged) {
            // Placing the box again moves it in one go; taking it off first could lose it on a failure.
            mCanvas->InsertNewBox();
        } else {
            mCanvas->LoadUple(id, mCanvas->CurUple);
            mCanvas->CurUple.ApplyEvent(*g.CurEvent);
            mCanvas->CurUple.ApplyFormat(*g.CurFormat);
            FitLabel(g, *mMeasurer, mCanvas->CurUple.NameLabel(), g.CurEvent->Name);
            mCanvas->CurUple.MeasureLimits();
        }
        mView->refreshExtents();
        showBox(id);
    });
}

void frmMain::mnuFormatZoomIn_Click()
{
    guarded([this] {
        mEditor->commit();
        mCanvas->zoomIn();
        mView->refreshExtents();
    });
}

void frmMain::mnuFormatZoomOut_Click()
{
    guarded([this] {
        mEditor->commit();
        mCanvas->zoomOut();
        mView->refreshExtents();
    });
}

void frmMain::sld_Change(int value)
{
    guarded([this, value] { mCanvas->setMinDistFromSlider(value); });
}

} // namespace qm
