// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "exchange/csvdocument.h"

#include <gtest/gtest.h>

using qm::CsvDocument;

namespace {

QStringList cellsOf(const CsvDocument &doc, int index)
{
    return doc.records.value(index).cells;
}

} // namespace

TEST(CsvDocument, CellsSurviveWritingAndReading)
{
    const QStringList awkward = {"plain",    "a, comma", "say \"hi\"", "two\r\nlines", "lone\nbreak", "tab\there",
                                 " padded ", "",         "semi;colon", "\"",           "Ünïcödé €"};
    for (const QChar sep : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        QStringList written;
        for (const QString &cell : awkward)
            written << qm::csvCell(cell, sep);
        // The header decides the separator; it names as many columns as the data row has.
        QStringList header;
        for (qsizetype i = 0; i < awkward.size(); ++i)
            header << QStringLiteral("c%1").arg(i);
        const QString text = header.join(sep) + "\r\n" + written.join(sep) + "\r\n";
        const CsvDocument doc = CsvDocument::parseText(text);
        EXPECT_EQ(doc.separator, sep);
        ASSERT_EQ(doc.records.size(), 2) << QString(sep).toStdString();
        EXPECT_EQ(cellsOf(doc, 1), awkward) << QString(sep).toStdString();
        EXPECT_EQ(doc.records[1].row, 2);
    }
}

TEST(CsvDocument, RowsAreCountedAsASpreadsheetShowsThem)
{
    const CsvDocument doc = CsvDocument::parseText("A,B\n\"x\ny\",1\n\n2,\"unclosed\n3,4\n");
    ASSERT_EQ(doc.records.size(), 3);
    EXPECT_EQ(doc.records[1].row, 2);
    EXPECT_EQ(cellsOf(doc, 1), (QStringList{"x\ny", "1"}));
    // The blank line is row 3; the quote never closes, so the rest of the file is one cell.
    EXPECT_EQ(doc.records[2].row, 4);
    EXPECT_TRUE(doc.records[2].unclosedQuote);
    EXPECT_EQ(cellsOf(doc, 2), (QStringList{"2", "unclosed\n3,4\n"}));
}

TEST(CsvDocument, EncodingsAreRecognised)
{
    const struct
    {
        QByteArray bytes;
        const char *encoding;
    } cases[] = {
        {"\xEF\xBB\xBFName\r\nCaf\xC3\xA9\r\n", "UTF-8 with byte-order mark"},
        {"Name\r\nCaf\xC3\xA9\r\n", "UTF-8"},
        // 0xE9 alone is no UTF-8: the sheet was saved in the Windows code page.
        {"Name\r\nCaf\xE9\r\n", "Windows-1252"},
        {QByteArray("\xFF\xFEN\0a\0m\0e\0\r\0\n\0C\0a\0f\0\xE9\0", 22), "UTF-16"},
    };
    for (const auto &c : cases) {
        const CsvDocument doc = CsvDocument::parse(c.bytes);
        EXPECT_EQ(doc.encoding, QString::fromLatin1(c.encoding));
        ASSERT_EQ(doc.records.size(), 2) << c.encoding;
        EXPECT_EQ(cellsOf(doc, 1), QStringList{QStringLiteral("Café")}) << c.encoding;
    }
    // The characters Windows-1252 has where Latin-1 has control codes.
    EXPECT_EQ(qm::decodeSpreadsheetBytes("\x80\x93x\x94\x85"), QStringLiteral("€“x”…"));
}
