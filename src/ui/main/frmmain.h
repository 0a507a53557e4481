// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/windowsession.h"
#include "menustate.h"
#include "store/placements.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPrinter;
class QSlider;
class QStackedWidget;
class QTimer;
class QToolBar;
class QUndoStack;

namespace qm {

class CanvasMouse;
class CanvasNavigator;
class CommandGroup;
class clEvent;
class CanvasView;
class FontTextMeasurer;
struct ExportOptions;
struct PageSetup;
class InPlaceEditor;
class Globals;
class TimelineCanvas;
class UserDialogs;
class WelcomePage;
class frmHelp;
class frmSelectImage;
class frmText;

// The main window: menus, tool bars, the timeline list and the canvas of the open project.
class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    frmMain(Globals &globals, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~frmMain() override;

    // What the window does once it is shown: open the start-up project, offer a new one when there
    // is no recent project at all.
    void Form_Load();
    // Opens ProjectPath; false (after telling the user) when it is not a project.
    bool OpenProject(bool isNew);
    void CloseProject();
    int RefreshRecentMenu();
    void FillTimelineList();
    void setTimelineState(int state);
    void setEventMenuState(int state);
    const MenuState &menuState() const { return mState; }

    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileClose = nullptr;
    std::array<QAction *, 5> mnuPath{};
    QAction *mnuFileExportEvents = nullptr;
    QAction *mnuFileImportEvents = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileExportWeb = nullptr;
    QAction *mnuFilePageSetup = nullptr;
    QAction *mnuFileShowPages = nullptr;
    QAction *mnuFilePrintPreview = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuExit = nullptr;

    QMenu *mnuEdit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;

    QMenu *mnuEventS = nullptr;
    QAction *mnuEventNew = nullptr;
    QAction *mnuEventEdit = nullptr;
    QAction *mnuEventSelectPicture = nullptr;
    QAction *mnuEventList = nullptr;
    QAction *mnuEventExclude = nullptr;
    QAction *mnuEventDelete = nullptr;
    QAction *mnuEventCopyFormat = nullptr;
    QAction *mnuEventCopyPicture = nullptr;
    QAction *mnuEventPasteFormat = nullptr;
    QAction *mnuEventPastePicture = nullptr;
    QAction *mnuEventMakeDefFormat = nullptr;
    QAction *mnuEventMakeDefPicture = nullptr;

    QMenu *mnuTimelineS = nullptr;
    QAction *mnuTimeLineNew = nullptr;
    QAction *mnuTimelineEdit = nullptr;
    QAction *mnuTimelineColor = nullptr;
    QAction *mnuTimelineWall = nullptr;
    QAction *mnuTimeLineDelete = nullptr;
    QAction *mnuTimelineCategories = nullptr;

    QMenu *mnuFormat = nullptr;
    QAction *mnuFormatZoomIn = nullptr;
    QAction *mnuFormatZoomOut = nullptr;
    QAction *mnuFormatCompress1 = nullptr;
    QAction *mnuFormatCompress2 = nullptr;
    QAction *mnuFormatEvent = nullptr;
    QAction *mnuFormatScale = nullptr;
    QAction *mnuFormatArrangeRows = nullptr;

    QMenu *mnuTools = nullptr;
    QAction *mnuToolsCapture = nullptr;
    QAction *mnuToolsManage = nullptr;

    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpTopics = nullptr;
    QAction *mnuHelpAbout = nullptr;

    QToolBar *tbFile = nullptr;
    QToolBar *tbTimeLines = nullptr;
    QToolBar *tbEvents = nullptr;
    QToolBar *tbArrange = nullptr;
    QToolBar *tbTools = nullptr;
    QComboBox *cmbTimeLine0 = nullptr;
    QSlider *sld = nullptr;
    // The zoom shown, as a percentage.
    QLabel *lblZoom = nullptr;
    QLabel *lblNoTimeline = nullptr;
    QStackedWidget *mCentral = nullptr;
    CanvasView *mView = nullptr;
    QTimer *tmrUnload = nullptr;
    // What shows while no project is open.
    WelcomePage *mWelcome = nullptr;
    // Shown above the canvas while the open project is read-only.
    QWidget *barReadOnly = nullptr;
    // Where the user's copy of the sample goes: the documents folder (tests give their own).
    QString sampleFolder;

    TimelineCanvas &canvas() { return *mCanvas; }
    // The open project's history of changes (it lives with the project, see Globals::History).
    QUndoStack &undoStack();
    InPlaceEditor &editor() { return *mEditor; }
    // Find, go to date, the keys that move by screen, zoom to fit, the overview strip.
    CanvasNavigator &navigator() { return *mNavigator; }
    // The printer that printing, the preview and the page grid use; it keeps the choices of the
    // last print dialog.
    QPrinter &printer();
    // Writes the whole canvas of the shown timeline to the file, in the format its extension names;
    // false, after telling the user why, when it could not. The page grid is never part of it.
    bool SaveAs(const QString &FileName);
    bool SaveAs(const QString &FileName, const ExportOptions &options);
    // How files and printouts of the shown timeline are made: its page setup, the zoom shown, the
    // picture resolution chosen last.
    ExportOptions exportOptions();
    // The shown timeline's page setup, the defaults when it has none.
    PageSetup pageSetup();
    // The capture window while it is open.
    frmText *captureWindow() const;
    // Closes the capture window, which may ask about its text first; false when it stays open.
    bool closeCaptureWindow();
    // The event picture chooser while it is open.
    frmSelectImage *pictureChooser() const;
    // What the windows share: the clipboards, the text last searched for, the manager's element type.
    WindowSession &session() { return mSession; }

public slots:
    void mnuFileNew_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExportWeb_Click();
    void mnuFileShowPages_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    // Opens the user's copy of the sample project, copying it first when there is none.
    void openSample();
    // Copies the read-only project to a place the user chooses and opens the copy.
    void saveCopy();
    void mnuPath_Click(int index);
    void mnuFileExportEvents_Click();
    void mnuFileImportEvents_Click();
    void mnuToolsManage_Click();
    void mnuToolsCapture_Click();
    void mnuHelpAbout_Click();
    void mnuTimeLineNew_Click();
    void mnuTimelineEdit_Click();
    void mnuTimelineColor_Click();
    void mnuTimeLineDelete_Click();
    // The timeline's categories and its legend, in one step.
    void mnuTimelineCategories_Click();
    void cmbTimeLine0_Click(int row);
    void tmrUnload_Timer();
    void mnuEventNew_Click();
    void mnuEventEdit_Click();
    void mnuFormatZoomIn_Click();
    void mnuFormatZoomOut_Click();
    void mnuFormatCompress1_Click();
    void mnuFormatCompress2_Click();
    // The look of the selected boxes (all of the timeline's on request), in one step.
    void mnuFormatEvent_Click();
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    void mnuFormatScale_Click();
    void mnuFormatArrangeRows_Click();
    // The mouse and keys on the canvas, in canvas twips.
    void Pic_MouseDown(QPointF at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void Pic_MouseMove(QPointF at);
    void Pic_MouseUp(QPointF at, Qt::MouseButton button);
    void Pic_DblClick(QPointF at, Qt::MouseButton button);
    void Pic_KeyDown(int key);
    void sld_Change(int value);
    void selectBox(qint32 id);
    void mnuEventSelectPicture_Click();
    void mnuEventList_Click();
    void mnuEventExclude_Click();
    void mnuEventDelete_Click();
    void mnuEventCopyFormat_Click();
    void mnuEventCopyPicture_Click();
    void mnuEventPasteFormat_Click();
    void mnuEventPastePicture_Click();
    void mnuEventMakeDefFormat_Click();
    void mnuEventMakeDefPicture_Click();
    void mnuTimelineWall_Click();
    void mnuHelpTopics_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void loadWindow();
    // The welcome page and the read-only bar around the canvas.
    void buildStartPages();
    // The welcome page, the read-only bar and the entries a read-only project or no project changes.
    void applyStartState();
    // Opens the project open when the program last ended, unless it was closed before.
    void reopenLast();
    // Remembers at exit whether a project was still open.
    void rememberOpenProject();
    // True while the open project may not be changed.
    bool readOnly() const;
    void buildMenus();
    void buildToolBars();
    QAction *addButton(QToolBar *bar, const QString &key, const QString &text, const QIcon &icon, QAction *same);
    void applyState();
    void updateCaption();
    void showTimeline(qint32 id);
    void buildCanvas();
    void editEvent(qint32 id);
    // Shows the project as stored after an import was done, undone or done again.
    void importChanged();
    void buildEditing();
    // Format > Scale... and Arrange rows, and the canvas's word about sideways drags to scale.
    void buildScale();
    // A box dropped higher or lower on a timeline drawn to scale: one undoable step.
    void pushDropToScale(qint32 id, const std::vector<BoxMove> &moves);
    void buildNavigation();
    void buildBulk();

public:
    // Many events at once (the boxes selected, or rows of the event list), each one step; false when
    // nothing was done. `parent` is the window the questions belong to.
    bool editElementsOf(const std::vector<qint32> &ids, QWidget *parent);
    bool placeElsewhere(const std::vector<qint32> &ids, bool move, QWidget *parent);
    // The events of the boxes selected on the canvas.
    std::vector<qint32> selectedEventIds() const;

private:
    // The selected box's event and format become the current ones.
    void takeSelection();
    // Scrolls the box into view.
    void showBox(qint32 id);
    // Places g.CurEvent on the timeline shown as one undoable step; false when nothing was placed.
    bool placeCurrentEvent(bool newEvent);
    // Stores what the event dialog filled in as a command of the group; false when the user gave up
    // on a clashing date. `dateChanged` learns whether the stored date moved.
    bool storeEvent(CommandGroup &group, clEvent &e, bool *dateChanged = nullptr);
    // Places the event's box on the timeline shown (again, where it had one) as part of the group, and
    // commits the group. A failed placement is taken back and reported; the rest of the group stays.
    void placeInGroup(CommandGroup &group, qint32 id, QString name, bool again);
    // The list and the canvas follow timelines made, changed or deleted by a step.
    void timelinesChanged(qint32 show);
    // The paste entries follow what the clipboards hold.
    void refreshClipboards();
    // "Color" or "Wall" pressed, as the shown timeline's backdrop is.
    void updateBackdropButtons();
    // The open picture chooser follows the selected box.
    void followSelection();
    // What the event list left ticked: unticked boxes go, ticked events come when included; one step.
    void applyEventList(const std::vector<qint32> &ticked, bool include);
    void pasteFormat(const std::vector<qint32> &ids, const QString &text);
    void pastePicture(const std::vector<qint32> &ids, const QString &text);
    // Stores where the legend was dragged, as one step.
    void storeLegendPosition();
    // Tool tips that say what each button does.
    void describeButtons();
    // Draws the page grid for the printer's page while Show printer pages is checked, else none.
    void refreshPageGrid();
    // Runs a command, reporting an unexpected failure instead of ending the program.
    void guarded(const std::function<void()> &command);

    Globals &g;
    UserDialogs &mDialogs;
    WindowSession mSession;
    MenuState mState;
    std::unique_ptr<FontTextMeasurer> mMeasurer;
    std::unique_ptr<TimelineCanvas> mCanvas;
    // Entries whose commands come later; they stay disabled whatever the state says.
    std::set<QAction *> mNotYet;
    QPointer<frmText> mCapture;
    QPointer<frmSelectImage> mPicture;
    QPointer<frmHelp> mHelp;
    InPlaceEditor *mEditor = nullptr;
    CanvasNavigator *mNavigator = nullptr;
    std::unique_ptr<CanvasMouse> mMouse;
    std::unique_ptr<QPrinter> mPrinter;
    // The resolution of the last picture saved, offered for the next (dots per inch).
    double mExportDpi = 300.0;
};

} // namespace qm
