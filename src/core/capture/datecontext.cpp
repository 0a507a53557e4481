// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datecontext.h"

#include <algorithm>

namespace qm {

namespace {

// How far the description looks each way from the date. A text of one endless line still gives a few
// thousand characters, and finding them costs the same for every date, however many there are.
constexpr qsizetype Reach = 1500;

bool isBlank(QChar c)
{
    return c.isSpace();
}

} // namespace

DateContext FindDateContext(const QString &text, qsizetype firstIndex, qsizetype length)
{
    const qsizetype n = text.size();
    firstIndex = std::clamp<qsizetype>(firstIndex, 0, n);
    length = std::clamp<qsizetype>(length, 0, n - firstIndex);

    // Backwards from the character before the phrase; the first character of the text is not looked
    // at, and a phrase at the very start has its sentence and paragraph start there.
    const qsizetype lo = std::max<qsizetype>(1, firstIndex - Reach);
    qsizetype sentenceStart = -1;
    qsizetype paragraphStart = lo == 1 ? 0 : -1; // -1: beyond reach
    for (qsizetype i = firstIndex - 1; i >= lo; --i) {
        if (text[i] == u'.' && sentenceStart < 0)
            sentenceStart = i + 1;
        if (text[i] == u'\n') {
            paragraphStart = i + 1;
            break;
        }
    }
    if (sentenceStart < 0 && paragraphStart >= 0)
        sentenceStart = paragraphStart;
    if (sentenceStart < 0) {
        // A sentence longer than the reach is cut between words.
        sentenceStart = lo;
        while (sentenceStart < firstIndex && !isBlank(text[sentenceStart]))
            ++sentenceStart;
    }

    // Forwards from the phrase's own last character; the last character of the text is not looked at.
    const qsizetype from = std::max<qsizetype>(firstIndex + length - 1, 0);
    const qsizetype hi = std::min<qsizetype>(n - 2, from + Reach);
    qsizetype sentenceEnd = -1; // inclusive
    qsizetype paragraphEnd = hi == n - 2 ? n - 1 : -1;
    for (qsizetype i = from; i <= hi; ++i) {
        if (text[i] == u'.' && sentenceEnd < 0)
            sentenceEnd = i;
        if (text[i] == u'\r') {
            paragraphEnd = i - 1;
            break;
        }
    }
    if (sentenceEnd < 0 && paragraphEnd >= 0)
        sentenceEnd = paragraphEnd;
    if (sentenceEnd < 0) {
        sentenceEnd = hi;
        while (sentenceEnd > from && !isBlank(text[sentenceEnd]))
            --sentenceEnd;
    }

    // A paragraph beyond reach is the sentence with its neighbours, cut at sentence ends.
    if (paragraphStart < 0) {
        paragraphStart = sentenceStart;
        for (qsizetype i = lo; i < sentenceStart; ++i) {
            if (text[i] == u'.') {
                paragraphStart = i + 1;
                break;
            }
        }
    }
    if (paragraphEnd < 0) {
        paragraphEnd = sentenceEnd;
        for (qsizetype i = hi; i > sentenceEnd; --i) {
            if (text[i] == u'.') {
                paragraphEnd = i;
                break;
            }
        }
    }

    // The sentence proposes the event's name: no blanks or line breaks around it.
    while (sentenceStart <= sentenceEnd && isBlank(text[sentenceStart]))
        ++sentenceStart;
    while (sentenceEnd >= sentenceStart && sentenceEnd < n && isBlank(text[sentenceEnd]))
        --sentenceEnd;

    DateContext c;
    c.sentenceStart = sentenceStart;
    c.sentenceLength = std::max<qsizetype>(sentenceEnd - sentenceStart + 1, 0);
    c.paragraphStart = paragraphStart;
    c.paragraphLength = std::max<qsizetype>(paragraphEnd - paragraphStart + 1, 0);
    c.txtShort = text.mid(c.sentenceStart, c.sentenceLength);
    c.txtLong = text.mid(c.paragraphStart, c.paragraphLength);
    return c;
}

} // namespace qm
