// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace qm {

// A document's plain text with every line break as the pair CR LF, as the capture rules read it, and
// the way back from a position of that text to the position of the same character in the document,
// where a line break is one character.
class PaneText
{
public:
    PaneText() = default;
    // `documentText` holds one character per line break (LF, or a lone CR).
    explicit PaneText(const QString &documentText);

    const QString &text() const { return mText; }
    qsizetype toDocument(qsizetype panePosition) const;

private:
    QString mText;
    // Positions in mText of the LF of every CR LF pair, ascending: each stands for no document character.
    QList<qsizetype> mAdded;
};

} // namespace qm
