// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "csvdocument.h"

#include <QStringDecoder>

#include <array>

namespace qm {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five unused codes keep their C1 value.
constexpr std::array<char16_t, 32> Cp1252High = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

// The separator the header row (up to its first line break outside quotes) uses most; "," on a tie.
QChar detectSeparator(const QString &text)
{
    int commas = 0;
    int semicolons = 0;
    int tabs = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'\n' || c == u'\r')
            break;
        else if (c == u',')
            ++commas;
        else if (c == u';')
            ++semicolons;
        else if (c == u'\t')
            ++tabs;
    }
    if (semicolons > commas && semicolons >= tabs)
        return u';';
    if (tabs > commas && tabs > semicolons)
        return u'\t';
    return u',';
}

bool blank(const CsvRecord &r)
{
    for (const QString &cell : r.cells) {
        if (!cell.isEmpty())
            return false;
    }
    return true;
}

} // namespace

QString decodeSpreadsheetBytes(const QByteArray &bytes, QString *encoding)
{
    auto tell = [encoding](const char *name) {
        if (encoding)
            *encoding = QString::fromLatin1(name);
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        tell("UTF-8 with byte-order mark");
        return QString::fromUtf8(bytes.mid(3));
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        // Some spreadsheet programs save "Unicode text" this way, in either byte order; the mark
        // says which and is no part of the first cell.
        const bool little = bytes.startsWith("\xFF\xFE");
        tell(little ? "UTF-16" : "UTF-16 big-endian");
        QStringDecoder decode(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return decode(bytes.mid(2));
    }
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        tell("UTF-8");
        return text;
    }
    // Not UTF-8: a sheet saved by an older spreadsheet program on Windows, in its code page.
    tell("Windows-1252");
    return fromWindows1252(bytes);
}

namespace {

bool startsLikeAFormula(QStringView value)
{
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !value.isEmpty() && formulaStarts.contains(value.front());
}

} // namespace

QString spreadsheetText(const QString &value)
{
    // A spreadsheet program would run a cell that starts like a formula (=HYPERLINK(...)): an
    // apostrophe makes it text there, and reading the file back takes it off again.
    QString text = value;
    // Long cells stay shared unless something in them must change.
    if (text.contains(QChar(u'\0')))
        text.remove(QChar(u'\0'));
    if (startsLikeAFormula(text) || (text.startsWith(u'\'') && (startsLikeAFormula(QStringView(text).mid(1)) ||
                                                                QStringView(text).mid(1).startsWith(u'\''))))
        text.prepend(u'\'');
    return text;
}

QString fromSpreadsheetText(const QString &cell)
{
    if (cell.startsWith(u'\'') &&
        (startsLikeAFormula(QStringView(cell).mid(1)) || QStringView(cell).mid(1).startsWith(u'\'')))
        return cell.mid(1);
    return cell;
}

QString csvCell(const QString &value, QChar separator, bool quote)
{
    bool needs = quote || (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    for (qsizetype i = 0; !needs && i < value.size(); ++i) {
        const QChar c = value[i];
        needs = c == separator || c == u'"' || c == u'\n' || c == u'\r';
    }
    if (!needs)
        return value;
    QString s = value;
    if (s.contains(u'"'))
        s.replace(u'"', QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

CsvDocument CsvDocument::parse(const QByteArray &bytes)
{
    QString encoding;
    const QString text = decodeSpreadsheetBytes(bytes, &encoding);
    return parseText(text, encoding);
}

CsvDocument CsvDocument::parseText(const QString &text, const QString &encoding)
{
    CsvDocument doc;
    doc.encoding = encoding;
    doc.separator = detectSeparator(text);
    const QChar sep = doc.separator;

    int row = 1;
    CsvRecord record{row, {}, false};
    QString cell;
    bool quoted = false;      // inside a quoted cell
    bool wasQuoted = false;   // the cell being read started with a quote
    bool anyInRecord = false; // the record has at least one character, separators included
    const qsizetype n = text.size();
    auto endCell = [&] {
        // A NUL never reaches a cell: it would cut names short wherever they go next.
        cell.remove(QChar(u'\0'));
        record.cells << fromSpreadsheetText(cell);
        cell.clear();
        wasQuoted = false;
    };
    auto endRecord = [&] {
        endCell();
        if (anyInRecord && !blank(record))
            doc.records << record;
        record = CsvRecord{++row, {}, false};
        anyInRecord = false;
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    cell += u'"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
            continue;
        }
        if (c == u'"' && cell.isEmpty() && !wasQuoted) {
            quoted = true;
            wasQuoted = true;
            anyInRecord = true;
        } else if (c == sep) {
            endCell();
            anyInRecord = true;
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            endRecord();
        } else {
            // A quote inside an unquoted cell, or text after a closing quote, is taken as it stands.
            cell += c;
            anyInRecord = true;
        }
    }
    if (quoted)
        record.unclosedQuote = true;
    if (anyInRecord || !cell.isEmpty())
        endRecord();
    return doc;
}

} // namespace qm
