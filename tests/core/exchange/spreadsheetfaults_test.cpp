// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Spreadsheets from elsewhere: byte-order marks, cells a spreadsheet would run, pipes, and caps.
#include "exchange/csvdocument.h"
#include "exchange/importplan.h"
#include "testsupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

TEST(SpreadsheetFaults, EveryByteOrderMarkIsTakenOff)
{
    const QString text = QStringLiteral("Id,Name\r\n1,Rome\r\n");
    QByteArray little("\xFF\xFE"), big("\xFE\xFF");
    for (const QChar c : text) {
        const char lo = static_cast<char>(c.unicode() & 0xFF), hi = static_cast<char>(c.unicode() >> 8);
        little.append(lo).append(hi);
        big.append(hi).append(lo);
    }
    for (const QByteArray &bytes : {little, big, QByteArray("\xEF\xBB\xBF") + text.toUtf8()}) {
        const qm::CsvDocument doc = qm::CsvDocument::parse(bytes);
        ASSERT_EQ(doc.records.size(), 2);
        EXPECT_EQ(doc.records[0].cells.value(0), "Id") << doc.encoding.toStdString();
        EXPECT_EQ(doc.records[1].cells.value(1), "Rome");
    }
}

TEST(SpreadsheetFaults, CellsThatLookLikeFormulasAreWrittenAsTextAndReadBackUnchanged)
{
    const struct
    {
        const char *value;
        const char *written;
    } cases[] = {
        {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"},
        {"-2 BC", "'-2 BC"},
        {"\tTab", "'\tTab"},
        {"'=not a formula", "''=not a formula"},
        {"''two", "'''two"},
        {"'Tis the season", "'Tis the season"},
        {"Plain", "Plain"},
    };
    for (const auto &c : cases) {
        const QString value = QString::fromUtf8(c.value);
        EXPECT_EQ(qm::spreadsheetText(value), QString::fromUtf8(c.written)) << c.value;
        const QString line = qm::csvCell(qm::spreadsheetText(value), u',', true) + QStringLiteral("\r\n");
        EXPECT_EQ(qm::CsvDocument::parseText(line).records.value(0).cells.value(0), value) << c.value;
    }
    EXPECT_EQ(qm::CsvDocument::parseText(QString("x") + QChar(u'\0') + "y\r\n").records[0].cells[0], "xy");
}

TEST(SpreadsheetFaults, ExportNeverReplacesAPipeAndImportHasCaps)
{
    qmtest::TempProject t;
    const QString pipe = t.path("events.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const qmtest::ToolRun written = qmtest::qmtool({"export-events", t.projectPath, pipe});
    EXPECT_EQ(written.exitCode, 1);
    EXPECT_TRUE(written.err.contains("not a plain file")) << written.err.toStdString();
    EXPECT_FALSE(QFileInfo(pipe).isFile());

    QString many;
    for (int i = 0; i < 20000; ++i)
        many += QStringLiteral("T%1,").arg(i);
    const QString csv = QStringLiteral("Date,Name,Picture,Timelines\r\n") +
                        QStringLiteral("1/13/1900,Many,,\"%1\"\r\n").arg(many) +
                        QStringLiteral("1/14/1900,Long picture,%1,\r\n").arg(QString(300, u'p')) +
                        QStringLiteral("1/15/1900,Fine,,Kept\r\n");
    const qm::ImportPlan plan = qm::ImportPlan::make(t.g.ProjectDb, qm::CsvDocument::parseText(csv), t.g.dateEnv());
    ASSERT_EQ(plan.rows.size(), 3);
    EXPECT_EQ(plan.rows[0].action, qm::ImportAction::Refused);
    EXPECT_TRUE(plan.rows[0].reason.contains("at most 100 new timelines"));
    EXPECT_EQ(plan.rows[1].action, qm::ImportAction::Refused);
    EXPECT_EQ(plan.rows[2].action, qm::ImportAction::New) << plan.rows[2].reason.toStdString();
    EXPECT_EQ(plan.newTimelines, QStringList{"Kept"});
}

} // namespace
