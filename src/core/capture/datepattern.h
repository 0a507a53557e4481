// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRegularExpression>
#include <QString>

#include <functional>

namespace qm {

// One date-like phrase found in a text. Offsets count UTF-16 code units, as the text pane does.
struct DateMatch
{
    qsizetype FirstIndex = 0;
    qsizetype Length = 0;
    QString Value;

    friend bool operator==(const DateMatch &, const DateMatch &) = default;
};

// The one regular expression that finds date-like phrases (month names, m/d/y, years with eras) in a
// text, matched leftmost-first without overlaps, whatever the text holds.
class DatePattern
{
public:
    DatePattern();

    // The pattern text, assembled from its pieces.
    static QString patternText();
    // The compiled pattern the program shares; it never changes after it is built.
    static const DatePattern &shared();

    using Visitor = std::function<void(qsizetype firstIndex, qsizetype length)>;
    // Calls `visit` for every match in text order. A match the engine cannot complete (its limits
    // reached) is left out and the search goes on after the position where it started.
    void forEachMatch(const QString &text, const Visitor &visit) const;
    QList<DateMatch> matches(const QString &text) const;

    const QRegularExpression &regularExpression() const { return mRegex; }

private:
    qsizetype acceptMatch(QStringView text, qsizetype start, qsizetype end, const Visitor &visit) const;
    qsizetype recoverAfterFailure(QStringView text, qsizetype from, const Visitor &visit) const;

    QRegularExpression mRegex;
};

} // namespace qm
