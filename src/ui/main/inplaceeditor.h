// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "edit/editlabelcommand.h"

#include <QObject>
#include <QPlainTextEdit>

#include <vector>

class QAction;
class QComboBox;
class QLineEdit;
class QToolBar;
class QUndoStack;
class QWidget;

namespace qm {

class CanvasView;
class TimelineCanvas;
class UserDialogs;

// The edit box over a label: it wraps the text as the label does, so a name on several lines is
// edited on as many.
class LabelTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LabelTextEdit(QWidget *parent);
    QString text() const { return toPlainText(); }
    void setText(const QString &text) { setPlainText(text); }
    void setAlignment(Qt::Alignment alignment);
    void setFrame(bool frame) { setFrameShape(frame ? QFrame::Box : QFrame::NoFrame); }
};

// The edit box laid over a text of the canvas (title, subtitle, an event's name or date) with the
// edit band that formats it; committing writes the text and its look as one undoable step.
class InPlaceEditor : public QObject
{
    Q_OBJECT
public:
    // The back colour the edit box shows for a transparent label.
    static constexpr qint32 TransparentBack = 0xFFFFFE;

    InPlaceEditor(TimelineCanvas &canvas, CanvasView &view, QUndoStack &stack, UserDialogs &dialogs, QWidget *window);

    LabelTextEdit *Text1 = nullptr;
    // Hidden: asked which sizes a font really has.
    QLineEdit *Text2 = nullptr;
    QToolBar *tbEdit = nullptr;
    QComboBox *cmbFonts = nullptr;
    QComboBox *cmbSizes = nullptr;

    bool isOpen() const;
    // Opens the text for editing; another one still open is committed first.
    void open(LabelKind kind, qint32 id);
    // Closes the edit box, storing what changed as one step; false when storing failed.
    bool commit();
    // Keeps the open box over its text after a scroll.
    void follow();
    const LabelLook &look() const { return mLook; }

public slots:
    void tbEdit_ButtonClick(QAction *button);
    void cmbFonts_Click(int row);
    void cmbSizes_Click(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void enableBand(bool enabled);
    // Nothing pressed or chosen: the band tells nothing of a label no longer edited.
    void clearBand();
    void showState();
    void showLook();
    void refillSizes();
    void place();

    TimelineCanvas &mCanvas;
    CanvasView &mView;
    QUndoStack &mStack;
    UserDialogs &mDialogs;
    QWidget *mWindow;
    LabelKind mKind = LabelKind::Title;
    qint32 mId = -1;
    LabelLook mLook;
    bool mAsking = false;
};

// The sizes from 1 to 36 points the font really takes, each once, smallest first.
std::vector<int> availableFontSizes(const QString &family);

} // namespace qm
