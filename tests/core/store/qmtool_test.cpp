// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <gtest/gtest.h>

using qmtest::qmtool;
using qmtest::ToolRun;

TEST(qmtool, NewProjectAddAndListEvents)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Rome.qmp");
    ASSERT_EQ(qmtool({"new", file}).exitCode, 0);
    EXPECT_EQ(qmtool({"timelines", file}).out, "1\tTimeline0\n");

    const ToolRun first =
        qmtool({"add-event", file, "--date", "3/15/44 BC", "--name", "Caesar \"dies\"\tin\\the\r\nSenate", "--actors",
                "  Caesar ,Brutus", "--places", "Rome", "--keywords", "murder, ides"});
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, "1\n");
    // Same day again: the day is kept, after the first event, and it shows as typed.
    const ToolRun second = qmtool(
        {"add-event", file, "--date", "15/3/44 BC", "--order", "dmy", "--name", "Aftermath", "--sources", "Suetonius"});
    ASSERT_EQ(second.exitCode, 0) << second.err.toStdString();
    EXPECT_FALSE(second.err.contains("saved at"));
    ASSERT_EQ(qmtool({"add-event", file, "--date", "7/4/1776", "--name", QString(255, u'x')}).exitCode, 0);

    const ToolRun events = qmtool({"events", file});
    ASSERT_EQ(events.exitCode, 0) << events.err.toStdString();
    EXPECT_EQ(events.out,
              QStringLiteral("1\t-2\t9855-03-15\t3/15/44 BC\tCaesar \"dies\"\\tin\\\\the\\r\\nSenate\tBrutus, Caesar\t"
                             "Rome\t\tides, murder\n"
                             "2\t-2\t9855-03-15T00:01:00\t15/3/44 BC\tAftermath\t\t\tSuetonius\t\n"
                             "3\t0\t1776-07-04\t7/4/1776\t") +
                  QString(255, u'x') + QStringLiteral("\t\t\t\t\n"));
}

TEST(qmtool, NumericDatesAreMonthFirstUnlessToldWhateverTheLocale)
{
    EXPECT_EQ(qmtool({"date", "--today", "2026-01-01", "5/7/1789", "1795"}).out,
              "0\t1789-05-07\t5/7/1789\n0\t1795-01-01\t1/1/1795\n");
    EXPECT_EQ(qmtool({"date", "--order", "dmy", "5/7/1789", "July 5, 1789"}).out,
              "0\t1789-07-05\t5/7/1789\n0\t1789-07-05\t5/7/1789\n");
    EXPECT_EQ(qmtool({"date", "--order", "ymd", "5/7/1789"}).exitCode, 2);
}

TEST(qmtool, AddEventRefusesWhatTheEventDialogRefuses)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("P.qmp");
    ASSERT_EQ(qmtool({"new", file}).exitCode, 0);
    // The event dialog's checks are DialogFixture.EventDialogChecks...'s; this shows the tool makes them.
    const ToolRun bad = qmtool({"add-event", file, "--date", "2/30/2001", "--name", "x"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.contains("Incorrect date")) << bad.err.toStdString();
    const ToolRun nowhere = qmtool({"add-event", file, "--date", "79 AD", "--name", "x", "--timeline", "Nope"});
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_TRUE(nowhere.err.contains("Nope"));
    EXPECT_EQ(qmtool({"events", file}).out, "");

    const QStringList usage[] = {
        {"add-event", file, "--name", "x"},
        {"add-event", file, "--date", "1/1/2001", "--name", "x", "--colour", "red"},
        {"events"},
        {"timelines", file, file},
    };
    for (const QStringList &args : usage)
        EXPECT_EQ(qmtool(args).exitCode, 2) << args.join(u' ').toStdString();
    const ToolRun missing = qmtool({"events", dir.filePath("none.qmp")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.qmp")));
}

TEST(qmtool, BoxesAndCompressShowTheLayoutAndOnlyCompress2Writes)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Rome.qmp");
    ASSERT_EQ(qmtool({"new", file}).exitCode, 0);
    for (const QString &date : QStringList{"1/1/100", "1/1/300", "1/1/200"})
        ASSERT_EQ(qmtool({"add-event", file, "--date", date, "--name", "Year", "--timeline", "Timeline0"}).exitCode, 0);

    const ToolRun boxes = qmtool({"boxes", file});
    ASSERT_EQ(boxes.exitCode, 0) << boxes.err.toStdString();
    const QStringList lines = boxes.out.trimmed().split(u'\n');
    ASSERT_EQ(lines.size(), 3);
    for (const QString &line : lines)
        EXPECT_EQ(line.split(u'\t').size(), 12) << line.toStdString();
    // Canvas order is the order of loading: by date.
    EXPECT_TRUE(lines[1].startsWith("3\t")) << lines[1].toStdString();

    const QByteArray before = qmtest::fileBytes(file);
    const ToolRun one = qmtool({"compress", file, "1"});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    EXPECT_EQ(qmtest::fileBytes(file), before);
    EXPECT_NE(one.out, boxes.out);

    const ToolRun two = qmtool({"compress", file, "--timeline", "timeline0", "2"});
    ASSERT_EQ(two.exitCode, 0) << two.err.toStdString();
    const QStringList stored = qmtool({"boxes", file}).out.trimmed().split(u'\n');
    const QStringList compressed = two.out.trimmed().split(u'\n');
    ASSERT_EQ(stored.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(stored[i].section(u'\t', 0, 2), compressed[i].section(u'\t', 0, 2));
    EXPECT_EQ(qmtool({"compress", file, "3"}).exitCode, 2);

    // Drawn to scale, the dates place the boxes: compressing is refused with the reason, nothing written.
    ASSERT_EQ(qmtool({"scale", file, "time"}).exitCode, 0);
    const QByteArray toScale = qmtest::fileBytes(file);
    const ToolRun refused = qmtool({"compress", file, "2"});
    EXPECT_NE(refused.exitCode, 0);
    EXPECT_TRUE(refused.err.contains("drawn to scale")) << refused.err.toStdString();
    EXPECT_EQ(qmtest::fileBytes(file), toScale);
}
