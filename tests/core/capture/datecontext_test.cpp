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
        {"one line, periods on both sides", "A. B in 1776 c. D.", "1776", "B in 1776 c.", "A. B in 1776 c. D."},
        {"phrase at the very start", "7/4/1776 was hot. Then", "7/4/1776", "7/4/1776 was hot.",
         "7/4/1776 was hot. Then"},
        {"phrase at the very end", "It ended. Then 7/4/1776", "7/4/1776", "Then 7/4/1776", "It ended. Then 7/4/1776"},
        {"phrase is the whole text", "7/4/1776", "7/4/1776", "7/4/1776", "7/4/1776"},
        {"period right before the phrase", "Done.7/4/1776 came. Next", "7/4/1776", "7/4/1776 came.",
         "Done.7/4/1776 came. Next"},
        {"CR LF paragraphs", "First one.\r\nSo in 500 BC a. B\r\nLast.", "500 BC", "So in 500 BC a.",
         "So in 500 BC a. B"},
        {"sentence ends at the line break", "Top\r\nIn 500 BC they\r\nEnd", "500 BC", "In 500 BC they",
         "In 500 BC they"},
        {"period in the paragraph before does not count", "Top.\r\nIn 500 BC. They", "500 BC", "In 500 BC.",
         "In 500 BC. They"},
        {"empty paragraph before", "\r\n\r\n500 BC\r\n", "500 BC", "500 BC", "500 BC"},
        // The first and the last character of the text are never examined.
        {"period as the first character", ".7/4/1776 x", "7/4/1776", ".7/4/1776 x", ".7/4/1776 x"},
        {"one character before the phrase", "x7/4/1776.", "7/4/1776", "x7/4/1776.", "x7/4/1776."},
        {"carriage return as the last character", "In 7/4/1776\r", "7/4/1776", "In 7/4/1776", "In 7/4/1776\r"},
        // Only LF ends a paragraph backwards and only CR forwards, as the pane's CR LF breaks have them.
        {"lone LF line breaks", "a\n7/4/1776 b\nc", "7/4/1776", "7/4/1776 b\nc", "7/4/1776 b\nc"},
        // The phrase's own last character is examined.
        {"phrase ending in a line break", "Top\r\nMarch 15\r\nnext. x", "March 15\r\n", "March 15\r\nnext.",
         "March 15\r\nnext. x"},
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
    const QString text = "ab. cd";
    for (const auto &[first, length] : {std::pair<qsizetype, qsizetype>{-5, 3}, {4, 99}, {99, 1}, {0, 0}}) {
        const qm::DateContext got = qm::FindDateContext(text, first, length);
        EXPECT_LE(got.sentenceStart + got.sentenceLength, text.size());
        EXPECT_LE(got.paragraphStart + got.paragraphLength, text.size());
    }
    EXPECT_EQ(qm::FindDateContext(QString(), 0, 0).txtLong, QString());
}

TEST(FindDateContext, KeepsTheDescriptionsOfEndlessLinesShort)
{
    QString sentences;
    QString words;
    while (sentences.size() < 200000)
        sentences += "In 1940 they came. ";
    while (words.size() < 200000)
        words += "and 1940 came ";
    for (const QString &text : {sentences, words}) {
        const qsizetype first = text.indexOf("1940", 100000);
        const qm::DateContext c = qm::FindDateContext(text, first, 4);
        EXPECT_GE(c.txtLong.size(), 1000);
        EXPECT_LE(c.txtLong.size(), 4000);
        EXPECT_TRUE(c.txtLong.contains(c.txtShort));
        EXPECT_TRUE(c.txtShort.contains("1940"));
        EXPECT_EQ(c.txtShort, c.txtShort.trimmed());
    }
    // Cut at sentence ends.
    const qm::DateContext c = qm::FindDateContext(sentences, sentences.indexOf("1940", 100000), 4);
    EXPECT_EQ(c.txtShort, "In 1940 they came.");
    EXPECT_TRUE(c.txtLong.startsWith(" In 1940"));
    EXPECT_TRUE(c.txtLong.endsWith("came."));
}
