// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The project commands of the main window: start-up, new, open, recent projects and closing.
#include "frmmain.h"

#include "common/userdialogs.h"
#include "inplaceeditor.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/preferences.h"
#include "store/projectfiles.h"
#include "store/projectlifecycle.h"
#include "store/recentpaths.h"
#include "store/storeerror.h"
#include "welcomepage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProgressDialog>
#include <QStackedWidget>
#include <QTimer>
#include <QUndoStack>

namespace qm {

namespace {

const QString ProjectFilter = QStringLiteral("Quillmarsh projects (*.qmp)");

} // namespace

void frmMain::Form_Load()
{
    guarded([this] { loadWindow(); });
}

void frmMain::loadWindow()
{
    g.Zoom = 1.0;
    g.MinDist = 100;
    g.AdvanceDate = true;
    g.CurTimeLine = std::make_unique<clTimeLine>(g.ProjectDb);
    LoadPaths(g.RecentPaths);
    g.dateOrder = LoadDateOrder();
    if (!g.ProjectPath.isEmpty()) {
        setProjectPath(g, g.ProjectPath);
        OpenProject(false);
    } else {
        reopenLast();
    }
    g.CurEvent = std::make_unique<clEvent>(g);
    RefreshRecentMenu();
}

bool frmMain::OpenProject(bool isNew)
{
    if (g.ProjectDb.isOpen())
        CloseProject();
    OpenOutcome outcome;
    // Another program may be changing the project (a long import): the user sees that and may give up.
    std::unique_ptr<QProgressDialog> waiting;
    g.ProjectDb.whileWaiting = [this, &waiting] {
        if (!waiting) {
            waiting = std::make_unique<QProgressDialog>(tr("Waiting for another program that is changing this "
                                                           "project…"),
                                                        tr("Cancel"), 0, 0, this);
            waiting->setObjectName(QStringLiteral("dlgWaitForWriter"));
            waiting->setWindowTitle(QStringLiteral("Quillmarsh"));
            waiting->setMinimumDuration(0);
            waiting->show();
        }
        QCoreApplication::processEvents();
        return !waiting->wasCanceled();
    };
    try {
        outcome = openProjectStore(g, isNew);
        g.ProjectDb.whileWaiting = nullptr;
    } catch (const StoreError &e) {
        g.ProjectDb.whileWaiting = nullptr;
        // The file is not usable as a project; nothing was written to it.
        g.ProjectDb.close();
        g.ProjectPath.clear();
        g.ProjectFolder.clear();
        mState.setReadOnly(false);
        setTimelineState(MenuState::NoProject);
        cmbTimeLine0->clear();
        updateCaption();
        mDialogs.error(this, dynamic_cast<const NotAProjectError *>(&e)
                                 ? QStringLiteral("This is not a proper Quillmarsh file")
                                 : e.text());
        return false;
    }
    if (outcome.foldersMissing)
        mDialogs.error(this, tr("The picture folder of this project cannot be created:\n%1\n"
                                "The project opens, but pictures cannot be added to it.")
                                 .arg(QDir::toNativeSeparators(g.ProjectFolder)));

    FillTimelineList();
    mState.setReadOnly(outcome.readOnly);
    setTimelineState(MenuState::ProjectOpen);
    PushRecentPath(g.RecentPaths, g.ProjectPath);
    SavePaths(g.RecentPaths);
    RefreshRecentMenu();
    updateCaption();

    // Show the timeline the project was left on, as the user last saw it.
    if (cmbTimeLine0->currentIndex() >= 0 && g.CurTimeLineId != 0)
        showTimeline(g.CurTimeLineId);
    return true;
}

void frmMain::CloseProject()
{
    if (!g.ProjectDb.isOpen())
        return;
    // What is being typed on the canvas is kept, as on any other way off the text.
    mEditor->commit();
    try {
        closeProjectStore(g);
    } catch (const StoreError &e) {
        mDialogs.error(this, tr("The project settings could not be saved:\n%1").arg(e.text()));
    }
    cmbTimeLine0->clear();
    tmrUnload->stop();
    mCanvas->ClearCanvas();
    mCanvas->pictures().clear();
    g.CurTimeLineId = 0;
    g.SelectedId = -1;
    mState.setReadOnly(false);
    setTimelineState(MenuState::NoProject);
    updateCaption();
}

void frmMain::updateCaption()
{
    if (g.ProjectDb.isOpen())
        setWindowTitle(QStringLiteral("Quillmarsh ") + QDir::toNativeSeparators(mnuPath[0]->data().toString()) +
                       (readOnly() ? tr(" (read-only)") : QString()));
    else
        setWindowTitle(QStringLiteral("Quillmarsh"));
}

int frmMain::RefreshRecentMenu()
{
    int shown = 0;
    for (int i = 0; i < 5; ++i) {
        const QString &path = g.RecentPaths[static_cast<size_t>(i)];
        QAction *a = mnuPath[static_cast<size_t>(i)];
        if (path.isEmpty()) {
            a->setVisible(false);
            continue;
        }
        QString caption = QStringLiteral("%1. %2").arg(i + 1).arg(RecentCaption(path));
        // A literal "&" in a file name must not become an access key.
        caption.replace(u'&', QStringLiteral("&&"));
        caption.insert(0, u'&');
        a->setText(caption);
        a->setData(path);
        a->setToolTip(QDir::toNativeSeparators(path));
        a->setVisible(true);
        ++shown;
    }
    if (mCentral->currentWidget() == mWelcome)
        mWelcome->setRecent(g.RecentPaths);
    return shown;
}

void frmMain::FillTimelineList()
{
    cmbTimeLine0->clear();
    for (const TimelineEntry &t : timelinesByName(g.ProjectDb))
        cmbTimeLine0->addItem(t.name, t.id);
    cmbTimeLine0->setCurrentIndex(cmbTimeLine0->findData(g.CurTimeLineId));
}

void frmMain::mnuFileNew_Click()
{
    guarded([this] {
        QString path = mDialogs.saveFileName(this, QStringLiteral("Create a new Quillmarsh project"), ProjectFilter,
                                             QStringLiteral("qmp"));
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".qmp"), Qt::CaseInsensitive))
            path += QStringLiteral(".qmp");
        path = QFileInfo(path).absoluteFilePath();
        const bool exists = QFileInfo::exists(path);
        if (exists && !mDialogs.question(this, QStringLiteral("A Quillmarsh project with this name already exists.\n"
                                                              "Do you want to open it?")))
            return;
        if (!exists) {
            try {
                createProjectFromTemplate(path, g.appFolder);
            } catch (const StoreError &e) {
                mDialogs.error(this, tr("The project cannot be created:\n%1").arg(e.text()));
                return;
            }
        }
        CloseProject();
        setProjectPath(g, path);
        // The recent list learns the path from a successful open only.
        OpenProject(!exists);
    });
}

