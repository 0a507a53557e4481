// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panemarks.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace qm {

namespace {

// More marks than a screen can hold: a pane of one endless line draws no more than these.
constexpr qsizetype MaxDrawn = 4000;

} // namespace

PaneMarks::PaneMarks(QTextEdit *pane) : QObject(pane), mPane(pane)
{
    mRedraw.setSingleShot(true);
    mRedraw.setInterval(0);
    connect(&mRedraw, &QTimer::timeout, this, &PaneMarks::redraw);
    connect(pane->document(), &QTextDocument::contentsChange, this, &PaneMarks::follow);
    connect(pane->verticalScrollBar(), &QScrollBar::valueChanged, this, &PaneMarks::redrawSoon);
    connect(pane->horizontalScrollBar(), &QScrollBar::valueChanged, this, &PaneMarks::redrawSoon);
    // A wider or taller pane shows more of the text.
    connect(pane->verticalScrollBar(), &QScrollBar::rangeChanged, this, &PaneMarks::redrawSoon);
}

void PaneMarks::setFoundDates(const QList<Range> &ranges)
{
    mFound = ranges;
    redraw();
}

void PaneMarks::clear()
{
    mFound.clear();
    mShown = QTextCursor();
    redraw();
}

void PaneMarks::showDate(qsizetype start, qsizetype length)
{
    const int last = mPane->document()->characterCount() - 1;
    mShown = QTextCursor(mPane->document());
    mShown.setPosition(std::clamp<int>(static_cast<int>(start), 0, last));
    mShown.setPosition(std::clamp<int>(static_cast<int>(start + length), 0, last), QTextCursor::KeepAnchor);
    redraw();
}

PaneMarks::Range PaneMarks::shownDate() const
{
    if (mShown.isNull() || !mShown.hasSelection())
        return {0, 0};
    return {mShown.selectionStart(), mShown.selectionEnd() - mShown.selectionStart()};
}

bool PaneMarks::isFound(qsizetype position) const
{
    const auto it = std::upper_bound(mFound.cbegin(), mFound.cend(), position,
                                     [](qsizetype p, const Range &r) { return p < r.first; });
    return it != mFound.cbegin() && position < std::prev(it)->first + std::prev(it)->second;
}

void PaneMarks::redraw()
{
    mRedraw.stop();
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument *doc = mPane->document();
    if (!mFound.isEmpty()) {
        // From the start of the first block on screen to the end of the last one.
        const QRect view = mPane->viewport()->rect();
        const int from = mPane->cursorForPosition(view.topLeft()).block().position();
        const QTextBlock lastBlock = mPane->cursorForPosition(view.bottomRight()).block();
        const int to = lastBlock.position() + lastBlock.length();
        const int last = doc->characterCount() - 1;
        QTextCharFormat red;
        red.setForeground(QColor(255, 0, 0));
        auto it = std::lower_bound(mFound.cbegin(), mFound.cend(), from,
                                   [](const Range &r, qsizetype p) { return r.first + r.second <= p; });
        for (; it != mFound.cend() && it->first < to && marks.size() < MaxDrawn; ++it) {
            QTextEdit::ExtraSelection mark{QTextCursor(doc), red};
            mark.cursor.setPosition(std::min<int>(static_cast<int>(it->first), last));
            mark.cursor.setPosition(std::min<int>(static_cast<int>(it->first + it->second), last),
                                    QTextCursor::KeepAnchor);
            marks.append(mark);
        }
    }
    mDrawn = marks.size();
    if (!mShown.isNull() && mShown.hasSelection()) {
        QTextCharFormat shown;
        shown.setFontWeight(QFont::Bold);
        shown.setFontUnderline(true);
        // Drawn after the red marks, so that the shown date is both red and bold.
        marks.append({mShown, shown});
    }
    mPane->setExtraSelections(marks);
}

void PaneMarks::follow(int position, int removed, int added)
{
    if (!mFound.isEmpty() || !mShown.isNull())
        redrawSoon();
    // Format changes report as many characters removed as added.
    if (mFound.isEmpty() || removed == added)
        return;
    const qsizetype shift = added - removed;
    QList<Range> moved;
    moved.reserve(mFound.size());
    for (const Range &r : std::as_const(mFound)) {
        if (r.first + r.second <= position)
            moved.append(r);
        else if (r.first >= position + removed)
            moved.append({r.first + shift, r.second});
    }
    mFound = std::move(moved);
}

} // namespace qm
