// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

namespace qm {

// One record of a spreadsheet file: its row number as a spreadsheet shows it (the header is row 1;
// a record whose quoted cells hold line breaks is still one row) and its cells.
struct CsvRecord
{
    int row = 0;
    QStringList cells;
    // A quoted cell ran to the end of the file without its closing quote.
    bool unclosedQuote = false;
};

// A comma-separated file as spreadsheet programs write it (RFC 4180), read whatever its encoding and
// separator: UTF-8 with or without byte-order mark, UTF-16 with one, else Windows-1252; the separator
// is the one of ",", ";" and tab that the header row uses most.
class CsvDocument
{
public:
    static CsvDocument parse(const QByteArray &bytes);
    static CsvDocument parseText(const QString &text, const QString &encoding = QStringLiteral("UTF-8"));

    QChar separator = u',';
    // "UTF-8", "UTF-8 with byte-order mark", "UTF-16" or "Windows-1252".
    QString encoding;
    // Every record but those without a single character (blank lines at the end of a sheet).
    QList<CsvRecord> records;
};

// The text of a file in the encoding it seems to have; `encoding` tells which one it was.
QString decodeSpreadsheetBytes(const QByteArray &bytes, QString *encoding = nullptr);
// One cell as written to a file: between double quotes, inner quotes doubled, when `quote` is set
// or the value needs it (separator, quote, line break, or blanks at either end).
QString csvCell(const QString &value, QChar separator = u',', bool quote = false);
// A value as a spreadsheet cell must hold it: without NULs, and with an apostrophe before text that
// starts like a formula (or like such an apostrophe), which reading the file takes off again.
QString spreadsheetText(const QString &value);
QString fromSpreadsheetText(const QString &cell);

} // namespace qm
