// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/sqlquery.h"
#include "testsupport.h"

#include <QFile>

#include <gtest/gtest.h>

using qmtest::qmtool;
using qmtest::ToolRun;

TEST(QmtoolScan, PrintsOneLinePerFoundDate)
{
    qmtest::TempProject t;
    for (const auto &[type, name] :
         {std::pair{"A", "Caesar"}, {"A", "Brutus"}, {"P", "Rome"}, {"S", "Plutarch"}, {"K", "peace"}}) {
        qm::execSql(t.g.ProjectDb, "INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)",
                    {QString::fromLatin1(type), QString::fromLatin1(name)});
    }
    // Windows-1252 (the quotes are not UTF-8), with a lone LF, a CR LF, a tab and a backslash.
    const QString textPath = t.path("ides.txt");
    ASSERT_TRUE(qmtest::writeFile(textPath, "Caesar crossed the Rubicon.\nIn Rome on 3/15/44 BC Caesar fell\tto "
                                            "Brutus. A \\ mark.\r\nAbout 50 BC, \x93peace\x94."));

    const ToolRun run = qmtool({"scan", "--project", t.projectPath, "--today", "2026-06-15", textPath});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList expected = {
        "1\t40\t10\t3/15/44 BC\t-2\t3/15/44 BC\tIn Rome Caesar fell to Brutus\t"
        "In Rome on 3/15/44 BC Caesar fell\\tto Brutus. A \\\\ mark.\tCaesar,Brutus\tRome\t\t\t3/15/44 BC\t",
        "2\t91\t5\t50 BC\t-2\t1/1/50 BC\tAbout 50 BC, “peace”\tAbout 50 BC, “peace”.\t\t\t\tpeace\t50 BC\t",
        QString(),
    };
    EXPECT_EQ(run.out, expected.join(u'\n'));

    // Without a project nothing is stored: no elements, years completed with the defaults.
    const ToolRun bare = qmtool({"scan", "--today", "2026-06-15", textPath});
    EXPECT_EQ(bare.exitCode, 0);
    EXPECT_TRUE(bare.out.endsWith("\tAbout 50 BC, “peace”.\t\t\t\t\t50 BC\t\n"));

    // A period's line has one field more: its end.
    ASSERT_TRUE(qmtest::writeFile(textPath, "The war lasted from 1939 to 1945."));
    EXPECT_EQ(qmtool({"scan", textPath}).out, "1\t20\t12\t1939 to 1945\t0\t1/1/1939\tThe war lasted\t"
                                              "The war lasted from 1939 to 1945.\t\t\t\t\t1939\t\t12/31/1945\n");
}

TEST(QmtoolScan, RefusesBadUse)
{
    qmtest::TempProject t;
    EXPECT_EQ(qmtool({"scan"}).exitCode, 2);
    EXPECT_EQ(qmtool({"scan", "--today", "soon", t.projectPath}).exitCode, 2);
    EXPECT_EQ(qmtool({"scan", t.path("missing.txt")}).exitCode, 1);
    const ToolRun damaged = qmtool({"scan", QM_TEST_DATA_DIR "/documents/damaged.docx"});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.err.contains("damaged.docx: the file is damaged")) << damaged.err.toStdString();
    EXPECT_TRUE(qmtool({"scan", QM_TEST_DATA_DIR "/documents/history.odt"}).out.startsWith("1\t"));
    EXPECT_TRUE(qmtool({"--help"}).out.contains("scan [--project FILE]"));
}
