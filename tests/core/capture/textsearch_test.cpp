// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/textsearch.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

TEST(FindInText, FindsTheNextOccurrenceWithTheWindowsOptions)
{
    const QString text = "Rome fell; rome rose. Romeo, Rome_x and (Rome).";
    const struct
    {
        const char *name;
        QString text;
        QString what;
        qsizetype from;
        bool matchCase;
        bool wholeWord;
        qsizetype expected;
    } cases[] = {
        {"any case, from the start", text, "rome", 0, false, false, 0},
        {"case must match", text, "rome", 0, true, false, 11},
        {"selection + 1 skips the selected one", text, "Rome", 1, false, false, 11},
        {"whole word skips Romeo and Rome_x", text, "Rome", 12, false, true, 41},
        {"whole word at the start of the text", text, "ROME", 0, false, true, 0},
        {"whole word at the end of the text", "to Rome", "Rome", 0, false, true, 3},
        {"whole word fails inside a word", "Romeo", "Rome", 0, false, true, -1},
        {"whole word next to a letter outside the BMP", "Rome\U0001D400 Rome", "Rome", 0, false, true, 7},
        {"past the last occurrence", text, "Rome", 42, false, false, -1},
        {"from beyond the end", text, "Rome", text.size() + 1, false, false, -1},
        {"nothing to find", text, QString(), 0, false, false, -1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::findInText(c.text, c.what, c.from, {c.matchCase, c.wholeWord}), c.expected) << c.name;
}

TEST(ReplaceText, ReplacesExactlyAndAlwaysEnds)
{
    const struct
    {
        QString text;
        QString what;
        QString replacement;
        QString first;
        QString all;
    } cases[] = {
        {"banana", "a", "b", "bbnana", "bbnbnb"},
        {"banana", "a", "aa", "baanana", "baanaanaa"},
        {"aaaa", "aa", "a", "aaa", "aa"},
        // Letter case always counts here.
        {"Rome rome", "rome", "X", "Rome X", "Rome X"},
        {"Rome", "Paris", "X", "Rome", "Rome"},
        {"Rome", QString(), "X", "Rome", "Rome"},
        {"a-b-c", "-", QString(), "ab-c", "abc"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(qm::replaceFirst(c.text, c.what, c.replacement), c.first) << c.text.toStdString();
        EXPECT_EQ(qm::replaceAll(c.text, c.what, c.replacement), c.all) << c.text.toStdString();
    }
}
