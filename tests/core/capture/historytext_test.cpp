// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/datecontext.h"
#include "capture/datescanner.h"
#include "capture/textfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString historyText()
{
    return qm::toPaneLineBreaks(
        qm::decodeTextFile(qmtest::fileBytes(QStringLiteral(QM_TEST_DATA_DIR "/jargon-4.4.7-excerpt.txt"))));
}

} // namespace

TEST(HistoryText, FindsTheDatesOfARealText)
{
    qmtest::TempProject t;
    const QString text = historyText();
    ASSERT_GT(text.size(), 280000);

    const qm::FoundDates found = qm::ScanDates(text, t.g.dateEnv());
    ASSERT_EQ(found.size(), 114);
    for (const qm::FoundDate &f : found)
        EXPECT_EQ(text.mid(f.FirstIndex, f.Length), f.Value);
    const auto at = [&](qsizetype firstIndex) {
        const auto it = std::find_if(found.cbegin(), found.cend(),
                                     [&](const qm::FoundDate &f) { return f.FirstIndex == firstIndex; });
        return it == found.cend() ? QString() : it->Value + u'=' + it->Date.Render();
    };
    // What the one pattern found right stays where it was, with the same date.
    EXPECT_EQ(at(35968), "March 30, 1993=3/30/1993");
    EXPECT_EQ(at(105047), "April 1, 1980=4/1/1980");
    EXPECT_EQ(at(199924), "September 9, 1947=9/9/1947");
    EXPECT_EQ(at(285996), "April 1968=4/1/1968");
    // Not years: a table of binary numbers, a standard's number.
    EXPECT_EQ(text.count(QStringLiteral("0111 1000 1001")), 1);
    for (const qm::FoundDate &f : found) {
        EXPECT_NE(f.Value, "1001");
        EXPECT_NE(f.Value, "1971");
    }

    const auto bug = std::find_if(found.cbegin(), found.cend(),
                                  [](const qm::FoundDate &f) { return f.Value == "September 9, 1947"; });
    ASSERT_NE(bug, found.cend());
    const qm::DateContext context = qm::FindDateContext(text, bug->FirstIndex, bug->Length);
    EXPECT_EQ(context.txtShort, "The text of the log entry (from September 9, 1947), reads “1545 Relay #70");
}
