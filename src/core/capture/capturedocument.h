// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textfile.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

namespace qm {

// The kinds of files the capture window reads and writes, by the file name's suffix.
enum class TextKind { Plain, Html, Markdown, Odf, Docx };
TextKind textKindOf(const QString &path);
// Word processor documents: their text is read, and never written back into them.
inline bool isOfficeKind(TextKind kind)
{
    return kind == TextKind::Odf || kind == TextKind::Docx;
}

// Fills the document with a file's bytes as the capture window shows them: HTML and Markdown as rich
// text, the text of a word processor document (paragraphs, no formatting) and anything else as plain
// text, in the document's default character format. False, with the document unchanged, for bytes that
// hold no text (a damaged document, a picture), with the reason in `error` when there is one to give.
// `format` receives how a plain text was written.
bool readTextDocument(QTextDocument &document, const QByteArray &bytes, TextKind kind, TextFileFormat *format = nullptr,
                      QString *error = nullptr);

// The document's text as the capture scans it and saves it as plain text: one "\n" per line break and
// every other character as it is, non-breaking spaces too; position i of the text is position i of
// the document.
QString documentText(const QTextDocument &document);

// documentText of a document readTextDocument filled from the bytes, without building the document
// where it is not needed (a plain text, whose megabytes a document takes long to lay into blocks);
// nullopt for bytes that hold no text.
std::optional<QString> fileDocumentText(const QByteArray &bytes, TextKind kind, QString *error = nullptr);

} // namespace qm
