// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capture/textfile.h"

#include "qtprinters.h"

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<unsigned char> list)
{
    QByteArray b;
    for (unsigned char c : list)
        b.append(static_cast<char>(c));
    return b;
}

} // namespace

TEST(DecodeTextFile, ReadsByMarkThenUtf8ThenWindows1252)
{
    const struct
    {
        const char *name;
        QByteArray data;
        QString expected;
    } cases[] = {
        {"empty", QByteArray(), QString()},
        {"ASCII", QByteArrayLiteral("July 4, 1776"), "July 4, 1776"},
        {"UTF-8", QByteArrayLiteral("caf\xC3\xA9 \xE2\x80\x9CRome\xE2\x80\x9D"), "café “Rome”"},
        {"UTF-8 with a mark", QByteArrayLiteral("\xEF\xBB\xBFRome"), "Rome"},
        {"UTF-16 LE with a mark", bytes({0xFF, 0xFE, 'R', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE}), "Ré\U0001F600"},
        {"UTF-16 BE with a mark", bytes({0xFE, 0xFF, 0, 'R', 0, 0xE9, 0x20, 0xAC}), "Ré€"},
        {"Windows-1252 quotes and euro", bytes({0x93, 'H', 'i', 0x94, ' ', 0x80, ' ', 'c', 'a', 'f', 0xE9}),
         "“Hi” € café"},
        {"Windows-1252 dashes and undefined bytes", bytes({0x96, 0x97, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x9F}),
         "–—\u0081\u008D\u008F\u0090\u009DŸ"},
        {"UTF-8 cut off at the end", QByteArrayLiteral("abc\xC3"), "abcÃ"},
        {"Latin-1 letter", QByteArrayLiteral("Z\xFCrich"), "Zürich"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::decodeTextFile(c.data), c.expected) << c.name;
}

TEST(ToPaneLineBreaks, MakesEveryLineBreakCrLf)
{
    const struct
    {
        QString text;
        QString expected;
    } cases[] = {
        {"a\nb", "a\r\nb"},           {"a\rb", "a\r\nb"},   {"a\r\nb", "a\r\nb"}, {"a\n\rb", "a\r\n\r\nb"},
        {"\r\r\n\n", "\r\n\r\n\r\n"}, {"end\r", "end\r\n"}, {"none", "none"},     {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::toPaneLineBreaks(c.text), c.expected) << c.text.toStdString();
}

TEST(DecodeHtmlFile, ReadsTheNamedCharsetElseAsPlainText)
{
    const QByteArray body = QByteArrayLiteral("<p>Z\xFCrich \x96 caf\xE9</p>");
    EXPECT_EQ(qm::decodeHtmlFile(body), "<p>Zürich – café</p>");
    EXPECT_EQ(qm::decodeHtmlFile("<meta charset=\"windows-1252\">" + body),
              "<meta charset=\"windows-1252\"><p>Zürich – café</p>");
    EXPECT_EQ(qm::decodeHtmlFile(QByteArrayLiteral("<meta charset=utf-8><p>caf\xC3\xA9</p>")),
              "<meta charset=utf-8><p>café</p>");
}

TEST(EncodeTextFile, WritesBackWhatWasRead)
{
    using E = qm::TextFileFormat::Encoding;
    const QByteArray utf16 = bytes({0xFF, 0xFE, 'a', 0, 0xA0, 0, 'b', 0, '\r', 0, '\n', 0, 0xAC, 0x20});
    const QByteArray latin = bytes({'c', 'a', 'f', 0xE9, '\r', 'x'});
    for (const QByteArray &file :
         {utf16, latin, QByteArrayLiteral("a\r\nb\r\n"), QByteArrayLiteral("\xEF\xBB\xBFx\ny")}) {
        qm::TextFileFormat format;
        QString text = qm::decodeTextFile(file, &format);
        text.replace(format.lineBreak, QStringLiteral("\n"));
        EXPECT_EQ(qm::encodeTextFile(text, format), file);
    }
    // A character the encoding lacks: the whole text goes as UTF-8 rather than lose it.
    qm::TextFileFormat used;
    EXPECT_EQ(qm::encodeTextFile("Ω", {E::Windows1252, "\n"}, &used), QByteArray("\xCE\xA9"));
    EXPECT_EQ(used.encoding, E::Utf8);
}
