// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmmain.h"

#include "canvasview.h"
#include "common/guarded.h"
#include "common/userdialogs.h"
#include "dialogs/frmdatecorrection.h"
#include "dialogs/frmmanage.h"
#include "frmabout.h"
#include "layout/canvasmouse.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/globals.h"
#include "store/storeerror.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPrinter>
#include <QSlider>
#include <QStackedWidget>
#include <QStyle>
#include <QToolBar>

namespace qm {

frmMain::frmMain(Globals &globals, UserDialogs &dialogs, QWidget *parent)
    : QMainWindow(parent), g(globals), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quillmarsh"));
    resize(1400, 900);
    buildMenus();
    buildToolBars();
    describeButtons();
    buildCanvas();
    buildStartPages();
    buildEditing();
    buildScale();
    buildNavigation();
    buildBulk();

    setTimelineState(MenuState::NoProject);
    installDateCorrection(g, mDialogs, this);
}

frmMain::~frmMain()
{
    // The view paints the canvas: it goes before the canvas does.
    delete mCentral;
    // The correction dialog would be shown with this window's dialogs, which go with it.
    g.DateCorrection = nullptr;
    // The steps show their changes on this window's canvas, which goes with it.
    g.History.clear();
}

QUndoStack &frmMain::undoStack()
{
    return g.History;
}

void frmMain::guarded(const std::function<void()> &command)
{
    runGuarded(mDialogs, this, command);
}

