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
        {"ASCII", QByteArrayLiteral("July 4, 1776"), QStringLiteral("July 4, 1776")},
        {"UTF-8", QByteArrayLiteral("caf\xC3\xA9 \xE2\x80\x9CRome\xE2\x80\x9D"), QStringLiteral("café “Rome”")},
        {"UTF-8 with a mark", QByteArrayLiteral("\xEF\xBB\xBFRome"), QStringLiteral("Rome")},
        {"UTF-16 LE with a mark", bytes({0xFF, 0xFE, 'R', 0, 0xE9, 0, 0x3D, 0xD8, 0x00, 0xDE}),
         QStringLiteral("Ré\U0001F600")},
        {"UTF-16 BE with a mark", bytes({0xFE, 0xFF, 0, 'R', 0, 0xE9, 0x20, 0xAC}), QStringLiteral("Ré€")},
        {"Windows-1252 quotes and euro", bytes({0x93, 'H', 'i', 0x94, ' ', 0x80, ' ', 'c', 'a', 'f', 0xE9}),
         QStringLiteral("“Hi” € café")},
        {"Windows-1252 dashes and undefined bytes", bytes({0x96, 0x97, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0x9F}),
         QStringLiteral("–—\u0081\u008D\u008F\u0090\u009DŸ")},
        {"UTF-8 cut off at the end", QByteArrayLiteral("abc\xC3"), QStringLiteral("abcÃ")},
        {"Latin-1 letter", QByteArrayLiteral("Z\xFCrich"), QStringLiteral("Zürich")},
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
        {QStringLiteral("a\nb"), QStringLiteral("a\r\nb")},
        {QStringLiteral("a\rb"), QStringLiteral("a\r\nb")},
        {QStringLiteral("a\r\nb"), QStringLiteral("a\r\nb")},
        {QStringLiteral("a\n\rb"), QStringLiteral("a\r\n\r\nb")},
        {QStringLiteral("\r\r\n\n"), QStringLiteral("\r\n\r\n\r\n")},
        {QStringLiteral("end\r"), QStringLiteral("end\r\n")},
        {QStringLiteral("none"), QStringLiteral("none")},
        {QString(), QString()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(qm::toPaneLineBreaks(c.text), c.expected) << c.text.toStdString();
}
