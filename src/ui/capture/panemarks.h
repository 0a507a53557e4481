// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QSyntaxHighlighter>

#include <utility>

class QTextEdit;

namespace qm {

// The marks the capture window puts over its text: found dates in red, the date shown in bold. They are
// drawn over the text, never stored in it: they are no change to save, no format a new text or a paste
// takes on, and marking a hundred thousand dates costs one pass over the text, not one per date.
class PaneMarks : public QSyntaxHighlighter
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

protected:
    void highlightBlock(const QString &text) override;

private:
    // Marks follow the text they stand on as it is edited; a mark whose text is edited goes.
    void follow(int position, int removed, int added);

    QTextEdit *mPane;
    QList<Range> mFound;
};

} // namespace qm
