// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventexport.h"

#include "csvdocument.h"
#include "render/exportfile.h"
#include "sheetdateorder.h"
#include "store/clevent.h"
#include "store/datequeries.h"
#include "store/placements.h"
#include "store/sqlquery.h"

#include <QBuffer>
#include <QHash>
#include <QSaveFile>

#include <array>
#include <set>

namespace qm {

namespace exchangecolumns {

const QStringList &all()
{
    static const QStringList columns = {Id,     Date,    Ends,     DisplayedAs, Name,          Description, Actors,
                                        Places, Sources, Keywords, Picture,     PictureSource, Timelines};
    return columns;
}

} // namespace exchangecolumns

namespace {

const QString ListSeparator = QStringLiteral(", ");

int elementSlot(const QString &type)
{
    if (type == u"A")
        return 0;
    if (type == u"P")
        return 1;
    if (type == u"S")
        return 2;
    if (type == u"K")
        return 3;
    return -1;
}

// Every event's element lists in three reads for the whole project, not four queries per event.
QHash<qint32, std::array<QStringList, 4>> allElementLists(ProjectDatabase &db)
{
    SqlQuery q(db, QStringLiteral("SELECT ee.EventId, ee.ElementType, e.ElementName FROM EventElement ee "
                                  "JOIN Element e ON ee.ElementId = e.Id "
                                  "ORDER BY ee.EventId, e.ElementName COLLATE QMNOCASE, e.Id"));
    q.exec();
    QHash<qint32, std::array<QStringList, 4>> lists;
    while (q.next()) {
        const int slot = elementSlot(q.value(1).toString());
        if (slot >= 0)
            lists[q.value(0).toInt()][static_cast<size_t>(slot)] << q.value(2).toString();
    }
    return lists;
}

} // namespace

QByteArray eventsCsv(ProjectDatabase &db, qint32 timelineId, int *count, DateOrder order)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    writeEventsCsv(db, timelineId, buffer, count, order);
    return bytes;
}

bool writeEventsCsv(ProjectDatabase &db, qint32 timelineId, QIODevice &out, int *count, DateOrder order)
{
    // Row by row: the file never stands whole in memory, however large the project.
    auto put = [&out](const QString &line) {
        const QByteArray bytes = line.toUtf8();
        return out.write(bytes) == bytes.size();
    };
    // One read transaction: the rows, their elements and timelines all come from the same state.
    TransactionGuard reading(db);
    const QHash<qint32, std::array<QStringList, 4>> elements = allElementLists(db);
    const QHash<qint32, QStringList> timelines = timelineNamesOfEvents(db);

    QStringList header;
    for (const QString &column : exchangecolumns::all())
        header << csvCell(column == exchangecolumns::Date ? dateHeader(order) : column);
    if (out.write("\xEF\xBB\xBF", 3) != 3 || !put(header.join(u',') + QStringLiteral("\r\n")))
        return false;

    const std::set<qint32> onTimeline = timelineId > 0 ? eventsOnTimeline(db, timelineId) : std::set<qint32>{};
    SqlQuery q(db, QStringLiteral("SELECT e.Id, %1%2 FROM Event e ORDER BY e.EventEra, e.EventDate, e.Id")
                       .arg(clEvent::storedColumns(), endColumns(db)));
    q.exec();

    int rows = 0;
    QStringList cells;
    while (q.next()) {
        const qint32 id = q.value(0).toInt();
        if (timelineId > 0 && onTimeline.count(id) == 0)
            continue;
        const ExtDate date = storedDate(q.value(1), q.value(2));
        const auto lists = elements.value(id);
        auto imageName = q.value(6);
        auto imageSource = q.value(7);
        const std::optional<ExtDate> end = storedEnd(q.value(8), q.value(9));
        cells.clear();
        cells << QString::number(id)
              // A date a file made elsewhere holds unreadably stays empty: importing keeps the stored one.
              // The minute that orders a shared day is nobody's business; reading back keeps it.
              << csvCell(date.isValid() ? date.Render(order, textHasTimeOfDay(q.value(3).toString())) : QString(), u',',
                         true)
              << csvCell(end && end->isValid() ? end->Render(order, end->hasTimeOfDay()) : QString(), u',', true)
              << csvCell(spreadsheetText(q.value(3).toString()), u',', true)
              << csvCell(spreadsheetText(q.value(5).toString()), u',', true)
              << csvCell(spreadsheetText(q.value(4).toString()), u',', true);
        for (const QStringList &list : lists)
            cells << csvCell(spreadsheetText(list.join(ListSeparator)), u',', true);
        cells << csvCell(spreadsheetText(imageName.isNull() ? QStringLiteral("Im0.gif") : imageName.toString()), u',',
                         true)
              << csvCell(imageSource.isNull() ? QStringLiteral("S") : imageSource.toString(), u',', true)
              << csvCell(spreadsheetText(timelines.value(id).join(ListSeparator)), u',', true);
        for (qsizetype i = 0; i < cells.size(); ++i) {
            if (!put(cells[i]) || !put(i + 1 < cells.size() ? QStringLiteral(",") : QStringLiteral("\r\n")))
                return false;
        }
        ++rows;
    }
    q.finish();
    reading.commit();
    if (count)
        *count = rows;
    return true;
}

ExportResult exportEvents(ProjectDatabase &db, qint32 timelineId, const QString &path, DateOrder order)
{
    ExportResult result;
    // Only a plain file is written: a pipe or a device named like one is not replaced by a file.
    const QString target = ExportFile::target(path, &result.error);
    if (target.isEmpty())
        return result;
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || !writeEventsCsv(db, timelineId, file, &result.count, order) ||
        !file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.ok = true;
    return result;
}

} // namespace qm
