// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "officetext.h"

#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <memory>

namespace qm {

namespace {

// The text part of a history text is a few megabytes; more is a damaged or hostile archive.
constexpr zip_uint64_t MaxPartSize = 128 * 1024 * 1024;

const QString WordNs = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString CompatibilityNs = QStringLiteral("http://schemas.openxmlformats.org/markup-compatibility/2006");
const QString TextNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString OfficeNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString SvgNs = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0");

struct ZipCloser
{
    void operator()(zip_t *archive) const { zip_discard(archive); }
};
struct ZipFileCloser
{
    void operator()(zip_file_t *file) const { zip_fclose(file); }
};

// One part of the archive, or nullopt with the reason.
std::optional<QByteArray> readPart(const QByteArray &bytes, const char *name, QString *error)
{
    zip_error_t ze;
    zip_error_init(&ze);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), static_cast<zip_uint64_t>(bytes.size()), 0, &ze);
    std::unique_ptr<zip_t, ZipCloser> archive;
    if (source) {
        archive.reset(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &ze));
        if (!archive)
            zip_source_free(source);
    }
    if (!archive) {
        *error = QStringLiteral("the file is damaged or is no document (%1)")
                     .arg(QString::fromUtf8(zip_error_strerror(&ze)));
        zip_error_fini(&ze);
        return std::nullopt;
    }
    zip_error_fini(&ze);
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_stat(archive.get(), name, 0, &stat) != 0) {
        *error = QStringLiteral("the document has no text part (%1)").arg(QString::fromLatin1(name));
        return std::nullopt;
    }
    if ((stat.valid & ZIP_STAT_SIZE) && stat.size > MaxPartSize) {
        *error = QStringLiteral("the document's text is too large");
        return std::nullopt;
    }
    std::unique_ptr<zip_file_t, ZipFileCloser> file(zip_fopen_index(archive.get(), stat.index, 0));
    if (!file) {
        *error = QStringLiteral("the document's text cannot be unpacked (%1)")
                     .arg(QString::fromUtf8(zip_strerror(archive.get())));
        return std::nullopt;
    }
    QByteArray part;
    char chunk[65536];
    for (;;) {
        const zip_int64_t n = zip_fread(file.get(), chunk, sizeof chunk);
        if (n < 0) {
            *error = QStringLiteral("the document's text is damaged (%1)")
                         .arg(QString::fromUtf8(zip_file_strerror(file.get())));
            return std::nullopt;
        }
        if (n == 0)
            break;
        if (static_cast<zip_uint64_t>(part.size() + n) > MaxPartSize) {
            *error = QStringLiteral("the document's text is too large");
            return std::nullopt;
        }
        part.append(chunk, static_cast<qsizetype>(n));
    }
    return part;
}

void readWordText(QXmlStreamReader &xml, QString &text)
{
    int runs = 0;
    bool inText = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const bool word = xml.namespaceUri() == WordNs;
        if (token == QXmlStreamReader::StartElement) {
            const QStringView name = xml.name();
            // The fallback repeats, for older readers, what the chosen content shows.
            if (name == u"Fallback" && xml.namespaceUri() == CompatibilityNs)
                xml.skipCurrentElement();
            else if (!word)
                continue;
            else if (name == u"r")
                ++runs;
            else if (name == u"t")
                inText = true;
            else if (runs > 0 && name == u"tab")
                text += u'\t';
            else if (runs > 0 && (name == u"br" || name == u"cr"))
                text += u'\n';
            else if (runs > 0 && name == u"noBreakHyphen")
                text += QChar(0x2011);
        } else if (token == QXmlStreamReader::EndElement && word) {
            const QStringView name = xml.name();
            if (name == u"p")
                text += u'\n';
            else if (name == u"r")
                --runs;
            else if (name == u"t")
                inText = false;
        } else if (token == QXmlStreamReader::Characters && inText) {
            text += xml.text();
        }
    }
}

void readOpenDocumentText(QXmlStreamReader &xml, QString &text)
{
    int paragraphs = 0;
    // White space inside a paragraph counts as one space, and none at its start.
    bool spaceBefore = true;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        const QStringView ns = xml.namespaceUri();
        const QStringView name = xml.name();
        if (token == QXmlStreamReader::StartElement) {
            if ((ns == TextNs && (name == u"note" || name == u"tracked-changes")) ||
                (ns == OfficeNs && name == u"annotation") || ns == SvgNs) {
                xml.skipCurrentElement();
            } else if (ns == TextNs && (name == u"p" || name == u"h")) {
                ++paragraphs;
                spaceBefore = true;
            } else if (ns == TextNs && name == u"s") {
                const int count = xml.attributes().value(TextNs, QStringLiteral("c")).toInt();
                text += QString(std::clamp(count, 1, 1000), u' ');
                spaceBefore = false;
            } else if (ns == TextNs && name == u"tab") {
                text += u'\t';
                spaceBefore = true;
            } else if (ns == TextNs && name == u"line-break") {
                text += u'\n';
                spaceBefore = true;
            }
        } else if (token == QXmlStreamReader::EndElement && ns == TextNs && (name == u"p" || name == u"h")) {
            --paragraphs;
            text += u'\n';
            spaceBefore = true;
        } else if (token == QXmlStreamReader::Characters && paragraphs > 0) {
            for (QChar c : xml.text()) {
                const bool blank = c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
                if (blank && spaceBefore)
                    continue;
                text += blank ? QChar(u' ') : c;
                spaceBefore = blank;
            }
        }
    }
}

} // namespace

std::optional<QString> readOfficeText(const QByteArray &bytes, OfficeFormat format, QString *error)
{
    QString reason;
    const std::optional<QByteArray> part =
        readPart(bytes, format == OfficeFormat::Docx ? "word/document.xml" : "content.xml", &reason);
    QString text;
    if (part) {
        QXmlStreamReader xml(*part);
        if (format == OfficeFormat::Docx)
            readWordText(xml, text);
        else
            readOpenDocumentText(xml, text);
        if (xml.hasError())
            reason = QStringLiteral("the document's text is damaged (%1)").arg(xml.errorString());
    }
    if (!reason.isEmpty()) {
        if (error)
            *error = reason;
        return std::nullopt;
    }
    // Paragraphs are separated, not ended: the last one leaves no empty line behind.
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

} // namespace qm
