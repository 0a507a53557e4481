// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datecontext.h"

#include <algorithm>

namespace qm {

DateContext FindDateContext(const QString &text, qsizetype firstIndex, qsizetype length)
{
    const qsizetype n = text.size();
    firstIndex = std::clamp<qsizetype>(firstIndex, 0, n);
    length = std::clamp<qsizetype>(length, 0, n - firstIndex);

    // Backwards from the character before the phrase; the first character of the text is not looked
    // at, and a phrase at the very start has its sentence and paragraph start there.
    qsizetype sentenceStart = -1;
    qsizetype paragraphStart = 0;
    for (qsizetype i = firstIndex - 1; i >= 1; --i) {
        if (text[i] == u'.' && sentenceStart < 0)
            sentenceStart = i + 1;
        if (text[i] == u'\n') {
            paragraphStart = i + 1;
            break;
        }
    }
    if (sentenceStart < 0)
        sentenceStart = paragraphStart;

    // Forwards from the phrase's own last character; the last character of the text is not looked at.
    qsizetype sentenceEnd = -1; // inclusive
    qsizetype paragraphEnd = n - 1;
    for (qsizetype i = std::max<qsizetype>(firstIndex + length - 1, 0); i <= n - 2; ++i) {
        if (text[i] == u'.' && sentenceEnd < 0)
            sentenceEnd = i;
        if (text[i] == u'\r') {
            paragraphEnd = i - 1;
            break;
        }
    }
    if (sentenceEnd < 0)
        sentenceEnd = paragraphEnd;

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
