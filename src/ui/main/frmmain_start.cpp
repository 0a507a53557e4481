// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the main window starts: the welcome page, the sample project, reopening the last project, and
// read-only projects with their "Save a copy" bar.
#include "frmmain.h"

#include "common/userdialogs.h"
#include "frmhelp.h"
#include "store/globals.h"
#include "store/projectcopy.h"
#include "store/projectlifecycle.h"
#include "store/recentpaths.h"
#include "store/storeerror.h"
#include "welcomepage.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>

namespace qm {

namespace {

const QString ProjectFilter = QStringLiteral("Quillmarsh projects (*.qmp)");

QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace

void frmMain::buildStartPages()
{
    sampleFolder = documentsFolder();
    mWelcome = new WelcomePage(mCentral);
    mCentral->addWidget(mWelcome);
    connect(mWelcome, &WelcomePage::sampleWanted, this, &frmMain::openSample);
    connect(mWelcome, &WelcomePage::newWanted, this, &frmMain::mnuFileNew_Click);
    connect(mWelcome, &WelcomePage::openWanted, this, &frmMain::mnuFileOpen_Click);
    connect(mWelcome, &WelcomePage::recentWanted, this, &frmMain::mnuPath_Click);
    connect(mWelcome, &WelcomePage::gettingStartedWanted, this, [this] {
        mnuHelpTopics_Click();
        if (mHelp)
            mHelp->showPage(QStringLiteral("getting-started.html"));
    });

    auto *bar = new QFrame;
    bar->setObjectName(QStringLiteral("barReadOnly"));
    bar->setFrameShape(QFrame::StyledPanel);
    bar->setAutoFillBackground(true);
    QPalette p = bar->palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    p.setColor(QPalette::WindowText, QColor(0x3A, 0x2E, 0x00));
    bar->setPalette(p);
    auto *icon = new QLabel(bar);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(20, 20));
    auto *text = new QLabel(tr("This project is read-only"), bar);
    text->setObjectName(QStringLiteral("lblReadOnly"));
    auto *copy = new QPushButton(tr("Save a copy…"), bar);
    copy->setObjectName(QStringLiteral("cmdSaveCopy"));
    copy->setToolTip(tr("Copy the project to a place where you may change it, and open the copy"));
    connect(copy, &QPushButton::clicked, this, &frmMain::saveCopy);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(8, 4, 8, 4);
    row->addWidget(icon);
    row->addWidget(text, 1);
    row->addWidget(copy);
    bar->hide();
    barReadOnly = bar;

    auto *holder = new QWidget(this);
    auto *column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    takeCentralWidget();
    column->addWidget(bar);
    column->addWidget(mCentral, 1);
    setCentralWidget(holder);
}

bool frmMain::readOnly() const
{
    return g.ProjectDb.isOpen() && g.ProjectDb.isReadOnly();
}

void frmMain::applyStartState()
{
    const bool none = mState.timelineState() == MenuState::NoProject;
    if (none && mCentral->currentWidget() != mWelcome) {
        mWelcome->setRecent(g.RecentPaths);
        mCentral->setCurrentWidget(mWelcome);
    }
    mnuFileClose->setEnabled(!none);
    mnuFileImportEvents->setEnabled(!none && !mState.readOnly());
    barReadOnly->setVisible(!none && mState.readOnly());
}

void frmMain::mnuFileClose_Click()
{
    guarded([this] { CloseProject(); });
}

void frmMain::openSample()
{
    guarded([this] {
        StartSettings settings = LoadStartSettings();
        QString path;
        try {
            path = sampleCopy(settings, g.appFolder, sampleFolder);
        } catch (const StoreError &e) {
            mDialogs.error(this, tr("The sample project cannot be copied to your documents folder:\n%1").arg(e.text()));
            return;
        }
        CloseProject();
        setProjectPath(g, path);
        OpenProject(false);
    });
}

void frmMain::saveCopy()
{
    guarded([this] {
        if (!g.ProjectDb.isOpen())
            return;
        const QString source = g.ProjectPath;
        const QString offered = freeProjectName(sampleFolder, QFileInfo(source).completeBaseName());
        QString path = mDialogs.saveFileName(this, tr("Save a copy of the project"), ProjectFilter,
                                             QStringLiteral("qmp"), offered);
        if (path.isEmpty())
            return;
        if (!path.endsWith(QStringLiteral(".qmp"), Qt::CaseInsensitive))
            path += QStringLiteral(".qmp");
        path = QFileInfo(path).absoluteFilePath();
        if (QFileInfo::exists(path)) {
            mDialogs.error(this, tr("There is already a file called %1.\nChoose another name for the copy.")
                                     .arg(QDir::toNativeSeparators(path)));
            return;
        }
        try {
            copyProject(source, path);
        } catch (const StoreError &e) {
            mDialogs.error(this, tr("The copy cannot be made:\n%1").arg(e.text()));
            return;
        }
        // The copy opens on the timeline the user was looking at.
        const qint32 shown = g.CurTimeLineId;
        CloseProject();
        setProjectPath(g, path);
        if (OpenProject(false) && shown != 0 && shown != g.CurTimeLineId)
            showTimeline(shown);
    });
}

void frmMain::reopenLast()
{
    const StartSettings settings = LoadStartSettings();
    const QString last = g.RecentPaths[0];
    if (!settings.reopenLast || last.isEmpty())
        return;
    if (!QFileInfo(last).isFile()) {
        mDialogs.error(this,
                       tr("The project you worked on last cannot be found:\n%1").arg(QDir::toNativeSeparators(last)));
        return;
    }
    // A refused project is named by the opening itself; the welcome page stays.
    setProjectPath(g, last);
    OpenProject(false);
}

void frmMain::rememberOpenProject()
{
    StartSettings settings = LoadStartSettings();
    settings.reopenLast = g.ProjectDb.isOpen();
    SaveStartSettings(settings);
}

} // namespace qm