void frmMain::buildMenus()
{
    auto entry = [this](QMenu *menu, const char *name, const QString &caption, auto slot) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        if constexpr (!std::is_same_v<decltype(slot), std::nullptr_t>)
            connect(a, &QAction::triggered, this, slot);
        else
            mNotYet.insert(a);
        return a;
    };
    auto menu = [this](const char *name, const QString &caption) {
        QMenu *m = menuBar()->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        return m;
    };

    mnuFile = menu("mnuFile", tr("&File"));
    mnuFileNew = entry(mnuFile, "mnuFileNew", tr("&New"), &frmMain::mnuFileNew_Click);
    mnuFileOpen = entry(mnuFile, "mnuFileOpen", tr("&Open"), &frmMain::mnuFileOpen_Click);
    mnuFileNew->setShortcut(QKeySequence::New);
    mnuFileOpen->setShortcut(QKeySequence::Open);
    mnuFileClose = entry(mnuFile, "mnuFileClose", tr("&Close project"), &frmMain::mnuFileClose_Click);
    mnuFileClose->setShortcut(QKeySequence::Close);
    mnuFile->addSeparator();
    mnuFileExportEvents =
        entry(mnuFile, "mnuFileExportEvents", tr("&Export events…"), &frmMain::mnuFileExportEvents_Click);
    mnuFileImportEvents =
        entry(mnuFile, "mnuFileImportEvents", tr("&Import events…"), &frmMain::mnuFileImportEvents_Click);
    mnuFile->addSeparator();
    mnuFileSaveAs = entry(mnuFile, "mnuFileSaveAs", tr("Save &as"), &frmMain::mnuFileSaveAs_Click);
    mnuFileExportWeb = entry(mnuFile, "mnuFileExportWeb", tr("Export &web page…"), &frmMain::mnuFileExportWeb_Click);
    mnuFilePageSetup = entry(mnuFile, "mnuFilePageSetup", tr("Page set&up…"), &frmMain::mnuFilePageSetup_Click);
    mnuFileShowPages = entry(mnuFile, "mnuFileShowPages", tr("Sh&ow printer pages"), &frmMain::mnuFileShowPages_Click);
    mnuFileShowPages->setCheckable(true);
    mnuFilePrintPreview =
        entry(mnuFile, "mnuFilePrintPreview", tr("Print pre&view"), &frmMain::mnuFilePrintPreview_Click);
    mnuFilePrint = entry(mnuFile, "mnuFilePrint", tr("&Print"), &frmMain::mnuFilePrint_Click);
    mnuFilePrint->setShortcut(QKeySequence::Print);
    mnuFile->addSeparator();
    for (int i = 0; i < 5; ++i) {
        QAction *a = mnuFile->addAction(QString());
        a->setObjectName(QStringLiteral("mnuPath%1").arg(i + 1));
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { mnuPath_Click(i + 1); });
        mnuPath[static_cast<size_t>(i)] = a;
    }
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(tr("E&xit"), this, &QWidget::close);
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    mnuExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Filled with the undo and redo entries once the canvas exists.
    mnuEdit = menu("mnuEdit", tr("&Edit"));

    mnuEventS = menu("mnuEventS", tr("&Events"));
    mnuEventNew = entry(mnuEventS, "mnuEventNew", tr("&New"), &frmMain::mnuEventNew_Click);
    mnuEventEdit = entry(mnuEventS, "mnuEventEdit", tr("&Edit"), &frmMain::mnuEventEdit_Click);
    mnuEventSelectPicture =
        entry(mnuEventS, "mnuEventSelectPicture", tr("&Picture"), &frmMain::mnuEventSelectPicture_Click);
    mnuEventList = entry(mnuEventS, "mnuEventList", tr("&Include"), &frmMain::mnuEventList_Click);
    mnuEventExclude = entry(mnuEventS, "mnuEventExclude", tr("&Exclude"), &frmMain::mnuEventExclude_Click);
    mnuEventDelete = entry(mnuEventS, "mnuEventDelete", tr("&Delete"), &frmMain::mnuEventDelete_Click);
    // The Delete key takes the box off the timeline only: the event itself stays in the project.
    mnuEventExclude->setShortcut(QKeySequence::Delete);
    mnuEventS->addSeparator();
    mnuEventCopyFormat = entry(mnuEventS, "mnuEventCopyFormat", tr("Copy for&mat"), &frmMain::mnuEventCopyFormat_Click);
    mnuEventCopyPicture =
        entry(mnuEventS, "mnuEventCopyPicture", tr("Copy pic&ture"), &frmMain::mnuEventCopyPicture_Click);
    mnuEventPasteFormat =
        entry(mnuEventS, "mnuEventPasteFormat", tr("Paste form&at"), &frmMain::mnuEventPasteFormat_Click);
    mnuEventPasteFormat->setShortcut(QKeySequence(Qt::Key_F2));
    mnuEventPastePicture =
        entry(mnuEventS, "mnuEventPastePicture", tr("Paste pict&ure"), &frmMain::mnuEventPastePicture_Click);
    mnuEventPastePicture->setShortcut(QKeySequence(Qt::Key_F3));
    mnuEventMakeDefFormat =
        entry(mnuEventS, "mnuEventMakeDefFormat", tr("Paste f&ormat to all"), &frmMain::mnuEventMakeDefFormat_Click);
    mnuEventMakeDefPicture =
        entry(mnuEventS, "mnuEventMakeDefPicture", tr("Paste p&icture to all"), &frmMain::mnuEventMakeDefPicture_Click);

    mnuTimelineS = menu("mnuTimelineS", tr("&Timelines"));
    mnuTimeLineNew = entry(mnuTimelineS, "mnuTimeLineNew", tr("&New"), &frmMain::mnuTimeLineNew_Click);
    mnuTimelineEdit = entry(mnuTimelineS, "mnuTimelineEdit", tr("&Edit"), &frmMain::mnuTimelineEdit_Click);
    mnuTimelineColor = entry(mnuTimelineS, "mnuTimelineColor", tr("Select &Color"), &frmMain::mnuTimelineColor_Click);
    mnuTimelineColor->setCheckable(true);
    mnuTimelineWall = entry(mnuTimelineS, "mnuTimelineWall", tr("Select &Wallpaper"), &frmMain::mnuTimelineWall_Click);
    mnuTimelineWall->setCheckable(true);
    mnuTimeLineDelete = entry(mnuTimelineS, "mnuTimeLineDelete", tr("&Delete"), &frmMain::mnuTimeLineDelete_Click);
    mnuTimelineS->addSeparator();
    mnuTimelineCategories =
        entry(mnuTimelineS, "mnuTimelineCategories", tr("C&ategories…"), &frmMain::mnuTimelineCategories_Click);

    mnuFormat = menu("mnuFormat", tr("&Format"));
    mnuFormatZoomIn = entry(mnuFormat, "mnuFormatZoomIn", tr("Zoom &in"), &frmMain::mnuFormatZoomIn_Click);
    mnuFormatZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    mnuFormatZoomOut = entry(mnuFormat, "mnuFormatZoomOut", tr("Zoom &out"), &frmMain::mnuFormatZoomOut_Click);
    mnuFormatZoomOut->setShortcut(QKeySequence::ZoomOut);
    mnuFormatCompress1 = entry(mnuFormat, "mnuFormatCompress1", tr("Compress &1"), &frmMain::mnuFormatCompress1_Click);
    mnuFormatCompress2 = entry(mnuFormat, "mnuFormatCompress2", tr("Compress &2"), &frmMain::mnuFormatCompress2_Click);
    mnuFormat->addSeparator();
    mnuFormatEvent = entry(mnuFormat, "mnuFormatEvent", tr("&Event format…"), &frmMain::mnuFormatEvent_Click);

    mnuTools = menu("mnuTools", tr("&Tools"));
    mnuToolsCapture = entry(mnuTools, "mnuToolsCapture", tr("&Capture events"), &frmMain::mnuToolsCapture_Click);
    mnuToolsManage = entry(mnuTools, "mnuToolsManage", tr("&Manage elements"), &frmMain::mnuToolsManage_Click);

    mnuHelp = menu("mnuHelp", tr("&Help"));
    mnuHelpTopics = entry(mnuHelp, "mnuHelpTopics", tr("&Help topics"), &frmMain::mnuHelpTopics_Click);
    mnuHelpTopics->setShortcut(QKeySequence::HelpContents);
    mnuHelpAbout = entry(mnuHelp, "mnuHelpAbout", tr("&About Quillmarsh"), &frmMain::mnuHelpAbout_Click);
}

