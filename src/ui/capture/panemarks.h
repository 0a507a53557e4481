// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QtGlobal>

#include <utility>

class QTextDocument;

namespace qm {

// The marks the capture window puts into its document: found dates in red, the date shown in bold.
// None of them counts as a change the user would have to save.
namespace panemarks {

// Every character black and no date shown, as before a scan.
void resetMarks(QTextDocument *document);
// Colours one found date red per range (start, length).
void markFoundDates(QTextDocument *document, const QList<std::pair<qsizetype, qsizetype>> &ranges);
// Makes the range the one shown date; the date shown before loses its mark, whatever it was made of.
void markShownDate(QTextDocument *document, qsizetype start, qsizetype length);
// The range of the shown date, (0, 0) when none.
std::pair<qsizetype, qsizetype> shownDate(const QTextDocument *document);

} // namespace panemarks
} // namespace qm
