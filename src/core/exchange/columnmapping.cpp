// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "columnmapping.h"

#include "eventexport.h"
#include "sheetdateorder.h"
#include "store/textrule.h"

#include <QSettings>

namespace qm {

namespace col = exchangecolumns;

namespace {

QString key(const QString &header)
{
    return header.trimmed().toCaseFolded();
}

// Names other spreadsheets give the fields.
const QHash<QString, QString> &otherNames()
{
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> n;
        const auto add = [&n](const QString &field, std::initializer_list<const char *> words) {
            for (const char *w : words)
                n.insert(QString::fromLatin1(w), field);
        };
        add(col::Name, {"title", "event", "short description", "headline", "what", "caption"});
        add(col::Date, {"when", "day", "event date", "start date", "start"});
        add(col::Ends, {"end", "end date", "ended", "until", "finish", "to"});
        add(col::DisplayedAs, {"date text", "date as shown", "shown date", "date shown", "display as", "display date"});
        add(col::Description, {"details", "detail", "text", "notes", "note", "summary", "long description"});
        add(col::Actors, {"who", "actor", "people", "person", "persons"});
        add(col::Places, {"where", "place", "location", "locations"});
        add(col::Sources, {"source", "reference", "references", "citation", "citations"});
        add(col::Keywords, {"keyword", "tags", "tag", "topics", "topic", "categories", "category"});
        add(col::Picture, {"image", "picture file", "image file"});
        add(col::Timelines, {"timeline"});
        return n;
    }();
    return names;
}

} // namespace

ColumnMapping ColumnMapping::remembered()
{
    ColumnMapping m;
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("ImportColumns"));
    for (const QString &k : s.childKeys())
        m.choices.insert(k, s.value(k).toString());
    return m;
}

void ColumnMapping::remember(const QString &header, const QString &field)
{
    if (header.trimmed().isEmpty())
        return;
    QSettings s(QStringLiteral("Quillmarsh"), QStringLiteral("Quillmarsh"));
    s.beginGroup(QStringLiteral("ImportColumns"));
    // A key of the settings may not hold every character; the header is kept as a percent-encoded key.
    s.setValue(QString::fromLatin1(key(header).toUtf8().toPercentEncoding()), field);
    s.sync();
}

QString ColumnMapping::propose(const QString &header) const
{
    const QString k = key(header);
    if (k.isEmpty())
        return {};
    const QString encoded = QString::fromLatin1(k.toUtf8().toPercentEncoding());
    if (const auto it = choices.constFind(encoded); it != choices.cend())
        return col::all().contains(*it) ? *it : QString();
    if (const auto it = choices.constFind(k); it != choices.cend())
        return col::all().contains(*it) ? *it : QString();
    for (const QString &c : col::all()) {
        if (textrule::sameName(c, header.trimmed()))
            return c;
    }
    if (headerDateOrder(header))
        return col::Date;
    return otherNames().value(k);
}

} // namespace qm
