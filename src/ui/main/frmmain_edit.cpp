// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shaping the timeline by hand: the mouse and keys on the canvas, compression, in-place editing,
// and undoing and redoing every change made there.
#include "frmmain.h"

#include "canvasnavigator.h"
#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmpreferences.h"
#include "edit/insertboxcommand.h"
#include "edit/moveboxescommand.h"
#include "inplaceeditor.h"
#include "layout/canvasmouse.h"
#include "layout/timelinecanvas.h"
#include "pictures/frmselectimage.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/globals.h"

#include <QMenu>
#include <QScrollBar>
#include <QToolBar>
#include <QUndoStack>

namespace qm {

void frmMain::buildEditing()
{
    QUndoStack *history = &g.History;
    mMouse = std::make_unique<CanvasMouse>(*mCanvas);

    // Own entries rather than the stack's: a failed write is reported, not thrown through Qt.
    mnuEditUndo = mnuEdit->addAction(tr("&Undo"), this, &frmMain::mnuEditUndo_Click);
    mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    mnuEditUndo->setShortcut(QKeySequence::Undo);
    mnuEditRedo = mnuEdit->addAction(tr("&Redo"), this, &frmMain::mnuEditRedo_Click);
    mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    mnuEditRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    const auto captions = [this, history] {
        mnuEditUndo->setEnabled(history->canUndo());
        mnuEditUndo->setText(history->canUndo() ? tr("&Undo %1").arg(history->undoText()) : tr("&Undo"));
        mnuEditRedo->setEnabled(history->canRedo());
        mnuEditRedo->setText(history->canRedo() ? tr("&Redo %1").arg(history->redoText()) : tr("&Redo"));
    };
    connect(history, &QUndoStack::indexChanged, this, captions);
    connect(history, &QUndoStack::cleanChanged, this, captions);
    captions();
    mnuEdit->addSeparator();
    QAction *preferences = mnuEdit->addAction(tr("&Preferences…"), this, [this] {
        frmPreferences dialog(g, this);
        dialog.exec();
    });
    preferences->setObjectName(QStringLiteral("mnuEditPreferences"));
    connect(history, &QUndoStack::indexChanged, this, [this] {
        // A step may have taken the selected box away, or moved the boxes.
        if (g.SelectedId < 0 || !mCanvas->IsOnCanvas(g.SelectedId)) {
            g.SelectedId = -1;
            if (mState.timelineState() == MenuState::TimelineShown)
                setEventMenuState(MenuState::NoSelection);
        }
        // A step of the element manager may have renamed or deleted a category's element.
        if (mState.timelineState() == MenuState::TimelineShown)
            mCanvas->applyCategories();
        mView->refreshExtents();
        // A step may have changed the backdrop of the timeline shown.
        updateBackdropButtons();
        // A window working on an event does not outlive it.
        if (mPicture && mPicture->eventId() > 0 && !eventExists(g.ProjectDb, mPicture->eventId()))
            mPicture->close();
    });

    mEditor = new InPlaceEditor(*mCanvas, *mView, *history, mDialogs, this);
    // Three rows, so that every button shows on a window of ordinary width: the project, its
    // timelines and the tools; the events and their arrangement; the edit band with its lists.
    removeToolBarBreak(tbEvents);
    insertToolBar(tbEvents, tbTools);
    insertToolBarBreak(tbEvents);
    addToolBarBreak();
    addToolBar(mEditor->tbEdit);

    connect(mView, &CanvasView::pressed, this, &frmMain::Pic_MouseDown);
    connect(mView, &CanvasView::moved, this, &frmMain::Pic_MouseMove);
    connect(mView, &CanvasView::released, this, &frmMain::Pic_MouseUp);
    connect(mView, &CanvasView::doubleClicked, this, &frmMain::Pic_DblClick);
    connect(mView, &CanvasView::keyPressed, this, &frmMain::Pic_KeyDown);
}

void frmMain::mnuEditUndo_Click()
{
    guarded([this] {
        mEditor->commit();
        g.History.undo();
    });
}

void frmMain::mnuEditRedo_Click()
{
    guarded([this] {
        mEditor->commit();
        g.History.redo();
    });
}

void frmMain::takeSelection()
{
    const qint32 id = g.SelectedId;
    if (id < 0 || !mCanvas->IsOnCanvas(id))
        return;
    // The selected event's date becomes the working date, so a new event defaults to the day after.
    g.CurEvent = std::make_unique<clEvent>(g);
    g.CurEvent->Id = id;
    g.CurEvent->Load();
    g.CurFormat->GetFormat(g.ProjectDb, id, g.CurTimeLineId);
}

void frmMain::showBox(qint32 id)
{
    if (const CanvasBox *b = mCanvas->model().box(id))
        mView->ensureVisible(b->bounds());
}

void frmMain::Pic_MouseDown(QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    guarded([this, at, button, modifiers] {
        mEditor->commit();
        mMouse->press(at.x(), at.y(), button, modifiers);
        takeSelection();
    });
}

void frmMain::Pic_MouseMove(QPointF at)
{
    // Boxes of a read-only project stay where they are.
    if (readOnly())
        return;
    guarded([this, at] {
        mMouse->move(at.x(), at.y());
        if (const std::optional<QRectF> band = mMouse->band())
            mView->setRubberBand(*band);
    });
}

void frmMain::Pic_MouseUp(QPointF at, Qt::MouseButton button)
{
    guarded([this, at, button] {
        mView->setRubberBand(QRectF());
        CanvasClick click = mMouse->release(at.x(), at.y(), button);
        switch (click.action) {
        case CanvasClick::Dropped:
            if (!click.moves.empty() && mCanvas->model().timeScale) {
                pushDropToScale(click.id, click.moves);
            } else if (!click.moves.empty()) {
                const CanvasBox *b = mCanvas->model().box(click.id);
                const QString name = g.CurEvent && g.CurEvent->Id == click.id ? g.CurEvent->Name
                                     : b                                      ? b->name.caption
                                                                              : QString();
                pushCommand(g.History, std::make_unique<MoveBoxesCommand>(*mCanvas, g.CurTimeLineId, moveCaption(name),
                                                                          std::move(click.moves)));
            }
            mView->refreshExtents();
            break;
        case CanvasClick::EventMenu:
            mnuEventS->setDefaultAction(mnuEventEdit);
            mnuEventS->popup(mView->toGlobal(at));
            break;
        case CanvasClick::TimelineMenu:
            mnuTimelineS->setDefaultAction(mnuTimelineEdit);
            mnuTimelineS->popup(mView->toGlobal(at));
            break;
        case CanvasClick::EditLabel:
            if (!readOnly())
                mEditor->open(click.kind, click.id);
            break;
        case CanvasClick::LegendMoved:
            storeLegendPosition();
            break;
        default:
            break;
        }
    });
}

void frmMain::Pic_DblClick(QPointF at, Qt::MouseButton button)
{
    CanvasClick click;
    guarded([this, at, button, &click] {
        mEditor->commit();
        click = mMouse->doubleClick(at.x(), at.y(), button);
    });
    if (readOnly())
        return;
    if (click.action == CanvasClick::EditEvent) {
        selectBox(click.id);
        editEvent(click.id);
    } else if (click.action == CanvasClick::EditTimeline) {
        mnuTimelineEdit_Click();
    }
}

void frmMain::Pic_KeyDown(int key)
{
    if (mNavigator->key(key))
        return;
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        mnuEventEdit_Click();
        return;
    }
    if (g.SelectedId < 0)
        return;
    guarded([this, key] {
        const qint32 next = mCanvas->neighbourInDateOrder(g.SelectedId, key == Qt::Key_Left ? -1 : 1);
        if (next < 0)
            return;
        selectBox(next);
        showBox(next);
    });
}

void frmMain::mnuFormatCompress1_Click()
{
    guarded([this] {
        mEditor->commit();
        // The screen only: reloading the timeline shows the stored layout again.
        if (!mCanvas->Compress())
            return;
        mView->hscrol->setValue(0);
        mView->refreshExtents();
    });
}

void frmMain::mnuFormatCompress2_Click()
{
    guarded([this] {
        mEditor->commit();
        if (g.CurTimeLineId < 1 || mCanvas->model().boxCount() == 0)
            return;
        pushCommand(g.History, std::make_unique<Compress2Command>(*mCanvas));
        mView->hscrol->setValue(0);
        mView->refreshExtents();
    });
}

bool frmMain::placeCurrentEvent(bool newEvent)
{
    if (!g.CurEvent || mState.timelineState() != MenuState::TimelineShown)
        return false;
    const qint32 id = g.CurEvent->Id;
    mEditor->commit();
    pushCommand(g.History, std::make_unique<InsertBoxCommand>(*mCanvas, newEvent));
    if (!mCanvas->IsOnCanvas(id))
        return false;
    mView->refreshExtents();
    mNavigator->reveal(id);
    return true;
}

} // namespace qm
