// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QIODevice;

namespace qm {

class ProjectDatabase;

// The columns of an events file, in the order they are written; import finds them by name.
namespace exchangecolumns {
inline const QString Id = QStringLiteral("Id");
inline const QString Date = QStringLiteral("Date");
// The end of a period, in the order of the Date column; empty for an event of one moment.
inline const QString Ends = QStringLiteral("Ends");
inline const QString DisplayedAs = QStringLiteral("Displayed as");
inline const QString Name = QStringLiteral("Name");
inline const QString Description = QStringLiteral("Description");
inline const QString Actors = QStringLiteral("Actors");
inline const QString Places = QStringLiteral("Places");
inline const QString Sources = QStringLiteral("Sources");
inline const QString Keywords = QStringLiteral("Keywords");
inline const QString Picture = QStringLiteral("Picture");
inline const QString PictureSource = QStringLiteral("Picture source");
inline const QString Timelines = QStringLiteral("Timelines");
const QStringList &all();
} // namespace exchangecolumns

// The events of the project, or of one timeline (timelineId > 0), in date order, as the bytes of a
// spreadsheet file: UTF-8 with a byte-order mark (so that spreadsheet programs read accents), CRLF
// line ends, a header row, and dates written as the program reads them back. `count` gets the rows.
// The Date column is written in `order`, which its header names ("Date (day/month/year)") so that the
// sheet reads the same for a reader who writes dates the other way round.
QByteArray eventsCsv(ProjectDatabase &db, qint32 timelineId = 0, int *count = nullptr,
                     DateOrder order = DateOrder::MonthFirst);
// The same written to a device row by row; false when the device refused a write.
bool writeEventsCsv(ProjectDatabase &db, qint32 timelineId, QIODevice &out, int *count = nullptr,
                    DateOrder order = DateOrder::MonthFirst);

struct ExportResult
{
    bool ok = false;
    int count = 0;
    // Why the file could not be written.
    QString error;
};

// Writes eventsCsv to the file; a failed write leaves no partial file and the old one as it was.
ExportResult exportEvents(ProjectDatabase &db, qint32 timelineId, const QString &path,
                          DateOrder order = DateOrder::MonthFirst);

} // namespace qm
