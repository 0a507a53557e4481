// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "capture/capturesession.h"
#include "capture/textfile.h"
#include "frmfind.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QTextEdit;
class QToolBar;

namespace qm {

class Globals;
class PaneMarks;
class UserDialogs;
class WindowSession;

// The capture window: a document in a text pane whose dates are found, shown one at a time with the
// sentence, paragraph and known names around them, and accepted as events of the project.
class frmText : public QWidget
{
    Q_OBJECT
public:
    frmText(Globals &globals, WindowSession &windows, UserDialogs &dialogs, QWidget *parent = nullptr);
    ~frmText() override;

    // How accepted events reach the timeline the main window shows.
    void setTimeline(const CaptureTimeline &timeline) { mSession.timeline = timeline; }
    CaptureSession &session() { return mSession; }
    // What the windows share, such as the text last searched for.
    WindowSession &windowSession() { return mWindows; }

    void ScanDates();
    void ShowFoundDate(int index);
    void UpdateDateNavigation();
    void AcceptEvent();
    void AcceptAllEvents();
    // Selects the next occurrence of FindText after the selection, offering to start over at the top.
    bool SearchText(bool matchCase, bool wholeWord);

    // Loads a file into the pane: HTML and Markdown as rich text, the text of a Word or OpenDocument
    // document and anything else as plain text.
    bool loadFile(const QString &path);
    // Writes the pane to a file: HTML, OpenDocument text or Markdown by the name's suffix, else plain text.
    bool writeFile(const QString &path);
    // Asks before changes of the pane that were never saved are dropped; true when they may go.
    bool confirmDiscard();
    PaneMarks *marks() const { return mMarks; }
    // How long a scan or a run of AcceptAll goes before it shows its progress, in milliseconds.
    void setProgressDelay(int milliseconds) { mProgressDelay = milliseconds; }
    frmFind *findWindow() const { return mFind; }

    QWidget *cbar = nullptr;
    QToolBar *tbFile = nullptr;
    QToolBar *tbEdit = nullptr;
    QToolBar *tbEvent = nullptr;
    QAction *btnOpen = nullptr;
    QAction *btnSave = nullptr;
    QAction *btnPaste = nullptr;
    QAction *btnFind = nullptr;
    QAction *btnScan = nullptr;
    QAction *btnNext = nullptr;
    QAction *btnPrev = nullptr;
    QAction *btnAccept = nullptr;
    QAction *btnAcceptAll = nullptr;

    QLineEdit *txtDateLabel = nullptr;
    // "in the project" when the project holds the shown date's event already.
    QLabel *lblInProject = nullptr;
    QLineEdit *txtDate = nullptr;
    // The end of a period; empty for a point in time.
    QLineEdit *txtEnds = nullptr;
    QPlainTextEdit *txtShort = nullptr;
    QPlainTextEdit *txtLong = nullptr;
    QLineEdit *txtActors = nullptr;
    QLineEdit *txtWhere = nullptr;
    QLineEdit *txtSource = nullptr;
    QLineEdit *txtKeyword = nullptr;
    QPushButton *cmdCaptureShort = nullptr;
    QPushButton *cmdCaptureLong = nullptr;
    QPushButton *cmdCaptureActors = nullptr;
    QPushButton *cmdCaptureWhere = nullptr;
    QPushButton *cmdCaptureSource = nullptr;
    QPushButton *cmdCaptureKeword = nullptr;
    QCheckBox *chkAdvance = nullptr;
    QCheckBox *chkInclude = nullptr;
    QPushButton *cmdCapture = nullptr;
    QLineEdit *txtCapture = nullptr;
    QLabel *lblWritten = nullptr;
    QLineEdit *txtWritten = nullptr;
    QLabel *lblAs = nullptr;
    QComboBox *cmbElementType = nullptr;
    QSplitter *pSplit = nullptr;
    QTextEdit *rtb = nullptr;
    QLabel *lblStatus = nullptr;

public slots:
    void tbFile_ButtonClick(QAction *button);
    void tbEdit_ButtonClick(QAction *button);
    void tbEvent_ButtonClick(QAction *button);
    void cmdCaptureShort_Click();
    void cmdCaptureLong_Click();
    void cmdCaptureActors_Click();
    void cmdCaptureWhere_Click();
    void cmdCaptureSource_Click();
    void cmdCaptureKeword_Click();
    void cmdCapture_Click();
    void chkAdvance_Click();
    void txtDate_Change();
    void txtDate_LostFocus();
    void rtb_SelChange();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolBars();
    QWidget *buildFields();
    QWidget *buildPane();
    void openTextFile();
    void saveTextFile();
    // False, with a message, for a file the text must not be written to: a document it was read from.
    bool mayWrite(const QString &path);
    void showFind();
    void captureElement(CaptureList list, QLineEdit *field);
    // Empties the event fields, so that nothing of another text can be accepted.
    void clearEventFields();
    // The selection of the pane, each line break a "\n".
    QString selectedText() const;
    CaptureFields currentFields() const;
    // The check boxes follow what the main window and the event dialog changed meanwhile.
    void followSharedState();
    bool dateIsFree(const QString &text);
    void status(const QString &text);
    // Runs a command, reporting an unexpected failure instead of ending the program.
    void guarded(const std::function<void()> &command);

    Globals &g;
    WindowSession &mWindows;
    UserDialogs &mDialogs;
    CaptureSession mSession;
    QPointer<frmFind> mFind;
    PaneMarks *mMarks = nullptr;
    QString mFilePath;
    // The word processor document the text came from, which a save never writes over; "" for other texts.
    QString mDocumentPath;
    // How the text's file was written; a plain-text save writes it alike.
    TextFileFormat mFileFormat;
    int mProgressDelay = 400;
};

} // namespace qm