QAction *frmMain::addButton(QToolBar *bar, const QString &key, const QString &text, const QIcon &icon, QAction *same)
{
    QAction *a = bar->addAction(icon, text);
    a->setObjectName(key);
    a->setToolTip(text);
    if (same) {
        connect(a, &QAction::triggered, same, &QAction::trigger);
        if (mNotYet.count(same) != 0)
            mNotYet.insert(a);
    } else {
        mNotYet.insert(a);
    }
    return a;
}

void frmMain::buildToolBars()
{
    auto bar = [this](const char *name, const QString &title) {
        QToolBar *b = addToolBar(title);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(QSize(22, 22));
        return b;
    };
    QStyle *s = style();

    tbFile = bar("tbFile", tr("File"));
    addButton(tbFile, QStringLiteral("New"), tr("New project"), s->standardIcon(QStyle::SP_FileIcon), mnuFileNew);
    addButton(tbFile, QStringLiteral("Open"), tr("Open project"), s->standardIcon(QStyle::SP_DialogOpenButton),
              mnuFileOpen);
    addButton(tbFile, QStringLiteral("SaveAs"), tr("Save as"), s->standardIcon(QStyle::SP_DialogSaveButton),
              mnuFileSaveAs);
    addButton(tbFile, QStringLiteral("Print"), tr("Print"),
              QIcon::fromTheme(QStringLiteral("document-print"), s->standardIcon(QStyle::SP_ComputerIcon)),
              mnuFilePrint);

    tbTimeLines = bar("tbTimeLines", tr("Timelines"));
    cmbTimeLine0 = new QComboBox(tbTimeLines);
    cmbTimeLine0->setObjectName(QStringLiteral("cmbTimeLine0"));
    cmbTimeLine0->setMinimumContentsLength(18);
    cmbTimeLine0->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cmbTimeLine0->setToolTip(tr("Timeline shown"));
    connect(cmbTimeLine0, &QComboBox::activated, this, &frmMain::cmbTimeLine0_Click);
    tbTimeLines->addWidget(cmbTimeLine0);
    addButton(tbTimeLines, QStringLiteral("New"), tr("New timeline"), s->standardIcon(QStyle::SP_FileDialogNewFolder),
              mnuTimeLineNew);
    addButton(tbTimeLines, QStringLiteral("Delete"), tr("Delete timeline"), s->standardIcon(QStyle::SP_TrashIcon),
              mnuTimeLineDelete);
    addButton(tbTimeLines, QStringLiteral("Edit"), tr("Edit timeline"),
              s->standardIcon(QStyle::SP_FileDialogDetailedView), mnuTimelineEdit);
    addButton(tbTimeLines, QStringLiteral("Color"), tr("Color"), s->standardIcon(QStyle::SP_DesktopIcon),
              mnuTimelineColor);
    addButton(tbTimeLines, QStringLiteral("Wall"), tr("Wallpaper"), s->standardIcon(QStyle::SP_DirIcon),
              mnuTimelineWall);

    // Two rows, so that every button shows on a window of ordinary width.
    addToolBarBreak();
    tbEvents = bar("tbEvents", tr("Events"));
    addButton(tbEvents, QStringLiteral("New"), tr("New event"), s->standardIcon(QStyle::SP_FileIcon), mnuEventNew);
    addButton(tbEvents, QStringLiteral("Edit"), tr("Edit event"), s->standardIcon(QStyle::SP_FileDialogContentsView),
              mnuEventEdit);
    addButton(tbEvents, QStringLiteral("Include"), tr("Include"), s->standardIcon(QStyle::SP_DialogYesButton),
              mnuEventList);
    addButton(tbEvents, QStringLiteral("Exclude"), tr("Exclude"), s->standardIcon(QStyle::SP_DialogNoButton),
              mnuEventExclude);
    addButton(tbEvents, QStringLiteral("Delete"), tr("Delete event"), s->standardIcon(QStyle::SP_TrashIcon),
              mnuEventDelete);

    tbArrange = bar("tbArrange", tr("Arrange"));
    addButton(tbArrange, QStringLiteral("Compress1"), tr("Compress 1"), s->standardIcon(QStyle::SP_ArrowLeft),
              mnuFormatCompress1);
    addButton(tbArrange, QStringLiteral("Compress2"), tr("Compress 2"), s->standardIcon(QStyle::SP_MediaSeekBackward),
              mnuFormatCompress2);
    addButton(tbArrange, QStringLiteral("ZoomIn"), tr("Zoom in"), s->standardIcon(QStyle::SP_ArrowUp), mnuFormatZoomIn);
    addButton(tbArrange, QStringLiteral("ZoomOut"), tr("Zoom out"), s->standardIcon(QStyle::SP_ArrowDown),
              mnuFormatZoomOut);
    lblZoom = new QLabel(QStringLiteral("100%"), tbArrange);
    lblZoom->setObjectName(QStringLiteral("lblZoom"));
    lblZoom->setToolTip(tr("The zoom shown"));
    lblZoom->setAlignment(Qt::AlignCenter);
    lblZoom->setMinimumWidth(lblZoom->fontMetrics().horizontalAdvance(QStringLiteral(" 0000% ")));
    tbArrange->addWidget(lblZoom);
    tbArrange->addSeparator();
    auto *spacing = new QLabel(tr("Spacing") + u' ', tbArrange);
    spacing->setObjectName(QStringLiteral("lblSpacing"));
    tbArrange->addWidget(spacing);
    sld = new QSlider(Qt::Horizontal, tbArrange);
    sld->setObjectName(QStringLiteral("sld"));
    sld->setRange(0, 10);
    sld->setPageStep(1);
    sld->setTickPosition(QSlider::TicksBelow);
    sld->setFixedWidth(110);
    sld->setToolTip(tr("Spacing: the least room between neighbouring boxes when they are placed or compressed "
                       "(not the zoom)"));
    spacing->setToolTip(sld->toolTip());
    connect(sld, &QSlider::valueChanged, this, &frmMain::sld_Change);
    tbArrange->addWidget(sld);

    tbTools = bar("tbTools", tr("Tools"));
    addButton(tbTools, QStringLiteral("Extract"), tr("Extract"), s->standardIcon(QStyle::SP_FileDialogInfoView),
              mnuToolsCapture);
    addButton(tbTools, QStringLiteral("Elements"), tr("Elements"), s->standardIcon(QStyle::SP_FileDialogListView),
              mnuToolsManage);
}

