// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/datecontext.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

TEST(FindDateContext, TakesTheSentenceAndTheParagraphAroundThePhrase)
{
    const struct
    {
        const char *name;
        QString text;
        QString phrase; // its first occurrence is the match
        QString txtShort;
        QString txtLong;
    } cases[] = {
        {"one line, periods on both sides", QStringLiteral("A. B in 1776 c. D."), QStringLiteral("1776"),
         QStringLiteral(" B in 1776 c."), QStringLiteral("A. B in 1776 c. D.")},
        {"no period, no line break", QStringLiteral("In 7/4/1776 they met"), QStringLiteral("7/4/1776"),
         QStringLiteral("In 7/4/1776 they met"), QStringLiteral("In 7/4/1776 they met")},
        {"phrase at the very start", QStringLiteral("7/4/1776 was hot. Then"), QStringLiteral("7/4/1776"),
         QStringLiteral("7/4/1776 was hot."), QStringLiteral("7/4/1776 was hot. Then")},
        {"phrase at the very end", QStringLiteral("It ended. Then 7/4/1776"), QStringLiteral("7/4/1776"),
         QStringLiteral(" Then 7/4/1776"), QStringLiteral("It ended. Then 7/4/1776")},
        {"phrase is the whole text", QStringLiteral("7/4/1776"), QStringLiteral("7/4/1776"), QStringLiteral("7/4/1776"),
         QStringLiteral("7/4/1776")},
        {"period right before the phrase", QStringLiteral("Done.7/4/1776 came. Next"), QStringLiteral("7/4/1776"),
         QStringLiteral("7/4/1776 came."), QStringLiteral("Done.7/4/1776 came. Next")},
        {"CR LF paragraphs", QStringLiteral("First one.\r\nSo in 500 BC a. B\r\nLast."), QStringLiteral("500 BC"),
         QStringLiteral("So in 500 BC a."), QStringLiteral("So in 500 BC a. B")},
        {"sentence ends at the line break", QStringLiteral("Top\r\nIn 500 BC they\r\nEnd"), QStringLiteral("500 BC"),
         QStringLiteral("In 500 BC they"), QStringLiteral("In 500 BC they")},
        {"period in the paragraph before does not count", QStringLiteral("Top.\r\nIn 500 BC. They"),
         QStringLiteral("500 BC"), QStringLiteral("In 500 BC."), QStringLiteral("In 500 BC. They")},
        {"first paragraph, second sentence", QStringLiteral("Up. In 500 BC ok\r\nDown"), QStringLiteral("500 BC"),
         QStringLiteral(" In 500 BC ok"), QStringLiteral("Up. In 500 BC ok")},
        {"empty paragraph before", QStringLiteral("\r\n\r\n500 BC\r\n"), QStringLiteral("500 BC"),
         QStringLiteral("500 BC"), QStringLiteral("500 BC")},
        // The first and the last character of the text are never examined.
        {"period as the first character", QStringLiteral(".7/4/1776 x"), QStringLiteral("7/4/1776"),
         QStringLiteral(".7/4/1776 x"), QStringLiteral(".7/4/1776 x")},
        {"one character before the phrase", QStringLiteral("x7/4/1776."), QStringLiteral("7/4/1776"),
         QStringLiteral("x7/4/1776."), QStringLiteral("x7/4/1776.")},
        {"carriage return as the last character", QStringLiteral("In 7/4/1776\r"), QStringLiteral("7/4/1776"),
         QStringLiteral("In 7/4/1776\r"), QStringLiteral("In 7/4/1776\r")},
        // Only LF ends a paragraph backwards and only CR forwards, as the pane's CR LF breaks have them.
        {"lone LF line breaks", QStringLiteral("a\n7/4/1776 b\nc"), QStringLiteral("7/4/1776"),
         QStringLiteral("7/4/1776 b\nc"), QStringLiteral("7/4/1776 b\nc")},
        // The phrase's own last character is examined.
        {"phrase ending in a line break", QStringLiteral("Top\r\nMarch 15\r\nnext. x"), QStringLiteral("March 15\r\n"),
         QStringLiteral("March 15\r\nnext."), QStringLiteral("March 15\r\nnext. x")},
    };
    for (const auto &c : cases) {
        const qsizetype first = c.text.indexOf(c.phrase);
        ASSERT_GE(first, 0) << c.name;
        const qm::DateContext got = qm::FindDateContext(c.text, first, c.phrase.size());
        EXPECT_EQ(got.txtShort, c.txtShort) << c.name;
        EXPECT_EQ(got.txtLong, c.txtLong) << c.name;
        EXPECT_EQ(c.text.mid(got.sentenceStart, got.sentenceLength), got.txtShort) << c.name;
        EXPECT_EQ(c.text.mid(got.paragraphStart, got.paragraphLength), got.txtLong) << c.name;
    }
}

TEST(FindDateContext, StaysInsideTheTextWhateverItIsGiven)
{
    const QString text = QStringLiteral("ab. cd");
    for (const auto &[first, length] : {std::pair<qsizetype, qsizetype>{-5, 3}, {4, 99}, {99, 1}, {0, 0}}) {
        const qm::DateContext got = qm::FindDateContext(text, first, length);
        EXPECT_LE(got.sentenceStart + got.sentenceLength, text.size());
        EXPECT_LE(got.paragraphStart + got.paragraphLength, text.size());
    }
    EXPECT_EQ(qm::FindDateContext(QString(), 0, 0).txtLong, QString());
}
