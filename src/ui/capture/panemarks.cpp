// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "panemarks.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace qm::panemarks {

namespace {

// Set on the characters of the shown date; holds the weight they had before, -1 for none of their own.
constexpr int ShownProperty = QTextFormat::UserProperty + 0x51;

// Keeps the document's "changed" state: marks are the window's, not the user's edits.
class KeepModified
{
public:
    explicit KeepModified(QTextDocument *document) : mDocument(document), mWas(document->isModified()) {}
    ~KeepModified() { mDocument->setModified(mWas); }
    KeepModified(const KeepModified &) = delete;
    KeepModified &operator=(const KeepModified &) = delete;

private:
    QTextDocument *mDocument;
    bool mWas;
};

QTextCursor rangeCursor(QTextDocument *document, qsizetype start, qsizetype length)
{
    QTextCursor c(document);
    const int last = document->characterCount() - 1;
    c.setPosition(std::clamp<int>(static_cast<int>(start), 0, last));
    c.setPosition(std::clamp<int>(static_cast<int>(start + length), 0, last), QTextCursor::KeepAnchor);
    return c;
}

// A run of characters of one format, copied out: fragments do not survive a change of the document.
struct Run
{
    int position = 0;
    int length = 0;
    QTextCharFormat format;
};

// The runs of the blocks from `first` on that overlap [start, end); all of them when end < 0.
QList<Run> runs(QTextBlock first, qsizetype start, qsizetype end)
{
    QList<Run> found;
    for (QTextBlock b = first; b.isValid() && (end < 0 || b.position() < end); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.isValid() && (end < 0 || (f.position() < end && f.position() + f.length() > start)))
                found.append({f.position(), f.length(), f.charFormat()});
        }
    }
    return found;
}

QList<Run> shownRuns(const QTextDocument *document)
{
    QList<Run> shown;
    for (const Run &r : runs(document->begin(), 0, -1)) {
        if (r.format.hasProperty(ShownProperty))
            shown << r;
    }
    return shown;
}

void clearShown(QTextDocument *document)
{
    for (Run r : shownRuns(document)) {
        const int weight = r.format.intProperty(ShownProperty);
        r.format.clearProperty(ShownProperty);
        if (weight < 0)
            r.format.clearProperty(QTextFormat::FontWeight);
        else
            r.format.setFontWeight(weight);
        rangeCursor(document, r.position, r.length).setCharFormat(r.format);
    }
}

} // namespace

void resetMarks(QTextDocument *document)
{
    const KeepModified keep(document);
    QTextCursor c(document);
    c.beginEditBlock();
    clearShown(document);
    c.select(QTextCursor::Document);
    QTextCharFormat black;
    black.setForeground(Qt::black);
    c.mergeCharFormat(black);
    c.endEditBlock();
}

void markFoundDates(QTextDocument *document, const QList<std::pair<qsizetype, qsizetype>> &ranges)
{
    const KeepModified keep(document);
    QTextCursor block(document);
    block.beginEditBlock();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    for (const auto &[start, length] : ranges)
        rangeCursor(document, start, length).mergeCharFormat(red);
    block.endEditBlock();
}

void markShownDate(QTextDocument *document, qsizetype start, qsizetype length)
{
    const KeepModified keep(document);
    QTextCursor block(document);
    block.beginEditBlock();
    clearShown(document);
    // Each run keeps its own weight to go back to: a date may span bold and plain text.
    const qsizetype end = start + length;
    for (Run r : runs(document->findBlock(static_cast<int>(start)), start, end)) {
        const qsizetype from = std::max<qsizetype>(r.position, start);
        const qsizetype to = std::min<qsizetype>(r.position + r.length, end);
        const bool ownWeight = r.format.hasProperty(QTextFormat::FontWeight);
        r.format.setProperty(ShownProperty, ownWeight ? r.format.intProperty(QTextFormat::FontWeight) : -1);
        r.format.setFontWeight(QFont::Bold);
        rangeCursor(document, from, to - from).setCharFormat(r.format);
    }
    block.endEditBlock();
}

std::pair<qsizetype, qsizetype> shownDate(const QTextDocument *document)
{
    qsizetype first = -1;
    qsizetype end = 0;
    for (const Run &r : shownRuns(document)) {
        if (first < 0)
            first = r.position;
        end = r.position + r.length;
    }
    return first < 0 ? std::pair<qsizetype, qsizetype>{0, 0} : std::pair<qsizetype, qsizetype>{first, end - first};
}

} // namespace qm::panemarks
