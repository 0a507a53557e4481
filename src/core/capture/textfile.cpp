// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "textfile.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace qm {

namespace {

using Encoding = TextFileFormat::Encoding;

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes it leaves undefined map to the
// control characters of the same number, as Windows itself reads them.
constexpr std::array<char16_t, 32> Cp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        text[i] = QChar(b >= 0x80 && b <= 0x9F ? Cp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

// Empty when a character of the text has no byte in Windows-1252.
std::optional<QByteArray> toWindows1252(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        int b = -1;
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            b = u;
        } else {
            for (size_t k = 0; k < Cp1252High.size(); ++k) {
                if (Cp1252High[k] == u)
                    b = static_cast<int>(0x80 + k);
            }
        }
        if (b < 0)
            return std::nullopt;
        bytes[i] = static_cast<char>(b);
    }
    return bytes;
}

Encoding markedEncoding(QStringConverter::Encoding e)
{
    switch (e) {
    case QStringConverter::Utf16LE:
        return Encoding::Utf16LE;
    case QStringConverter::Utf16BE:
        return Encoding::Utf16BE;
    case QStringConverter::Utf32LE:
        return Encoding::Utf32LE;
    case QStringConverter::Utf32BE:
        return Encoding::Utf32BE;
    default:
        return Encoding::Utf8Bom;
    }
}

QString firstLineBreak(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            return QStringLiteral("\n");
        if (text[i] == u'\r')
            return i + 1 < text.size() && text[i + 1] == u'\n' ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return QStringLiteral("\n");
}

} // namespace

QString decodeTextFile(const QByteArray &bytes, TextFileFormat *format)
{
    QString text;
    Encoding encoding = Encoding::Utf8;
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked, QStringConverter::Flag::Stateless);
        text = decoder.decode(bytes);
        encoding = markedEncoding(*marked);
    } else {
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        text = utf8.decode(bytes);
        if (utf8.hasError()) {
            text = fromWindows1252(bytes);
            encoding = Encoding::Windows1252;
        }
    }
    if (format) {
        format->encoding = encoding;
        format->lineBreak = firstLineBreak(text);
    }
    return text;
}

QString decodeHtmlFile(const QByteArray &bytes)
{
    if (QStringConverter::encodingForData(bytes))
        return decodeTextFile(bytes);
    // A charset named in the head; Qt's own guess would call a file without one UTF-8 and lose the
    // accented letters of a Windows text.
    static const QRegularExpression charset(QStringLiteral(R"(<meta[^>]*charset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
                                            QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = charset.match(QString::fromLatin1(bytes.left(4096)));
    if (m.hasMatch()) {
        const QString name = m.captured(1).toLower();
        // Browsers read Latin-1 as Windows-1252, its superset.
        if (name == u"windows-1252" || name == u"cp1252" || name == u"iso-8859-1" || name == u"latin1" ||
            name == u"us-ascii")
            return fromWindows1252(bytes);
        if (const auto named = QStringConverter::encodingForName(name.toLatin1().constData())) {
            QStringDecoder decoder(*named, QStringConverter::Flag::Stateless);
            return decoder.decode(bytes);
        }
    }
    return decodeTextFile(bytes);
}

QByteArray encodeTextFile(const QString &text, const TextFileFormat &format, TextFileFormat *usedFormat)
{
    QString withBreaks = text;
    if (format.lineBreak != u"\n")
        withBreaks.replace(u'\n', format.lineBreak);
    TextFileFormat used = format;
    QByteArray bytes;
    if (format.encoding == Encoding::Windows1252) {
        if (const auto latin = toWindows1252(withBreaks)) {
            bytes = *latin;
        } else {
            used.encoding = Encoding::Utf8;
        }
    }
    if (used.encoding != Encoding::Windows1252) {
        QStringConverter::Encoding e = QStringConverter::Utf8;
        switch (used.encoding) {
        case Encoding::Utf16LE:
            e = QStringConverter::Utf16LE;
            break;
        case Encoding::Utf16BE:
            e = QStringConverter::Utf16BE;
            break;
        case Encoding::Utf32LE:
            e = QStringConverter::Utf32LE;
            break;
        case Encoding::Utf32BE:
            e = QStringConverter::Utf32BE;
            break;
        default:
            break;
        }
        const bool mark = used.encoding != Encoding::Utf8;
        QStringEncoder encoder(e, mark ? QStringConverter::Flag::WriteBom : QStringConverter::Flag::Default);
        bytes = encoder.encode(withBreaks);
    }
    if (usedFormat)
        *usedFormat = used;
    return bytes;
}

QString toPaneLineBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 32);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            result += QStringLiteral("\r\n");
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            result += QStringLiteral("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace qm
