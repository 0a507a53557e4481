// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qm {

// The sentence and the paragraph around a phrase of the pane's text, which become the short and the
// detailed description of a captured event. Starts are 0-based offsets into the text.
struct DateContext
{
    qsizetype sentenceStart = 0;
    qsizetype sentenceLength = 0;
    qsizetype paragraphStart = 0;
    qsizetype paragraphLength = 0;
    QString txtShort;
    QString txtLong;
};

// Looks outwards from the phrase at [firstIndex, firstIndex + length): a sentence ends at a period
// (kept) or a line break, a paragraph at a line break (CR before, LF after) or the text's edge.
// The text's first and last characters are never examined. The sentence comes without blanks around
// it. Neither looks further than a few thousand characters: a longer paragraph is cut at sentence ends,
// a longer sentence between words.
DateContext FindDateContext(const QString &text, qsizetype firstIndex, qsizetype length);

} // namespace qm
