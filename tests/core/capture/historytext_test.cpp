// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/datecontext.h"
#include "capture/datescanner.h"
#include "capture/textfile.h"
#include "testsupport.h"

#include <gtest/gtest.h>

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
    ASSERT_EQ(found.size(), 10);
    for (const qm::FoundDate &f : found)
        EXPECT_EQ(text.mid(f.FirstIndex, f.Length), f.Value);

    const struct
    {
        int index;
        qsizetype firstIndex;
        QString value;
        QString shown;
    } known[] = {
        {1, 35968, "March 30, 1993", "3/30/1993"},     {2, 105047, "April 1, 1980", "4/1/1980"},
        {4, 199924, "September 9, 1947", "9/9/1947"},  {5, 235386, "June 1997 ", "6/1/1997"},
        {9, 285996, "April 1968\r\n    ", "4/1/1968"},
    };
    for (const auto &k : known) {
        const qm::FoundDate &f = found[k.index];
        EXPECT_EQ(f.FirstIndex, k.firstIndex) << k.index;
        EXPECT_EQ(f.Value, k.value) << k.index;
        EXPECT_EQ(f.Date.Render(), k.shown) << k.index;
    }

    const qm::DateContext bug = qm::FindDateContext(text, found[4].FirstIndex, found[4].Length);
    EXPECT_EQ(bug.txtShort, "    The text of the log entry (from September 9, 1947), reads “1545 Relay #70");
}
