// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QTextCursor>
#include <QTimer>

#include <utility>

class QTextEdit;

namespace qm {

// The marks the capture window puts over its text: found dates in red, the date shown in bold. They are
// drawn over the text, never stored in it: they are no change to save and no format a new text or a
// paste takes on. Only the marks in the part of the text on screen are drawn, so that a text with a
// hundred thousand dates is marked at once, without laying out the whole document.
class PaneMarks : public QObject
{
    Q_OBJECT
public:
    using Range = std::pair<qsizetype, qsizetype>; // start, length

    explicit PaneMarks(QTextEdit *pane);

    // Colours these ranges of the pane's document, in ascending order, red; marks before go.
    void setFoundDates(const QList<Range> &ranges);
    // Makes the range the one shown date.
    void showDate(qsizetype start, qsizetype length);
    void clear();

    bool isFound(qsizetype position) const;
    // The range of the shown date, (0, 0) when none.
    Range shownDate() const;
    // How many found dates are drawn now: those on screen.
    qsizetype drawnCount() const { return mDrawn; }

private:
    // Marks follow the text they stand on as it is edited; a mark whose text is edited goes.
    void follow(int position, int removed, int added);
    // Draws the marks of the part of the text on screen, once the pane has settled.
    void redrawSoon() { mRedraw.start(); }
    void redraw();

    QTextEdit *mPane;
    QList<Range> mFound;
    QTextCursor mShown;
    QTimer mRedraw;
    qsizetype mDrawn = 0;
};

} // namespace qm
