// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qm {

// How the capture window's Find searches: letter case counts or not, and whole words only.
struct FindOptions
{
    bool matchCase = false;
    bool wholeWord = false;
};

// Position of the first occurrence of `what` in `text` at or after `from`, or -1. A whole word is an
// occurrence bounded on both sides by a character that is not a letter, digit or underscore, or by an
// edge of the text. Finding an empty text always fails.
qsizetype findInText(const QString &text, const QString &what, qsizetype from, FindOptions options);

// The text as a reader sees it: non-breaking spaces are spaces. One character for one, so that a
// position in it is the position in the text; Find compares texts in this form.
QString asShown(QString text);

// The selection with its first occurrence of `what` replaced, letter case counting whatever the options
// say; unchanged when it has none.
QString replaceFirst(const QString &selection, const QString &what, const QString &replacement);

// Every occurrence of `what` replaced, left to right, letter case counting; a replacement is never
// searched again, so a replacement that contains `what` ends too.
QString replaceAll(const QString &text, const QString &what, const QString &replacement);

} // namespace qm
