// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clformat.h"

#include "preparedstatement.h"
#include "projectdatabase.h"
#include "sqlquery.h"
#include "storedvalues.h"

#include <algorithm>

namespace qm {

namespace sv = storedvalues;

namespace {

// The stored members, in the order of columnValues() and setColumnValues().
const QStringList &formatColumns()
{
    static const QStringList columns = {
        QStringLiteral("TextBackColor"),   QStringLiteral("TextForeColor"), QStringLiteral("TextMaxWidth"),
        QStringLiteral("TextMaxHeight"),   QStringLiteral("TextFont"),      QStringLiteral("TextFontSize"),
        QStringLiteral("TextShowBorder"),  QStringLiteral("TextSolid"),     QStringLiteral("TextBold"),
        QStringLiteral("TextItalic"),      QStringLiteral("DateBackColor"), QStringLiteral("DateForeColor"),
        QStringLiteral("DateFont"),        QStringLiteral("DateFontSize"),  QStringLiteral("DateShowBorder"),
        QStringLiteral("DateSolid"),       QStringLiteral("DateBold"),      QStringLiteral("DateItalic"),
        QStringLiteral("PictureIsCustom"), QStringLiteral("PictureName"),   QStringLiteral("PictureWidth"),
        QStringLiteral("PictureHeight"),   QStringLiteral("LineVisible"),   QStringLiteral("Scheme"),
    };
    return columns;
}

// Added after the first files were made: nullable, absent from older files.
const QStringList &laterColumns()
{
    static const QStringList columns = {QStringLiteral("PictureBorderColor"), QStringLiteral("PictureBorderWidth"),
                                        QStringLiteral("LineColor"), QStringLiteral("LineStyle")};
    return columns;
}

// The row of the format: a Format row for an event, the FormatTL row for a timeline's default.
struct FormatKey
{
    QString table;
    QString where;
    QVariantList values;
};

FormatKey keyOf(qint32 eventId, qint32 timelineId)
{
    if (eventId < 1)
        return {QStringLiteral("FormatTL"), QStringLiteral("TimelineId = ?"), {timelineId}};
    return {QStringLiteral("Format"), QStringLiteral("TimelineId = ? AND EventId = ?"), {timelineId, eventId}};
}

} // namespace

QStringList clFormat::columnsOf(ProjectDatabase &db, const QString &table)
{
    if (!db.hasColumn(table, laterColumns().back()))
        return formatColumns();
    return formatColumns() + laterColumns();
}

void clFormat::GetDefault()
{
    const QString pictureName = PictureName;
    *this = clFormat();
    PictureName = pictureName;
}

void clFormat::GetFormat(ProjectDatabase &db, qint32 eventId, qint32 timelineId)
{
    const FormatKey key = keyOf(eventId, timelineId);
    const QStringList columns = columnsOf(db, key.table);
    SqlQuery q(db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY rowid LIMIT 1")
                       .arg(columns.join(QStringLiteral(", ")), key.table, key.where));
    for (const QVariant &v : key.values)
        q.bind(v);
    q.exec();
    if (!q.next()) {
        GetDefault();
        return;
    }
    QVariantList values;
    values.reserve(columns.size());
    for (qsizetype i = 0; i < columns.size(); ++i)
        values << q.value(static_cast<int>(i));
    setColumnValues(values);
}

std::unordered_map<qint32, clFormat> clFormat::GetEventFormats(ProjectDatabase &db, qint32 timelineId)
{
    const QStringList columns = columnsOf(db, QStringLiteral("Format"));
    SqlQuery q(db, QStringLiteral("SELECT EventId, %1 FROM Format WHERE TimelineId = ? ORDER BY rowid")
                       .arg(columns.join(QStringLiteral(", "))));
    q.bind(timelineId).exec();
    std::unordered_map<qint32, clFormat> formats;
    QVariantList values;
    while (q.next()) {
        // The first row of an event counts, as for GetFormat.
        const qint32 eventId = q.value(0).toInt();
        if (formats.count(eventId) != 0)
            continue;
        values.clear();
        for (qsizetype i = 0; i < columns.size(); ++i)
            values << q.value(static_cast<int>(i + 1));
        formats[eventId].setColumnValues(values);
    }
    return formats;
}

void clFormat::Save(ProjectDatabase &db, qint32 eventId, qint32 timelineId) const
{
    const FormatKey key = keyOf(eventId, timelineId);
    TransactionGuard guard(db);
    SqlQuery find(db, QStringLiteral("SELECT rowid FROM %1 WHERE %2 ORDER BY rowid LIMIT 1").arg(key.table, key.where));
    for (const QVariant &v : key.values)
        find.bind(v);
    find.exec();
    const bool exists = find.next();
    const qint64 row = exists ? find.value(0).toLongLong() : 0;
    find.finish();

    const QStringList columns = columnsOf(db, key.table);
    const QVariantList stored = columnValues().mid(0, columns.size());
    if (exists) {
        execSql(db,
                QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = ?")
                    .arg(key.table, columns.join(QStringLiteral(" = ?, "))),
                stored + QVariantList{row});
    } else {
        QStringList names = columns;
        QVariantList values = stored;
        names << QStringLiteral("TimelineId");
        values << timelineId;
        if (eventId > 0) {
            names << QStringLiteral("EventId");
            values << eventId;
        }
        const QString marks = QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "));
        execSql(
            db,
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(key.table, names.join(QStringLiteral(", ")), marks),
            values);
    }
    guard.commit();
}

void clFormat::SaveEventFormats(ProjectDatabase &db, qint32 timelineId,
                                const std::vector<std::pair<qint32, clFormat>> &formats)
{
    if (formats.empty())
        return;
    // Save for many boxes at once: three statements prepared once instead of two per box.
    TransactionGuard guard(db);
    const QStringList columns = columnsOf(db, QStringLiteral("Format"));
    PreparedStatement find(
        db, QStringLiteral("SELECT rowid FROM Format WHERE TimelineId = ? AND EventId = ? ORDER BY rowid LIMIT 1"));
    PreparedStatement update(
        db, QStringLiteral("UPDATE Format SET %1 = ? WHERE rowid = ?").arg(columns.join(QStringLiteral(" = ?, "))));
    const QStringList names = columns + QStringList{QStringLiteral("TimelineId"), QStringLiteral("EventId")};
    PreparedStatement insert(db, QStringLiteral("INSERT INTO Format (%1) VALUES (%2)")
                                     .arg(names.join(QStringLiteral(", ")),
                                          QStringList(names.size(), QStringLiteral("?")).join(QStringLiteral(", "))));
    for (const auto &[eventId, format] : formats) {
        QSqlQuery &q = find.run({timelineId, eventId});
        const bool exists = q.next();
        const qint64 row = exists ? q.value(0).toLongLong() : 0;
        q.finish();
        const QVariantList values = format.columnValues().mid(0, columns.size());
        if (exists)
            update.run(values + QVariantList{row});
        else
            insert.run(values + QVariantList{timelineId, eventId});
    }
    guard.commit();
}

QVariantList clFormat::columnValues() const
{
    return {TextBackColor,
            TextForeColor,
            TextMaxWidth,
            TextMaxHeight,
            sv::fromText(TextFont),
            TextFontSize,
            sv::fromBool(TextShowBorder),
            sv::fromBool(TextSolid),
            sv::fromBool(TextBold),
            sv::fromBool(TextItalic),
            DateBackColor,
            DateForeColor,
            sv::fromText(DateFont),
            DateFontSize,
            sv::fromBool(DateShowBorder),
            sv::fromBool(DateSolid),
            sv::fromBool(DateBold),
            sv::fromBool(DateItalic),
            sv::fromBool(PictureIsCustom),
            sv::fromText(PictureName),
            PictureWidth,
            PictureHeight,
            sv::fromBool(LineVisible),
            Scheme,
            PictureBorderColor,
            PictureBorderWidth,
            LineColor,
            LineStyle};
}

void clFormat::setColumnValues(const QVariantList &v)
{
    TextBackColor = v[0].toInt();
    TextForeColor = v[1].toInt();
    TextMaxWidth = v[2].toInt();
    TextMaxHeight = v[3].toInt();
    TextFont = v[4].toString();
    TextFontSize = v[5].toInt();
    TextShowBorder = sv::toBool(v[6]);
    TextSolid = sv::toBool(v[7]);
    TextBold = sv::toBool(v[8]);
    TextItalic = sv::toBool(v[9]);
    DateBackColor = v[10].toInt();
    DateForeColor = v[11].toInt();
    DateFont = v[12].toString();
    DateFontSize = v[13].toInt();
    DateShowBorder = sv::toBool(v[14]);
    DateSolid = sv::toBool(v[15]);
    DateBold = sv::toBool(v[16]);
    DateItalic = sv::toBool(v[17]);
    PictureIsCustom = sv::toBool(v[18]);
    PictureName = v[19].toString();
    PictureWidth = v[20].toInt();
    PictureHeight = v[21].toInt();
    LineVisible = sv::toBool(v[22]);
    Scheme = v[23].toInt();
    // Null where an older build wrote the row, or where the file has no such columns.
    const clFormat defaults;
    auto later = [&v](qsizetype i, int fallback) { return i < v.size() && !v[i].isNull() ? v[i].toInt() : fallback; };
    PictureBorderColor = later(24, defaults.PictureBorderColor);
    PictureBorderWidth = std::max(0, later(25, defaults.PictureBorderWidth));
    LineColor = later(26, defaults.LineColor);
    LineStyle = later(27, defaults.LineStyle);
    if (LineStyle < LineSolid || LineStyle > LineDotted)
        LineStyle = LineSolid;
}

} // namespace qm
