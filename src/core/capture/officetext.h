// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace qm {

// The word processor documents whose text the capture reads.
enum class OfficeFormat { Docx, Odt };

// The text of a Word (.docx) or OpenDocument (.odt) document: its paragraphs, headings, list items and
// table cells one per line ("\n" between them), line breaks as "\n", tabs as "\t". Notes, comments,
// deleted text of tracked changes and pictures are left out. nullopt for bytes that are no such
// document (a damaged archive, a missing or broken text part), with the reason in `error`.
std::optional<QString> readOfficeText(const QByteArray &bytes, OfficeFormat format, QString *error = nullptr);

} // namespace qm
