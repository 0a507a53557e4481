// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panemarks.h"

#include <QColor>
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace qm {

PaneMarks::PaneMarks(QTextEdit *pane) : QSyntaxHighlighter(static_cast<QObject *>(pane)), mPane(pane)
{
    // Connected before the highlighter's own reaction to edits, so that it paints the moved marks.
    connect(pane->document(), &QTextDocument::contentsChange, this, &PaneMarks::follow);
    setDocument(pane->document());
}

void PaneMarks::setFoundDates(const QList<Range> &ranges)
{
    mFound = ranges;
    rehighlight();
}

void PaneMarks::clear()
{
    mPane->setExtraSelections({});
    if (!mFound.isEmpty()) {
        mFound.clear();
        rehighlight();
    }
}

void PaneMarks::showDate(qsizetype start, qsizetype length)
{
    QTextEdit::ExtraSelection shown;
    const int last = mPane->document()->characterCount() - 1;
    shown.cursor = QTextCursor(mPane->document());
    shown.cursor.setPosition(std::clamp<int>(static_cast<int>(start), 0, last));
    shown.cursor.setPosition(std::clamp<int>(static_cast<int>(start + length), 0, last), QTextCursor::KeepAnchor);
    shown.format.setFontWeight(QFont::Bold);
    shown.format.setFontUnderline(true);
    mPane->setExtraSelections({shown});
}

PaneMarks::Range PaneMarks::shownDate() const
{
    const QList<QTextEdit::ExtraSelection> shown = mPane->extraSelections();
    if (shown.isEmpty() || !shown.front().cursor.hasSelection())
        return {0, 0};
    const QTextCursor &c = shown.front().cursor;
    return {c.selectionStart(), c.selectionEnd() - c.selectionStart()};
}

bool PaneMarks::isFound(qsizetype position) const
{
    const auto it = std::upper_bound(mFound.cbegin(), mFound.cend(), position,
                                     [](qsizetype p, const Range &r) { return p < r.first; });
    return it != mFound.cbegin() && position < std::prev(it)->first + std::prev(it)->second;
}

void PaneMarks::highlightBlock(const QString &text)
{
    if (mFound.isEmpty())
        return;
    const qsizetype begin = currentBlock().position();
    const qsizetype end = begin + text.size();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    // The first mark that ends inside or after this block, then on while they start in it.
    auto it = std::lower_bound(mFound.cbegin(), mFound.cend(), begin,
                               [](const Range &r, qsizetype p) { return r.first + r.second <= p; });
    for (; it != mFound.cend() && it->first < end; ++it) {
        const qsizetype from = std::max(it->first, begin);
        const qsizetype to = std::min(it->first + it->second, end);
        if (to > from)
            setFormat(static_cast<int>(from - begin), static_cast<int>(to - from), red);
    }
}

void PaneMarks::follow(int position, int removed, int added)
{
    // Format changes, the highlighter's own among them, report as many characters removed as added.
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