void frmMain::mnuFileOpen_Click()
{
    guarded([this] {
        const QString path = mDialogs.openFileName(this, QStringLiteral("Open a Quillmarsh project"), ProjectFilter);
        if (path.isEmpty())
            return;
        CloseProject();
        setProjectPath(g, QFileInfo(path).absoluteFilePath());
        OpenProject(false);
    });
}

void frmMain::mnuPath_Click(int index)
{
    guarded([this, index] {
        const QString path = g.RecentPaths[static_cast<size_t>(index - 1)];
        if (!QFileInfo(path).isFile()) {
            mDialogs.error(this, QStringLiteral("Project not found"));
            RemoveRecentPath(g.RecentPaths, index);
            SavePaths(g.RecentPaths);
            RefreshRecentMenu();
            return;
        }
        // No to the question leaves the open project as it is; the folders come with the opening.
        if (!QFileInfo::exists(projectFolderOf(path)) &&
            !mDialogs.question(this, QStringLiteral("The image directory for this project was lost.\n"
                                                    "Do you want to recreate it (it wil be empty)?")))
            return;
        CloseProject();
        setProjectPath(g, path);
        OpenProject(false);
    });
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (!closeCaptureWindow()) {
        event->ignore();
        return;
    }
    rememberOpenProject();
    CloseProject();
    event->accept();
}

} // namespace qm
