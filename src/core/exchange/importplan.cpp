// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importplan.h"

#include "csvdocument.h"
#include "eventexport.h"
#include "importcells.h"
#include "importstate.h"
#include "store/clevent.h"
#include "store/datequeries.h"
#include "store/elements.h"
#include "store/picturelibrary.h"
#include "store/sqlquery.h"
#include "store/textrule.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace qm {

namespace {

namespace col = exchangecolumns;
using importcells::normalisedList;
using importcells::timelineNames;
using importcells::unixLineBreaks;

constexpr qsizetype MaxNameLength = 255;
constexpr qsizetype MaxDescriptionLength = 1024 * 1024;
constexpr qsizetype MaxNewTimelines = 100;

} // namespace

int ImportPlan::count(ImportAction action) const
{
    return static_cast<int>(
        std::count_if(rows.cbegin(), rows.cend(), [action](const ImportRow &r) { return r.action == action; }));
}

bool ImportPlan::sameOutcome(const ImportPlan &other) const
{
    if (fileError != other.fileError || rows.size() != other.rows.size() || newTimelines != other.newTimelines)
        return false;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ImportRow &a = rows[i];
        const ImportRow &b = other.rows[i];
        if (a.row != b.row || a.action != b.action || a.eventId != b.eventId || !(a.date == b.date) ||
            !(a.end == b.end) || a.reason != b.reason || a.timelines != b.timelines)
            return false;
    }
    return true;
}

