// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The canvas of the main window: showing a timeline, selecting boxes, zooming, and the event
// commands that place boxes.
#include "frmmain.h"

#include "canvasnavigator.h"
#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmevent.h"
#include "edit/commandgroup.h"
#include "edit/eventcommands.h"
#include "edit/insertboxcommand.h"
#include "edit/makeroom.h"
#include "edit/saveeventcommand.h"
#include "inplaceeditor.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/projectlifecycle.h"
#include "store/storeerror.h"

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

    mCanvas->onChanged = [this] {
        mView->Pic->update();
        lblZoom->setText(QStringLiteral("%1%").arg(qRound(g.Zoom * 100)));
    };
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
        mNavigator->rememberView();
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
        rememberShownTimeline(g);
        updateBackdropButtons();
        const QSignalBlocker block(sld);
        sld->setValue(TimelineCanvas::sliderValueFor(g.MinDist));
        mNavigator->restoreView();
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
        mEditor->commit();
        g.CurEvent = std::make_unique<clEvent>(g);
        if (g.CurTimeLine)
            g.CurTimeLine->giveNewEventPicture(g.CurEvent->ImageSource, g.CurEvent->ImageName);
        CommandGroup group(g.History, QString());
        frmEvent dialog(g, mDialogs, this);
        dialog.store = [this, &group](clEvent &e) { return storeEvent(group, e); };
        dialog.exec();
        if (group.isEmpty())
            return;
        const clEvent &stored = *g.CurEvent;
        group.setText(tr("new event %1").arg(stored.Name));
        placeInGroup(group, stored.Id, stored.Name, false);
    });
}

void frmMain::mnuEventEdit_Click()
{
    if (g.SelectedId >= 0 && !readOnly())
        editEvent(g.SelectedId);
}

void frmMain::editEvent(qint32 id)
{
    guarded([this, id] {
        if (id < 0)
            return;
        mEditor->commit();
        g.CurEvent = std::make_unique<clEvent>(g);
        g.CurEvent->Id = id;
        g.CurEvent->Load();
        CommandGroup group(g.History, QString());
        bool dateChanged = false;
        const BoxReach before = reachOf(*mCanvas, {id});
        frmEvent dialog(g, mDialogs, this);
        dialog.store = [this, &group, &dateChanged](clEvent &e) { return storeEvent(group, e, &dateChanged); };
        dialog.exec();
        if (group.isEmpty())
            return;
        group.setText(tr("edit of %1").arg(g.CurEvent->Name));
        if (dateChanged && mCanvas->IsOnCanvas(id)) {
            placeInGroup(group, id, g.CurEvent->Name, true);
        } else {
            // A longer name makes room as an insertion does, in the same step.
            makeRoomFor(group, *mCanvas, id, before);
            group.commit();
        }
        mView->refreshExtents();
        showBox(id);
    });
}

bool frmMain::storeEvent(CommandGroup &group, clEvent &e, bool *dateChanged)
{
    auto save = std::make_unique<SaveEventCommand>(*mCanvas, e, QString());
    const SaveEventCommand &done = *save;
    if (!group.add(std::move(save)))
        return false;
    // A new event got its id, a clashing date was moved on: the dialog's record follows the file.
    e.Id = done.event().Id;
    e.EventDate = done.event().EventDate;
    e.EventDateStr = done.event().EventDateStr;
    if (dateChanged)
        *dateChanged = done.dateChanged();
    // Save and Exit with nothing changed leaves the history as it was.
    if (!done.changedAnything())
        group.rollback();
    return true;
}

void frmMain::placeInGroup(CommandGroup &group, qint32 id, QString name, bool again)
{
    if (mState.timelineState() != MenuState::TimelineShown) {
        group.commit();
        return;
    }
    try {
        // Its own group: a failed placement is taken back whole, and the box stays where it stood.
        CommandGroup place(g.History, QString());
        if (again)
            place.add(
                std::make_unique<ExcludeEventsCommand>(*mCanvas, g.CurTimeLineId, std::vector<qint32>{id}, QString()));
        g.CurEvent = loadEventAside(g, id);
        place.add(std::make_unique<InsertBoxCommand>(*mCanvas, false));
        if (std::unique_ptr<QUndoCommand> placed = place.take())
            group.add(std::move(placed));
    } catch (const StoreError &e) {
        // What the user typed is kept as a step of its own.
        group.commit();
        mView->refreshExtents();
        throw StoreError(tr("The event \"%1\" was stored, but its box could not be placed on the timeline").arg(name),
                         e.text());
    }
    group.commit();
    mView->refreshExtents();
    mNavigator->reveal(id);
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
