// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "csvdocument.h"
#include "importplan.h"
#include "store/placements.h"
#include "store/rowsnapshot.h"

#include <QList>

#include <functional>
#include <optional>
#include <vector>

namespace qm {

class Globals;
class TextMeasurer;

// Importing a spreadsheet of events as one step that can be taken back and done again: the first
// apply() writes what the preview promised, in one transaction; revert() puts back what was stored
// before; a later apply() writes again exactly what the first one wrote, new events with their Ids.
class EventImport
{
public:
    // Makes the preview against the project of `g`; nothing is written. The measurer sizes the boxes
    // that the import places on timelines.
    // `mapping` proposes the field of each column by its name (the window's remembers the user's choices).
    EventImport(Globals &g, const TextMeasurer &measurer, CsvDocument doc, const ImportDefaults &defaults = {},
                ColumnMapping mapping = {});

    // The preview; after the first apply, new rows carry the Ids of their events.
    const ImportPlan &plan() const { return mPlan; }
    // Reads the sheet's numeric dates in this order, which the preview offers when the header names none.
    void chooseDateOrder(DateOrder order);
    // Reads column `index` into `field` ("" = not at all).
    void chooseColumn(int index, const QString &field);

    // Called with the rows and boxes done and their total; false stops the import, which keeps nothing.
    using Progress = std::function<bool(int done, int total)>;
    // Writes the import; false when stopped. Throws StoreError, keeping nothing, when the project
    // fails or changed since the preview in a way that changes what the import does.
    bool apply(const Progress &progress = {});
    void revert();
    bool applied() const { return mApplied; }
    // The timelines that got boxes (or were made): a window showing one of them loads it again.
    const QList<qint32> &timelines() const { return mTimelineIds; }

private:
    void firstApply(const Progress &progress);
    void writeEvents(const Progress &progress, int total);
    void placeEvents(const Progress &progress, int total, int done);
    // Places the rows' events (earliest first) on the timeline as insertions do, calling `placed`
    // after each box.
    void placeOnTimeline(qint32 timelineId, const std::vector<const ImportRow *> &rows, int minDist,
                         const std::function<void()> &placed);

    Globals &g;
    const TextMeasurer &mMeasurer;
    CsvDocument mDoc;
    ImportDefaults mDefaults;
    ImportPlan mPlan;
    ImportChoices mChoices;
    bool mApplied = false;
    bool mDoneOnce = false;

    QList<qint32> mTimelineIds;
    QList<qint32> mNewTimelineIds;
    QList<qint32> mCreatedElements;
    RowSnapshot mEventsBefore{QStringLiteral("Event"), QStringLiteral("Id = ?")};
    RowSnapshot mLinksBefore{QStringLiteral("EventElement"), QStringLiteral("EventId = ?")};
    RowSnapshot mPlacementsBefore = timelinePlacementRows();
    RowSnapshot mFormatsBefore{QStringLiteral("Format"), QStringLiteral("TimelineId = ? AND EventId = ?")};
    RowSnapshot mEventsAfter{QStringLiteral("Event"), QStringLiteral("Id = ?")};
    RowSnapshot mLinksAfter{QStringLiteral("EventElement"), QStringLiteral("EventId = ?")};
    RowSnapshot mElementsAfter{QStringLiteral("Element"), QStringLiteral("Id = ?")};
    RowSnapshot mTimelinesAfter{QStringLiteral("TimeLine"), QStringLiteral("Id = ?")};
    RowSnapshot mTimelineFormatsAfter{QStringLiteral("FormatTL"), QStringLiteral("TimelineId = ?")};
    RowSnapshot mPlacementsAfter = timelinePlacementRows();
    RowSnapshot mFormatsAfter{QStringLiteral("Format"), QStringLiteral("TimelineId = ? AND EventId = ?")};
};

} // namespace qm