void frmMain::setTimelineState(int state)
{
    mState.setTimelineState(state);
    applyState();
    if (mnuFileShowPages->isChecked())
        refreshPageGrid();
}

void frmMain::setEventMenuState(int state)
{
    mState.setEventState(state);
    applyState();
}

void frmMain::applyState()
{
    mState.setToScale(mCanvas && mCanvas->model().timeScale);
    auto set = [this](QAction *a, const QString &name) { a->setEnabled(mState.enabled(name) && !mNotYet.count(a)); };
    for (QMenu *m : {mnuEventS, mnuTimelineS, mnuFormat, mnuTools}) {
        m->setEnabled(mState.enabled(m->objectName()));
        for (QAction *a : m->actions()) {
            if (!a->isSeparator())
                set(a, a->objectName());
        }
    }
    for (QToolBar *bar : {tbTimeLines, tbEvents, tbArrange, tbTools}) {
        for (QAction *a : bar->actions()) {
            if (!a->objectName().isEmpty())
                set(a, bar->objectName() + u'/' + a->objectName());
        }
    }
    cmbTimeLine0->setEnabled(mState.enabled(QStringLiteral("cmbTimeLine0")));
    sld->setEnabled(mState.timelineState() == MenuState::TimelineShown);
    for (QAction *a : {mnuFileSaveAs, mnuFilePageSetup, mnuFileShowPages, mnuFilePrintPreview, mnuFilePrint})
        set(a, a->objectName());
    mnuHelpTopics->setEnabled(!mNotYet.count(mnuHelpTopics));
    for (QAction *a : tbFile->actions()) {
        const QString name = tbFile->objectName() + u'/' + a->objectName();
        if (a->objectName() == u"SaveAs" || a->objectName() == u"Print")
            set(a, name);
        else
            a->setEnabled(!mNotYet.count(a));
    }
    for (QAction *a : {mnuFileExportEvents, mnuFileImportEvents})
        a->setEnabled(mState.timelineState() != MenuState::NoProject);
    mnuFileExportWeb->setEnabled(mState.timelineState() == MenuState::TimelineShown);

    if (mState.timelineState() == MenuState::ProjectOpen)
        lblNoTimeline->setText(tr("Choose a timeline in the list, or make one with Timelines ▸ New."));
    if (mState.timelineState() != MenuState::NoProject)
        mCentral->setCurrentWidget(mState.timelineState() == MenuState::TimelineShown ? static_cast<QWidget *>(mView)
                                                                                      : lblNoTimeline);
    applyStartState();
}

void frmMain::mnuToolsManage_Click()
{
    guarded([this] {
        frmManage manage(g, mSession, mDialogs, this);
        manage.exec();
    });
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout about(this);
    about.exec();
}

} // namespace qm
