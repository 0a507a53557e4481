// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textsearch.h"

#include <algorithm>

namespace qm {

namespace {

bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c) || QChar::category(c) == QChar::Mark_NonSpacing ||
           QChar::category(c) == QChar::Mark_SpacingCombining || c == U'_';
}

// The code point that ends just before `pos`, or 0 at the start of the text.
char32_t codePointBefore(const QString &text, qsizetype pos)
{
    if (pos <= 0)
        return 0;
    const QChar low = text[pos - 1];
    if (low.isLowSurrogate() && pos >= 2 && text[pos - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[pos - 2], low);
    return low.unicode();
}

// The code point that starts at `pos`, or 0 at the end of the text.
char32_t codePointAt(const QString &text, qsizetype pos)
{
    if (pos >= text.size())
        return 0;
    const QChar high = text[pos];
    if (high.isHighSurrogate() && pos + 1 < text.size() && text[pos + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(high, text[pos + 1]);
    return high.unicode();
}

bool isWholeWord(const QString &text, qsizetype pos, qsizetype length)
{
    const char32_t before = codePointBefore(text, pos);
    const char32_t after = codePointAt(text, pos + length);
    return (before == 0 || !isWordCharacter(before)) && (after == 0 || !isWordCharacter(after));
}

} // namespace

qsizetype findInText(const QString &text, const QString &what, qsizetype from, FindOptions options)
{
    if (what.isEmpty() || from > text.size())
        return -1;
    const Qt::CaseSensitivity cs = options.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (qsizetype pos = text.indexOf(what, std::max<qsizetype>(from, 0), cs); pos >= 0;
         pos = text.indexOf(what, pos + 1, cs)) {
        if (!options.wholeWord || isWholeWord(text, pos, what.size()))
            return pos;
    }
    return -1;
}

QString asShown(QString text)
{
    for (QChar &c : text) {
        if (c == QChar::Nbsp || c == QChar(0x202F) || c == QChar(0x2007))
            c = u' ';
    }
    return text;
}

QString replaceFirst(const QString &selection, const QString &what, const QString &replacement)
{
    const qsizetype pos = what.isEmpty() ? -1 : selection.indexOf(what, 0, Qt::CaseSensitive);
    if (pos < 0)
        return selection;
    QString result = selection;
    return result.replace(pos, what.size(), replacement);
}

QString replaceAll(const QString &text, const QString &what, const QString &replacement)
{
    if (what.isEmpty())
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype done = 0;
    for (qsizetype pos = text.indexOf(what, 0, Qt::CaseSensitive); pos >= 0;
         pos = text.indexOf(what, done, Qt::CaseSensitive)) {
        result += QStringView(text).mid(done, pos - done);
        result += replacement;
        done = pos + what.size();
    }
    result += QStringView(text).mid(done);
    return result;
}

} // namespace qm