ImportPlan ImportPlan::make(ProjectDatabase &db, const CsvDocument &doc, const DateEnv &userEnv,
                            const ImportDefaults &defaults, const ImportChoices &choices)
{
    const std::optional<DateOrder> &chosenOrder = choices.order;
    ImportPlan plan;
    if (doc.records.isEmpty()) {
        plan.fileError = QStringLiteral("The file holds no rows.");
        return plan;
    }
    const CsvRecord &header = doc.records.front();
    QHash<QString, int> columns;
    for (int i = 0; i < header.cells.size(); ++i) {
        const QString name = header.cells[i].trimmed();
        const QString field = choices.columns.contains(i) ? choices.columns.value(i) : choices.mapping.propose(name);
        plan.columns << SheetColumn{name, field};
        if (field.isEmpty()) {
            if (!name.isEmpty())
                plan.ignoredColumns << name;
            continue;
        }
        if (columns.contains(field)) {
            // Named so twice, the sheet is ambiguous; a second column only proposed for it is left out.
            const bool named = textrule::sameName(name, field) || (field == col::Date && headerDateOrder(name));
            const QString first = header.cells[columns.value(field)].trimmed();
            if (named && (textrule::sameName(first, field) || (field == col::Date && headerDateOrder(first)))) {
                plan.fileError = QStringLiteral("The column \"%1\" is named twice in the first row.").arg(field);
                return plan;
            }
            plan.columns.last().field.clear();
            plan.ignoredColumns << name;
            continue;
        }
        if (const auto order = headerDateOrder(name); order && field == col::Date) {
            plan.dateOrder = *order;
            plan.dateOrderSource = SheetOrderSource::Header;
        }
        columns.insert(field, i);
    }
    if (columns.isEmpty() || header.unclosedQuote) {
        plan.fileError = QStringLiteral("The first row of the file must name its columns: %1.")
                             .arg(col::all().join(QStringLiteral(", ")));
        plan.ignoredColumns.clear();
        return plan;
    }

    // A sheet means the same whoever reads it: its header's order first, then the user's choice, then
    // what its own cells show.
    if (plan.dateOrderSource != SheetOrderSource::Header) {
        QList<QStringView> cells;
        for (const QString &field : {col::Date, col::Ends}) {
            const auto it = columns.constFind(field);
            for (qsizetype r = 1; it != columns.cend() && r < doc.records.size(); ++r) {
                if (*it < doc.records[r].cells.size())
                    cells << QStringView(doc.records[r].cells[*it]);
            }
        }
        const auto detected = detectDateOrder(cells);
        plan.dateOrder = chosenOrder ? *chosenOrder : detected ? *detected : userEnv.order;
        plan.dateOrderSource = chosenOrder ? SheetOrderSource::Chosen
                               : detected  ? SheetOrderSource::Detected
                                           : SheetOrderSource::Unknown;
    }
    DateEnv env = userEnv;
    env.order = plan.dateOrder;

    ProjectState state(db);
    QStringList knownTimelines;
    for (const StoredTimeline &t : state.timelines)
        knownTimelines << t.name;
    auto timelineId = [&state](const QString &name) {
        for (const StoredTimeline &t : state.timelines) {
            if (textrule::sameName(t.name.trimmed(), name.trimmed()))
                return t.id;
        }
        return 0;
    };
    QHash<qint32, int> rowOfEvent;

    for (qsizetype r = 1; r < doc.records.size(); ++r) {
        const CsvRecord &record = doc.records[r];
        const RowReader read(columns, record);
        ImportRow row;
        row.row = record.row;
        auto refuse = [&](const QString &reason) {
            row.action = ImportAction::Refused;
            row.reason = reason;
            plan.rows << row;
        };
        if (record.unclosedQuote) {
            refuse(QStringLiteral("a quoted cell is not closed"));
            continue;
        }
        if (record.cells.size() > header.cells.size()) {
            refuse(QStringLiteral("%1 cells, but the first row names %2 columns")
                       .arg(record.cells.size())
                       .arg(header.cells.size()));
            continue;
        }

        // Which event: none (a new one) or the one the Id names.
        const QString idText = read.cell(col::Id).value_or(QString()).trimmed();
        const StoredEvent *stored = nullptr;
        if (!idText.isEmpty()) {
            bool ok = false;
            const qint64 id = idText.toLongLong(&ok);
            if (!ok || id <= 0 || id > std::numeric_limits<qint32>::max()) {
                refuse(QStringLiteral("the id \"%1\" is not an event number").arg(idText));
                continue;
            }
            row.eventId = static_cast<qint32>(id);
            const auto it = state.events.constFind(row.eventId);
            if (it == state.events.cend()) {
                refuse(QStringLiteral("there is no event %1").arg(id));
                continue;
            }
            if (rowOfEvent.contains(row.eventId)) {
                refuse(QStringLiteral("event %1 is already in row %2").arg(id).arg(rowOfEvent.value(row.eventId)));
                continue;
            }
            stored = &*it;
        }

        // Start from the stored event, or from a new one; the cells the file has replace its values.
        if (stored) {
            row.date = stored->date;
            row.dateStr = stored->dateStr;
            row.name = stored->name;
            row.description = stored->description;
            row.actors = stored->lists[0];
            row.places = stored->lists[1];
            row.sources = stored->lists[2];
            row.keywords = stored->lists[3];
            row.imageName = stored->imageName;
            row.imageSource = stored->imageSource;
        } else {
            row.imageName = defaults.imageName;
            row.imageSource = defaults.imageSource;
        }

        const QString dateText = read.cell(col::Date).value_or(QString()).trimmed();
        ExtDate typed = row.date;
        if (!dateText.isEmpty()) {
            if (const QString why = readSheetDate(dateText, QStringLiteral("date"), env, plan.dateOrderSource, typed);
                !why.isEmpty()) {
                refuse(why);
                continue;
            }
        } else if (!stored) {
            refuse(QStringLiteral("a new event needs a date"));
            continue;
        }
        // An empty Ends cell makes the event one of a moment; a file without the column keeps the end.
        row.end = stored ? stored->end : std::nullopt;
        if (const auto endCell = read.cell(col::Ends)) {
            // An end a file made elsewhere holds unreadably is written empty: that keeps it, as for the Date.
            if (!row.end || row.end->isValid() || !endCell->trimmed().isEmpty())
                row.end.reset();
            if (!endCell->trimmed().isEmpty()) {
                ExtDate end;
                if (const QString why =
                        readSheetDate(endCell->trimmed(), QStringLiteral("end"), env, plan.dateOrderSource, end);
                    !why.isEmpty()) {
                    refuse(why);
                    continue;
                }
                row.end = typedEnd(endCell->trimmed(), end);
            }
        }
        if (row.end && row.end->Compare(typed) == u'<') {
            refuse(QStringLiteral("the end %1 lies before the start %2")
                       .arg(row.end->Render(env.order, false), typed.Render(env.order, false)));
            continue;
        }
        if (const auto name = read.cell(col::Name)) {
            if (name->trimmed().isEmpty()) {
                refuse(QStringLiteral("the name is empty"));
                continue;
            }
            if (name->size() > MaxNameLength) {
                refuse(QStringLiteral("the name is longer than %1 characters").arg(MaxNameLength));
                continue;
            }
            row.name = *name;
        } else if (!stored) {
            refuse(QStringLiteral("the name is empty"));
            continue;
        }
        if (const auto source = read.cell(col::PictureSource)) {
            const QString s = source->trimmed().toUpper();
            if (!s.isEmpty() && s != u"S" && s != u"C" && !isNoPicture(s)) {
                refuse(QStringLiteral("unknown picture source \"%1\" (S, C or N for none)").arg(source->trimmed()));
                continue;
            }
            row.imageSource = s.isEmpty() ? QStringLiteral("S") : s;
        }
        if (const auto picture = read.cell(col::Picture)) {
            if (picture->trimmed().size() > MaxNameLength) {
                refuse(QStringLiteral("the picture name is longer than %1 characters").arg(MaxNameLength));
                continue;
            }
            const bool none = isNoPicture(row.imageSource);
            row.imageName = none                           ? QString()
                            : picture->trimmed().isEmpty() ? QStringLiteral("Im0.gif")
                                                           : picture->trimmed();
        }
        if (const auto description = read.cell(col::Description)) {
            if (description->size() > MaxDescriptionLength) {
                refuse(QStringLiteral("the description is longer than 1 MB"));
                continue;
            }
            // A spreadsheet may give back line breaks of another kind: that is no change.
            if (!stored || unixLineBreaks(*description) != unixLineBreaks(stored->description))
                row.description = *description;
        }
        const std::array<std::pair<const QString *, QString *>, 4> lists = {
            std::pair{&col::Actors, &row.actors}, std::pair{&col::Places, &row.places},
            std::pair{&col::Sources, &row.sources}, std::pair{&col::Keywords, &row.keywords}};
        for (const auto &[column, member] : lists) {
            const auto cell = read.cell(*column);
            if (cell && normalisedList(*cell) != normalisedList(*member))
                *member = *cell;
        }

        // The date: no two events share one, but a taken day is kept. A stored event's day written
        // without the minute that orders it within that day is its own stored date.
        const qint32 own = stored ? row.eventId : -static_cast<qint32>(r);
        const bool typedTime = textHasTimeOfDay(dateText);
        if (stored && !typedTime && typed.Era == stored->date.Era &&
            std::floor(typed.Value) == std::floor(stored->date.Value + 0.5 / 86400.0))
            typed = stored->date;
        const bool dateChanged = !stored || !(typed == stored->date);
        row.date = typed;
        if (dateChanged) {
            DateMove move = DateMove::Unchanged;
            row.date = state.fitOnDay(typed, own, typedTime, move);
            if (move == DateMove::NoRoom) {
                refuse(QStringLiteral("every minute of %1 is taken").arg(typed.Render(env.order, false)));
                continue;
            }
            // A period ending on its first day ends no earlier than the minute its start was moved to.
            if (row.end && row.end->Compare(row.date) == u'<')
                row.end = row.date;
            if (move == DateMove::NextMinute)
                row.notes << QStringLiteral("time moved to %1: %2 is taken")
                                 .arg(row.date.Render(env.order), typed.Render(env.order));
        }
        // The text shown with the date: the sheet's own; when it has none, the Date cell as written.
        // A changed date no longer shows the stored text of the old one.
        const auto shownCell = read.cell(col::DisplayedAs);
        QString shown = shownCell ? *shownCell : row.dateStr;
        if (dateChanged && stored && !dateText.isEmpty() && shown == stored->dateStr)
            shown = dateText;
        row.dateStr =
            shown.trimmed().isEmpty() ? (dateText.isEmpty() ? row.date.Render(env.order, false) : dateText) : shown;

        // Timelines: the event is put on each one named that does not hold it yet.
        bool placesMore = false;
        QString timelineRefusal;
        const qsizetype newBefore = plan.newTimelines.size();
        if (const auto cell = read.cell(col::Timelines)) {
            for (const QString &name : timelineNames(*cell, knownTimelines + plan.newTimelines)) {
                const qint32 tid = timelineId(name);
                QString spelled = name;
                if (tid == 0) {
                    const auto planned = std::find_if(plan.newTimelines.cbegin(), plan.newTimelines.cend(),
                                                      [&](const QString &s) { return textrule::sameName(s, name); });
                    if (planned == plan.newTimelines.cend() && name.size() > MaxNameLength) {
                        timelineRefusal =
                            QStringLiteral("a timeline name is longer than %1 characters").arg(MaxNameLength);
                        break;
                    }
                    if (planned == plan.newTimelines.cend() && plan.newTimelines.size() >= MaxNewTimelines) {
                        // Each new name is looked for among all the others: a cap keeps the reading quick.
                        timelineRefusal =
                            QStringLiteral("one import makes at most %1 new timelines").arg(MaxNewTimelines);
                        break;
                    }
                    if (planned == plan.newTimelines.cend()) {
                        plan.newTimelines << name;
                        row.notes << QStringLiteral("new timeline \"%1\"").arg(name);
                    } else {
                        spelled = *planned;
                    }
                } else {
                    for (const StoredTimeline &t : state.timelines) {
                        if (t.id == tid)
                            spelled = t.name;
                    }
                }
                row.timelines << spelled;
                if (!stored || tid == 0 || !stored->timelines.contains(tid))
                    placesMore = true;
            }
        }
        if (!timelineRefusal.isEmpty()) {
            // A refused row makes no timeline either.
            plan.newTimelines.resize(newBefore);
            refuse(timelineRefusal);
            continue;
        }

        if (stored) {
            row.changesEvent = dateChanged || !(row.end == stored->end) || row.dateStr != stored->dateStr ||
                               row.name != stored->name || row.description != stored->description ||
                               row.actors != stored->lists[0] || row.places != stored->lists[1] ||
                               row.sources != stored->lists[2] || row.keywords != stored->lists[3] ||
                               row.imageName != stored->imageName || row.imageSource != stored->imageSource;
            // An event whose stored date nobody can read keeps it only as long as nothing is written.
            if (row.changesEvent && !row.date.isValid()) {
                refuse(QStringLiteral("event %1 has no readable date: the Date cell must give one").arg(row.eventId));
                continue;
            }
            row.action = row.changesEvent || placesMore ? ImportAction::Update : ImportAction::Unchanged;
            rowOfEvent.insert(row.eventId, row.row);
            if (dateChanged) {
                state.release(stored->date, row.eventId);
                state.occupy(row.date, row.eventId);
            }
        } else {
            row.changesEvent = true;
            row.action = ImportAction::New;
            state.occupy(row.date, own);
        }
        plan.rows << row;
    }
    return plan;
}

QString actionWord(ImportAction action)
{
    switch (action) {
    case ImportAction::New:
        return QStringLiteral("new");
    case ImportAction::Update:
        return QStringLiteral("update");
    case ImportAction::Unchanged:
        return QStringLiteral("unchanged");
    case ImportAction::Refused:
        break;
    }
    return QStringLiteral("refused");
}

QString previewLine(const ImportRow &row)
{
    QStringList fields = {QString::number(row.row), actionWord(row.action)};
    if (row.action == ImportAction::Refused)
        fields << row.reason;
    else
        fields << (row.eventId > 0 ? QString::number(row.eventId) : QStringLiteral("-"));
    if (!row.notes.isEmpty())
        fields << row.notes.join(QStringLiteral("; "));
    return fields.join(u'\t');
}

} // namespace qm
