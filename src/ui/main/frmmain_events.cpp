// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a timeline shows and how its boxes look: the event list, excluding and deleting events,
// pictures and wallpapers, the format and picture clipboards; and the user guide.
#include "frmmain.h"

#include "canvasnavigator.h"
#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmlistevents.h"
#include "edit/commandgroup.h"
#include "edit/eventcommands.h"
#include "edit/insertboxcommand.h"
#include "edit/lookcommands.h"
#include "edit/makeroom.h"
#include "frmhelp.h"
#include "inplaceeditor.h"
#include "layout/timelinecanvas.h"
#include "pictures/frmselectimage.h"
#include "pictures/frmselectwall.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/picturelibrary.h"

#include <QDir>
#include <QToolBar>
#include <QUndoStack>

#include <set>

namespace qm {

namespace {

QString boxName(TimelineCanvas &canvas, qint32 id)
{
    const CanvasBox *b = canvas.model().box(id);
    return b ? b->name.caption : QString();
}

// The name of the step on several selected boxes: the box's name for one, how many for more.
QString stepText(TimelineCanvas &canvas, const QString &pattern, const std::vector<qint32> &ids)
{
    if (ids.size() == 1)
        return pattern.arg(boxName(canvas, ids.front()));
    return pattern.arg(frmMain::tr("%1 events").arg(ids.size()));
}

} // namespace

void frmMain::refreshClipboards()
{
    mState.setClipboards(mSession.ClipFormat && !mSession.ClipFormat->TextFont.isEmpty(),
                         !mSession.ClipImageName.isEmpty() || isNoPicture(mSession.ClipImageSource));
    applyState();
}

void frmMain::updateBackdropButtons()
{
    const bool shown = mState.timelineState() == MenuState::TimelineShown && g.CurTimeLine;
    const bool wall = shown && g.CurTimeLine->UseWallpaper;
    mnuTimelineColor->setChecked(shown && !wall);
    mnuTimelineWall->setChecked(wall);
    for (QAction *a : tbTimeLines->actions()) {
        if (a->objectName() == u"Color")
            a->setChecked(shown && !wall);
        else if (a->objectName() == u"Wall")
            a->setChecked(wall);
    }
}

void frmMain::mnuEventSelectPicture_Click()
{
    guarded([this] {
        if (g.SelectedId < 0)
            return;
        mEditor->commit();
        if (mPicture) {
            mPicture->LoadEvent();
        } else {
            mPicture = new frmSelectImage(g, mDialogs, this);
            mPicture->onSelect = [this](const PictureChoice &c) {
                if (c.eventId <= 0 || mState.timelineState() != MenuState::TimelineShown)
                    return;
                // The picture, the room a larger one needs and the timeline's default: one step.
                const BoxReach before = reachOf(*mCanvas, {c.eventId});
                runGroup(g.History, tr("picture of %1").arg(boxName(*mCanvas, c.eventId)), [&](CommandGroup &group) {
                    group.add(std::make_unique<EventPictureCommand>(
                        *mCanvas, std::vector<qint32>{c.eventId}, c.source, c.name,
                        PictureLook{c.width, c.height, c.lineVisible}, QString()));
                    makeRoomFor(group, *mCanvas, c.eventId, before);
                    if (c.makeDefault)
                        group.add(std::make_unique<DefaultPictureCommand>(*mCanvas, g.CurTimeLineId, c.source, c.name,
                                                                          QString()));
                });
                mView->refreshExtents();
            };
        }
        mPicture->show();
        mPicture->raise();
        mPicture->activateWindow();
    });
}

void frmMain::followSelection()
{
    // The open picture chooser shows the event of the box selected now.
    if (mPicture && g.SelectedId > 0 && mPicture->eventId() != g.SelectedId)
        guarded([this] { mPicture->LoadEvent(); });
}

void frmMain::mnuEventList_Click()
{
    guarded([this] {
        if (mState.timelineState() != MenuState::TimelineShown)
            return;
        mEditor->commit();
        frmListEvents list(g, mDialogs, this);
        list.deleteEvents = [this](const std::vector<qint32> &ids) {
            pushCommand(g.History,
                        std::make_unique<DeleteEventsCommand>(
                            *mCanvas, ids, tr("deletion of %n event(s)", nullptr, static_cast<int>(ids.size()))));
        };
        list.editEvent = [this](qint32 id) { editEvent(id); };
        list.editElements = [this, &list](const std::vector<qint32> &ids) { return editElementsOf(ids, &list); };
        list.placeElsewhere = [this, &list](const std::vector<qint32> &ids, bool move) {
            return placeElsewhere(ids, move, &list);
        };
        list.keepViewIn(mSession.EventList);
        list.exec();
        applyEventList(list.tickedIds(), list.includeChosen());
        if (list.showId() > 0 && mCanvas->IsOnCanvas(list.showId()))
            mNavigator->reveal(list.showId());
    });
}

void frmMain::applyEventList(const std::vector<qint32> &ticked, bool include)
{
    const std::set<qint32> keep(ticked.begin(), ticked.end());
    std::vector<qint32> off;
    for (const qint32 id : mCanvas->model().boxIds()) {
        if (keep.count(id) == 0)
            off.push_back(id);
    }
    std::vector<qint32> on;
    if (include) {
        for (const qint32 id : ticked) {
            if (!mCanvas->IsOnCanvas(id))
                on.push_back(id);
        }
    }
    if (off.empty() && on.empty())
        return;
    // One step, so that one Undo gives the timeline back as it was before the list opened; a failure
    // half way takes back what was done, and the message says so.
    try {
        runGroup(g.History, tr("choice of events"), [&](CommandGroup &group) {
            if (!off.empty())
                group.add(std::make_unique<ExcludeEventsCommand>(*mCanvas, g.CurTimeLineId, off, QString()));
            if (!on.empty())
                group.add(std::make_unique<InsertBoxCommand>(*mCanvas, on, QString()));
        });
    } catch (...) {
        mView->refreshExtents();
        throw;
    }
    mView->refreshExtents();
    // What came on is shown selected, where it landed.
    if (!on.empty() && g.SelectedId > 0 && mCanvas->IsOnCanvas(g.SelectedId))
        mNavigator->reveal(g.SelectedId);
}

void frmMain::mnuEventExclude_Click()
{
    guarded([this] {
        const std::vector<qint32> ids = mCanvas->selectedIds();
        if (ids.empty())
            return;
        mEditor->commit();
        pushCommand(g.History, std::make_unique<ExcludeEventsCommand>(*mCanvas, g.CurTimeLineId, ids,
                                                                      stepText(*mCanvas, tr("exclusion of %1"), ids)));
        setEventMenuState(MenuState::NoSelection);
    });
}

void frmMain::mnuEventDelete_Click()
{
    guarded([this] {
        const std::vector<qint32> ids = mCanvas->selectedIds();
        if (ids.empty())
            return;
        mEditor->commit();
        const QString question = ids.size() == 1 ? tr("Delete \"%1\"?").arg(boxName(*mCanvas, ids.front()))
                                                 : tr("Delete %1 events?").arg(ids.size());
        if (!mDialogs.warning(this, question, QStringLiteral("Delete warning")))
            return;
        pushCommand(g.History, std::make_unique<DeleteEventsCommand>(*mCanvas, ids,
                                                                     stepText(*mCanvas, tr("deletion of %1"), ids)));
        setEventMenuState(MenuState::NoSelection);
    });
}

void frmMain::mnuEventCopyFormat_Click()
{
    guarded([this] {
        if (g.SelectedId < 0)
            return;
        mEditor->commit();
        // What the box shows now, in the file's terms (zoom 1).
        auto format = std::make_unique<clFormat>();
        format->GetFormat(g.ProjectDb, g.SelectedId, g.CurTimeLineId);
        mSession.ClipFormat = std::move(format);
        refreshClipboards();
    });
}

void frmMain::mnuEventCopyPicture_Click()
{
    guarded([this] {
        if (g.SelectedId < 0)
            return;
        const std::unique_ptr<clEvent> e = loadEventAside(g, g.SelectedId);
        if (e->Id != g.SelectedId)
            return;
        mSession.ClipImageName = e->ImageName;
        mSession.ClipImageSource = e->ImageSource;
        const CanvasBox *b = mCanvas->model().box(g.SelectedId);
        mSession.ClipPicture = b ? b->picture.image : QImage();
        refreshClipboards();
    });
}

void frmMain::pasteFormat(const std::vector<qint32> &ids, const QString &text)
{
    guarded([this, &ids, &text] {
        if (!mSession.ClipFormat || ids.empty())
            return;
        mEditor->commit();
        const BoxReach before = reachOf(*mCanvas, ids);
        runGroup(g.History, text, [&](CommandGroup &group) {
            group.add(std::make_unique<PasteFormatCommand>(*mCanvas, ids, *mSession.ClipFormat, QString()));
            makeRoomFor(group, *mCanvas, ids, before);
        });
        mView->refreshExtents();
    });
}

void frmMain::pastePicture(const std::vector<qint32> &ids, const QString &text)
{
    guarded([this, &ids, &text] {
        // "No picture" copied is pasted as such.
        if ((mSession.ClipImageName.isEmpty() && !isNoPicture(mSession.ClipImageSource)) || ids.empty())
            return;
        mEditor->commit();
        const BoxReach before = reachOf(*mCanvas, ids);
        runGroup(g.History, text, [&](CommandGroup &group) {
            group.add(std::make_unique<EventPictureCommand>(*mCanvas, ids, mSession.ClipImageSource,
                                                            mSession.ClipImageName, std::nullopt, QString()));
            makeRoomFor(group, *mCanvas, ids, before);
        });
        mView->refreshExtents();
    });
}

void frmMain::mnuEventPasteFormat_Click()
{
    const std::vector<qint32> ids = mCanvas->selectedIds();
    if (!ids.empty())
        pasteFormat(ids, stepText(*mCanvas, tr("pasted format on %1"), ids));
}

void frmMain::mnuEventPastePicture_Click()
{
    const std::vector<qint32> ids = mCanvas->selectedIds();
    if (!ids.empty())
        pastePicture(ids, stepText(*mCanvas, tr("pasted picture on %1"), ids));
}

void frmMain::mnuEventMakeDefFormat_Click()
{
    pasteFormat(mCanvas->model().boxIds(), tr("format pasted to all"));
}

void frmMain::mnuEventMakeDefPicture_Click()
{
    pastePicture(mCanvas->model().boxIds(), tr("picture pasted to all"));
}

void frmMain::mnuTimelineWall_Click()
{
    guarded([this] {
        updateBackdropButtons();
        if (g.CurTimeLineId == 0 || !g.CurTimeLine)
            return;
        mEditor->commit();
        frmSelectWall wall(g, mDialogs, this);
        wall.onSelect = [this](const QString &source, const QString &name) {
            const Backdrop after{true, source, name, g.CurTimeLine->BackColor};
            pushCommand(g.History,
                        std::make_unique<BackdropCommand>(*mCanvas, g.CurTimeLineId, after, tr("wallpaper")));
        };
        wall.exec();
        updateBackdropButtons();
    });
}

void frmMain::mnuHelpTopics_Click()
{
    if (mHelp) {
        mHelp->raise();
        mHelp->activateWindow();
        return;
    }
    const QString folder = QDir(g.appFolder).filePath(QStringLiteral("help"));
    if (frmHelp::indexPage(folder).isEmpty()) {
        mDialogs.error(this, tr("The user guide is not installed: there is no %1.")
                                 .arg(QDir::toNativeSeparators(QDir(folder).filePath(QStringLiteral("index.html")))));
        return;
    }
    mHelp = new frmHelp(folder, this);
    mHelp->show();
}

} // namespace qm

