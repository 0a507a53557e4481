// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importcells.h"

#include "store/elements.h"
#include "store/textrule.h"

#include <QSet>

#include <algorithm>

namespace qm::importcells {

QStringList normalisedList(const QString &list)
{
    QStringList names;
    for (const QString &name : SplitElements(list)) {
        if (!name.isEmpty())
            names << name.toCaseFolded();
    }
    names.sort();
    return names;
}

QString unixLineBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QStringList timelineNames(const QString &cell, const QStringList &known)
{
    QStringList byLength = known;
    std::sort(byLength.begin(), byLength.end(),
              [](const QString &a, const QString &b) { return a.trimmed().size() > b.trimmed().size(); });
    QStringList names;
    QSet<QString> seen;
    qsizetype p = 0;
    const qsizetype n = cell.size();
    while (p < n) {
        while (p < n && (cell[p].isSpace() || cell[p] == u','))
            ++p;
        if (p >= n)
            break;
        QString found;
        for (const QString &name : byLength) {
            const QString t = name.trimmed();
            if (t.isEmpty() || !textrule::sameName(QStringView(cell).mid(p, t.size()), t))
                continue;
            qsizetype q = p + t.size();
            while (q < n && cell[q].isSpace())
                ++q;
            if (q == n || cell[q] == u',') {
                found = name;
                p = q;
                break;
            }
        }
        if (found.isNull()) {
            qsizetype q = cell.indexOf(u',', p);
            if (q < 0)
                q = n;
            found = cell.mid(p, q - p).trimmed();
            p = q;
        }
        // Read in linear time however many names the cell holds.
        if (!seen.contains(textrule::nameKey(found))) {
            seen.insert(textrule::nameKey(found));
            names << found;
        }
    }
    return names;
}

} // namespace qm::importcells
