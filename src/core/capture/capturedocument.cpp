// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturedocument.h"

#include "officetext.h"

#include <QFileInfo>
#include <QTextDocument>

namespace qm {

namespace {

// One character per line break, as a document keeps them.
QString oneCharacterBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

} // namespace

TextKind textKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("html") || suffix == QStringLiteral("htm"))
        return TextKind::Html;
    if (suffix == QStringLiteral("md") || suffix == QStringLiteral("markdown"))
        return TextKind::Markdown;
    if (suffix == QStringLiteral("odt"))
        return TextKind::Odf;
    if (suffix == QStringLiteral("docx"))
        return TextKind::Docx;
    return TextKind::Plain;
}

bool readTextDocument(QTextDocument &document, const QByteArray &bytes, TextKind kind, TextFileFormat *format,
                      QString *error)
{
    if (isOfficeKind(kind)) {
        const std::optional<QString> text =
            readOfficeText(bytes, kind == TextKind::Docx ? OfficeFormat::Docx : OfficeFormat::Odt, error);
        if (!text)
            return false;
        document.setPlainText(*text);
        if (format)
            *format = TextFileFormat{};
        return true;
    }
    TextFileFormat found;
    const QString text = kind == TextKind::Html ? decodeHtmlFile(bytes) : decodeTextFile(bytes, &found);
    // Word processor files, pictures and the like read as text full of zero characters.
    if (text.contains(QChar(u'\0')))
        return false;
    if (kind == TextKind::Html)
        document.setHtml(text);
    else if (kind == TextKind::Markdown)
        document.setMarkdown(text);
    else
        document.setPlainText(oneCharacterBreaks(text));
    if (format)
        *format = kind == TextKind::Plain ? found : TextFileFormat{};
    return true;
}

QString documentText(const QTextDocument &document)
{
    QString text = document.toRawText();
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        // Paragraph and line separators, and the marks around tables and frames.
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1)
            c = u'\n';
    }
    return text;
}

std::optional<QString> fileDocumentText(const QByteArray &bytes, TextKind kind, QString *error)
{
    if (kind != TextKind::Plain) {
        QTextDocument document;
        if (!readTextDocument(document, bytes, kind, nullptr, error))
            return std::nullopt;
        return documentText(document);
    }
    QString text = decodeTextFile(bytes);
    if (text.contains(QChar(u'\0')))
        return std::nullopt;
    // What a document makes of a plain text: every break one "\n", the separators it reads as breaks too.
    text = oneCharacterBreaks(text);
    for (QChar &c : text) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 || u == 0xFDD1)
            c = u'\n';
    }
    return text;
}

} // namespace qm