namespace qm {

void frmMain::describeButtons()
{
    const struct
    {
        QToolBar *bar;
        const char *key;
        const char *tip;
    } tips[] = {
        {tbFile, "New", "Make a new project"},
        {tbFile, "Open", "Open a project"},
        {tbFile, "SaveAs", "Save the timeline as a picture file"},
        {tbFile, "Print", "Print the timeline"},
        {tbTimeLines, "New", "Make a new timeline"},
        {tbTimeLines, "Delete", "Delete the timeline shown; its events stay in the project"},
        {tbTimeLines, "Edit", "Change the timeline's name, title and subtitle"},
        {tbTimeLines, "Color", "Paint the timeline's background in one colour"},
        {tbTimeLines, "Wall", "Tile a wallpaper picture behind the timeline"},
        {tbEvents, "New", "Enter a new event and place it on the timeline"},
        {tbEvents, "Edit", "Change the selected event"},
        {tbEvents, "Include", "Choose which of the project's events the timeline shows"},
        {tbEvents, "Exclude", "Take the selected event off this timeline; it stays in the project"},
        {tbEvents, "Delete", "Delete the selected event from the project"},
        {tbArrange, "Compress1", "Pack the boxes into one row"},
        {tbArrange, "Compress2", "Arrange the boxes in cascades"},
        {tbArrange, "ZoomIn", "Show everything larger"},
        {tbArrange, "ZoomOut", "Show everything smaller"},
        {tbTools, "Extract", "Find the dates of a text and capture them as events"},
        {tbTools, "Elements", "Add, rename and delete actors, places, sources and keywords"},
    };
    for (const auto &t : tips) {
        for (QAction *a : t.bar->actions()) {
            if (a->objectName() == QLatin1String(t.key))
                a->setToolTip(tr(t.tip));
        }
    }
    for (QToolBar *bar : {tbTimeLines}) {
        for (QAction *a : bar->actions()) {
            // Pressed while the timeline uses that backdrop.
            if (a->objectName() == u"Color" || a->objectName() == u"Wall")
                a->setCheckable(true);
        }
    }
}

} // namespace qm

namespace qm {

frmSelectImage *frmMain::pictureChooser() const
{
    return mPicture;
}

} // namespace qm
