// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datepattern.h"

namespace qm {

namespace {

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype nextCodePoint(QStringView text, qsizetype p)
{
    if (p + 1 < text.size() && text[p].isHighSurrogate() && text[p + 1].isLowSurrogate())
        return p + 2;
    return p + 1;
}

// The engine is told that the text is valid UTF-16, so that it is checked once and not at every
// match. Pasted text can hold a lone surrogate; it becomes U+FFFD, which keeps every offset.
QString withoutLoneSurrogates(const QString &text)
{
    QString clean;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate())
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (clean.isNull())
            clean = text;
        clean[i] = QChar::ReplacementCharacter;
    }
    return clean.isNull() ? text : clean;
}

// Letters as the case-blind engine compares them: the long s (U+017F) is an "s" to it.
char16_t foldedLetter(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z')
        return static_cast<char16_t>(u + (u'a' - u'A'));
    return u == 0x017F ? u's' : u;
}

// Every match begins with a digit or with the first three letters of a month name, in any case.
bool canStartMatch(QStringView text, qsizetype p)
{
    if (isAsciiDigit(text[p]))
        return true;
    if (text.size() - p < 3)
        return false;
    const char16_t a = foldedLetter(text[p]);
    const char16_t b = foldedLetter(text[p + 1]);
    const char16_t c = foldedLetter(text[p + 2]);
    switch (a) {
    case u'j':
        return (b == u'a' && c == u'n') || (b == u'u' && (c == u'n' || c == u'l'));
    case u'f':
        return b == u'e' && c == u'b';
    case u'm':
        return b == u'a' && (c == u'r' || c == u'y');
    case u'a':
        return (b == u'p' && c == u'r') || (b == u'u' && c == u'g');
    case u's':
        return b == u'e' && c == u'p';
    case u'o':
        return b == u'c' && c == u't';
    case u'n':
        return b == u'o' && c == u'v';
    case u'd':
        return b == u'e' && c == u'c';
    default:
        return false;
    }
}

} // namespace

QString DatePattern::patternText()
{
    const QString fullNames =
        QStringLiteral("(January|February|March|April|May|June|July|August|September|October|November|December)");
    // The dot is the pattern's any-character, not a period: "Jan." also finds "Janx".
    const QString dottedNames = QStringLiteral("Jan.|Feb.|Mar.|Apr.|May.|Jun.|Jul.|Aug.|Sep.|Oct.|Nov.|Dec.");
    const QString shortNames = QStringLiteral("|Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec");
    const QString dayAndYear = QStringLiteral(R"(\s+(\d\d*),*\s+((\d\d\d\d)|(\d\d))*)");
    const QString monthDayYear = QStringLiteral(R"((\d\d*)/(\d\d*)/((\d\d\d\d)|(\d\d)))");
    const QString bareYear = QStringLiteral(R"(\d{3,4})");
    const QString monthDay = QStringLiteral(R"((\d\d*)/(\d\d*))");
    const QString era = QStringLiteral("(( BCE)|( BC)|( AD)|( CE))");
    const QString shortYear = QStringLiteral(R"(\d{1,4})");

    const QString month = u'(' + dottedNames + shortNames + u'|' + fullNames + u')';
    const QString monthForm = month + dayAndYear;
    // The order of the alternatives is their priority at each position of the text.
    const QString core = u'(' + monthForm + QStringLiteral(")|(") + monthDayYear + QStringLiteral(")|(") + bareYear +
                         QStringLiteral(")|(") + monthDay + u')';
    const QString dated = u'(' + core + u')' + era + u'*';
    return u'(' + dated + QStringLiteral(")|(") + shortYear + era + u')';
}

DatePattern::DatePattern()
    // Nothing reads the groups: not filling them makes matching faster and lets far longer repetitions
    // run within the engine's limits.
    : mRegex(patternText(), QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption |
                                QRegularExpression::DontCaptureOption)
{
    mRegex.optimize();
}

const DatePattern &DatePattern::shared()
{
    static const DatePattern pattern;
    return pattern;
}

void DatePattern::forEachMatch(const QString &text, const Visitor &visit) const
{
    const QString subject = withoutLoneSurrogates(text);
    const qsizetype n = subject.size();
    qsizetype from = 0;
    while (from < n) {
        QRegularExpressionMatchIterator it = mRegex.globalMatch(subject, from, QRegularExpression::NormalMatch,
                                                                QRegularExpression::DontCheckSubjectStringMatchOption);
        bool jumped = false;
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            const qsizetype end = m.capturedEnd();
            from = acceptMatch(subject, m.capturedStart(), end, visit);
            if (from != end) {
                jumped = true;
                break;
            }
        }
        if (jumped)
            continue;
        // The iterator ends on an engine failure as on the last match; only validity tells them apart.
        if (it.isValid())
            return;
        from = recoverAfterFailure(subject, from, visit);
    }
}

QList<DateMatch> DatePattern::matches(const QString &text) const
{
    QList<DateMatch> result;
    forEachMatch(text, [&](qsizetype first, qsizetype length) {
        result.append({first, length, text.mid(first, length)});
    });
    return result;
}

qsizetype DatePattern::acceptMatch(QStringView text, qsizetype start, qsizetype end, const Visitor &visit) const
{
    visit(start, end - start);
    // A bare four-digit year with more digits after it. The engine would go on through the run four
    // digits at a time, reading the whole rest of the run at each step to try m/d/y first, which fails
    // at every step exactly as it failed here: a run of a million digits would take minutes. So the
    // steps are taken here at once, up to the last four digits, where the end of the run matters again.
    if (end - start != 4 || end >= text.size() || !isAsciiDigit(text[end]))
        return end;
    for (qsizetype i = start; i < end; ++i) {
        if (!isAsciiDigit(text[i]))
            return end;
    }
    qsizetype runEnd = end;
    while (runEnd < text.size() && isAsciiDigit(text[runEnd]))
        ++runEnd;
    qsizetype p = end;
    while (runEnd - p > 4) {
        visit(p, 4);
        p += 4;
    }
    return p;
}

qsizetype DatePattern::recoverAfterFailure(QStringView text, qsizetype from, const Visitor &visit) const
{
    // The engine gave up at some start position after `from` without saying which. Trying the
    // positions one at a time finds it; the search goes on after it.
    for (qsizetype p = from; p < text.size(); p = nextCodePoint(text, p)) {
        if (!canStartMatch(text, p))
            continue;
        const QRegularExpressionMatch m = mRegex.match(text, p, QRegularExpression::NormalMatch,
                                                       QRegularExpression::DontCheckSubjectStringMatchOption |
                                                           QRegularExpression::AnchorAtOffsetMatchOption);
        if (m.hasMatch())
            return acceptMatch(text, p, m.capturedEnd(), visit);
        if (!m.isValid())
            return nextCodePoint(text, p);
    }
    return text.size();
}

} // namespace qm
