// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// How a text file was written, so that saving it again gives the same kind of bytes.
struct TextFileFormat
{
    enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Utf32LE, Utf32BE, Windows1252 };
    Encoding encoding = Encoding::Utf8;
    // The first line break of the file: "\n", "\r\n" or "\r".
    QString lineBreak = QStringLiteral("\n");

    friend bool operator==(const TextFileFormat &, const TextFileFormat &) = default;
};

// The text of a plain-text file: UTF-8, UTF-16 or UTF-32 when a byte-order mark says so (the mark
// itself dropped), else UTF-8 when the bytes are valid UTF-8, else Windows-1252. `format`, when given,
// receives the encoding found and the file's line breaks.
QString decodeTextFile(const QByteArray &bytes, TextFileFormat *format = nullptr);

// The text of an HTML file: in the encoding a byte-order mark or a meta tag names, else read as a plain
// text is (UTF-8, else Windows-1252).
QString decodeHtmlFile(const QByteArray &bytes);

// The bytes of a text whose line breaks are "\n", written in the format's encoding and line breaks. A
// text with characters the encoding lacks (a euro sign pasted into a Latin text is one it has) is
// written as UTF-8, so that no character is lost; `usedFormat` says what was written.
QByteArray encodeTextFile(const QString &text, const TextFileFormat &format, TextFileFormat *usedFormat = nullptr);

// The text with every line break as the pair CR LF, as the capture window's text pane holds it: a lone
// LF or a lone CR becomes CR LF.
QString toPaneLineBreaks(const QString &text);

} // namespace qm
