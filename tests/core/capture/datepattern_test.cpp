// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/datepattern.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

#include <random>

using qm::DatePattern;

namespace {

// "offset:phrase" of every match, joined by "|".
QString describe(const QList<qm::DateMatch> &matches)
{
    QStringList parts;
    for (const qm::DateMatch &m : matches)
        parts << QStringLiteral("%1:%2").arg(m.FirstIndex).arg(m.Value);
    return parts.join(u'|');
}

QString found(const QString &text)
{
    return describe(DatePattern::shared().matches(text));
}

// The engine's own answer, without any help: all that the scanner does on top must not change it.
QString plainEngine(const QString &text)
{
    static const QRegularExpression re(DatePattern::patternText(),
                                       QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    QList<qm::DateMatch> matches;
    QRegularExpressionMatchIterator it = re.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        matches.append({m.capturedStart(), m.capturedLength(), m.captured()});
    }
    EXPECT_TRUE(it.isValid()) << "the engine failed on a test text";
    return describe(matches);
}

} // namespace

TEST(DatePattern, FindsPhrasesLeftmostFirstWithoutOverlaps)
{
    const QString surrogate = QString(QChar(0xD800));
    const struct
    {
        QString text;
        QString expected;
    } cases[] = {
        {"On January 5, 1776 the army", "3:January 5, 1776"},
        {"12/25/1990", "0:12/25/1990"},
        {"on 7/4 we", "3:7/4"},
        {"7/4/76.", "0:7/4/76"},
        {"about 50 BC", "6:50 BC"},
        {"in 1492 he", "3:1492"},
        // The day must be followed by white space, which then belongs to the match.
        {"March 15", QString()},
        {"March 15 ", "0:March 15 "},
        {"March 15\r\n1776 x", "0:March 15\r\n1776"},
        // "Jan." ends in the any-character.
        {"Janx 5 1900", "0:Janx 5 1900"},
        {"JANUARY 5, 1776 and dec 25, 1990", "0:JANUARY 5, 1776|20:dec 25, 1990"},
        // No word boundaries: a long number yields its first four digits.
        {"12345", "0:1234"},
        {"12345 BC", "0:1234|4:5 BC"},
        {"A1776B", "1:1776"},
        // Era words: one blank before, any letter case, several in a row, the longest first.
        {"44 BCE and 1066 ad", "0:44 BCE|11:1066 ad"},
        {"300 BC BC x", "0:300 BC BC"},
        {"1066AD", "0:1066"},
        {"5 CE, 7/4 BC", "0:5 CE|6:7/4 BC"},
        // A three-digit year after a month name is read two digits at a time.
        {"December 25, 800 AD", "0:December 25, 80|15:0 AD"},
        {"1/2/3/4", "0:1/2|4:3/4"},
        // Offsets count UTF-16 code units.
        {"\U0001F600 7/4/1776", "3:7/4/1776"},
        {surrogate + QStringLiteral(" 7/4"), "2:7/4"},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(found(c.text), c.expected) << c.text.toStdString();
}

TEST(DatePattern, GivesTheEnginesOwnMatchesOnLongRunsOfDigits)
{
    // Long runs of digits are taken in a shortcut; these texts are small enough for the engine alone.
    std::mt19937 random(1776);
    const QString pieces[] = {"/", " ", " BC", " AD", "x", "\r\n", ", ", "May ", "Jan. "};
    for (int i = 0; i < 400; ++i) {
        QString text;
        const int parts = 1 + static_cast<int>(random() % 6);
        for (int p = 0; p < parts; ++p) {
            const int digits = static_cast<int>(random() % 40);
            for (int d = 0; d < digits; ++d)
                text += QChar(u'0' + static_cast<char16_t>(random() % 10));
            text += pieces[random() % std::size(pieces)];
        }
        ASSERT_EQ(found(text), plainEngine(text)) << text.toStdString();
    }
}

TEST(DatePattern, SurvivesInputsThatExhaustTheEngine)
{
    const QString tail = " then 12/25/1990";
    const struct
    {
        const char *name;
        QString text;
        qsizetype count;   // -1: not checked
        QString lastMatch; // "offset:phrase"
    } cases[] = {
        {"a million digits", QString(1000000, u'7'), 250000, "999996:7777"},
        {"a million digits then a date", QString(1000001, u'1') + tail, -1, "1000007:12/25/1990"},
        {"month names without days", QStringLiteral("January ").repeated(125000) + tail, 1, "1000006:12/25/1990"},
        {"a day followed by a million digits", QStringLiteral("January 5, ") + QString(1000000, u'2') + tail, -1,
         "1000017:12/25/1990"},
        {"endless era words", QStringLiteral("1776") + QStringLiteral(" BC").repeated(300000) + tail, -1,
         "900010:12/25/1990"},
    };
    for (const auto &c : cases) {
        const QList<qm::DateMatch> matches = DatePattern::shared().matches(c.text);
        ASSERT_FALSE(matches.isEmpty()) << c.name;
        if (c.count >= 0) {
            EXPECT_EQ(matches.size(), c.count) << c.name;
        }
        EXPECT_EQ(describe({matches.back()}), c.lastMatch) << c.name;
        for (qsizetype i = 1; i < matches.size(); ++i)
            ASSERT_GE(matches[i].FirstIndex, matches[i - 1].FirstIndex + matches[i - 1].Length) << c.name;
    }

    // Digits and slashes in any order: done in a moment, whatever is found.
    std::mt19937 random(44);
    QString mixed;
    for (int i = 0; i < 1000000; ++i)
        mixed += random() % 4 == 0 ? QChar(u'/') : QChar(u'0' + static_cast<char16_t>(random() % 10));
    EXPECT_FALSE(DatePattern::shared().matches(mixed).isEmpty());
}
