// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "testsupport.h"

#include <gtest/gtest.h>

using qmtest::qmtool;
using qmtest::ToolRun;

TEST(qmtool, EventsGoToASheetAndComeBack)
{
    QTemporaryDir dir;
    const QString project = dir.filePath("P.qmp");
    const QString sheet = dir.filePath("events.csv");
    ASSERT_EQ(qmtool({"new", project}).exitCode, 0);
    ASSERT_EQ(
        qmtool({"add-event", project, "--date", "3/15/44 BC", "--name", "Ides", "--timeline", "Timeline0"}).exitCode,
        0);
    ASSERT_EQ(qmtool({"add-event", project, "--date", "7/4/1776", "--name", "Declaration"}).exitCode, 0);

    // What a sheet holds and how it reads back is Exchange's; here the tool's options and exit codes.
    ToolRun r = qmtool({"export-events", project, "--timeline", "timeline0", sheet});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(qmtest::fileBytes(sheet).count("\r\n"), 2); // the header and the one event of that timeline

    ASSERT_EQ(qmtool({"export-events", project, sheet}).exitCode, 0);
    QByteArray bytes = qmtest::fileBytes(sheet);
    bytes.replace("\"Declaration\"", "\"Independence\"");
    bytes += ",\"1/1/2000\",,,\"Millennium\",,,,,,,,\"Timeline0\"\r\n,\"soon\",,,\"Later\",,,,,,,,\r\n";
    ASSERT_TRUE(qmtest::writeFile(sheet, bytes));
    const QByteArray before = qmtest::fileBytes(project);
    r = qmtool({"import-events", project, sheet, "--dry-run"});
    EXPECT_EQ(r.exitCode, 1);
    const QString preview = "2\tunchanged\t1\n3\tupdate\t2\n4\tnew\t-\n5\trefused\tunreadable date \"soon\"\n";
    EXPECT_EQ(r.out, preview);
    EXPECT_EQ(qmtest::fileBytes(project), before);

    r = qmtool({"import-events", project, sheet});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, QString(preview).replace("4\tnew\t-", "4\tnew\t3"));

    EXPECT_EQ(qmtool({"import-events", project, dir.filePath("missing.csv")}).exitCode, 1);
    EXPECT_EQ(qmtool({"import-events", project}).exitCode, 2);
}
