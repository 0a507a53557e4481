// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace qm {

// The text of a plain-text file: UTF-8, UTF-16 or UTF-32 when a byte-order mark says so (the mark
// itself dropped), else UTF-8 when the bytes are valid UTF-8, else Windows-1252.
QString decodeTextFile(const QByteArray &bytes);

// The text with every line break as the pair CR LF, as the capture window's text pane holds it: a lone
// LF or a lone CR becomes CR LF.
QString toPaneLineBreaks(const QString &text);

} // namespace qm
