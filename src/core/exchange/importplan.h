// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "columnmapping.h"
#include "dates/extdate.h"
#include "sheetdateorder.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace qm {

class CsvDocument;
class ProjectDatabase;
struct DateEnv;

enum class ImportAction { New, Update, Unchanged, Refused };

// What importing one row of a spreadsheet does, and the event as it will be stored.
struct ImportRow
{
    int row = 0;
    ImportAction action = ImportAction::Refused;
    // The event updated or left unchanged; for a new event, its Id once it is stored.
    qint32 eventId = 0;
    // Why a row is refused.
    QString reason;
    // What the user should know about an accepted row: a date moved, a timeline made.
    QStringList notes;

    ExtDate date{0.0, EraInvalid};
    // The end of a period; none for an event of one moment.
    std::optional<ExtDate> end;
    QString dateStr;
    QString name;
    QString description;
    QString actors;
    QString places;
    QString sources;
    QString keywords;
    QString imageName;
    QString imageSource;
    // Timelines to place the event on (stored spelling for existing ones); it stays on any others.
    QStringList timelines;
    // Whether the row changes the event itself, or only places it on more timelines.
    bool changesEvent = false;
};

// Where new events take their picture from when the file names none: the shown timeline's default.
struct ImportDefaults
{
    QString imageName = QStringLiteral("Im0.gif");
    QString imageSource = QStringLiteral("S");
};

// What the user chose in the preview: the order of the sheet's dates and the field of a column.
struct ImportChoices
{
    std::optional<DateOrder> order;
    // Proposes a field for each column by its name.
    ColumnMapping mapping;
    // Column index -> field ("" = not read), overriding the proposal.
    QHash<int, QString> columns;
};

// A column of the sheet and the field it fills ("" = not read).
struct SheetColumn
{
    QString header;
    QString field;
};

// The preview of an import: every row of the file with what will happen to it. Nothing is written
// while it is made.
class ImportPlan
{
public:
    // Reads the rows against the project as it is stored now. A file that cannot be an events file
    // (no header naming a known column, a column named twice) gives a plan with `fileError` set.
    // Numeric dates are read in the order the Date header names, else `chosenOrder`, else the one
    // the column shows; when nothing tells, a date that reads two ways is refused.
    static ImportPlan make(ProjectDatabase &db, const CsvDocument &doc, const DateEnv &env,
                           const ImportDefaults &defaults = {}, const ImportChoices &choices = {});

    QList<ImportRow> rows;
    // The file as a whole is refused, for this reason; rows is then empty.
    QString fileError;
    // Header names that are none of the known columns; their cells are not read.
    QStringList ignoredColumns;
    // Every column of the sheet with the field it fills.
    QList<SheetColumn> columns;
    // Timelines that rows name and that do not exist yet: the import makes them.
    QStringList newTimelines;
    // The order the numeric dates were read in, and what said so.
    DateOrder dateOrder = DateOrder::MonthFirst;
    SheetOrderSource dateOrderSource = SheetOrderSource::Unknown;

    int count(ImportAction action) const;
    // True when confirming would write something.
    bool writesAnything() const { return count(ImportAction::New) + count(ImportAction::Update) > 0; }
    // The same action for every row (and the same events and dates): the project has not changed
    // in between in a way that would change the import.
    bool sameOutcome(const ImportPlan &other) const;
};

// The action word of the command-line preview: "new", "update", "unchanged", "refused".
QString actionWord(ImportAction action);
// One line of the command-line preview: row number, action, event id (or "-") or the reason, then
// any notes, separated by tabs.
QString previewLine(const ImportRow &row);

} // namespace qm
