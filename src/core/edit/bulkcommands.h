// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/rowsnapshot.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace qm {

class ProjectDatabase;
class TextMeasurer;

// Elements of one type added to or taken from many events at once, one step. Names not yet in the
// project are made (and go again on undo); removing a name an event does not carry changes nothing.
class EventElementsCommand : public QUndoCommand
{
public:
    EventElementsCommand(ProjectDatabase &db, std::vector<qint32> eventIds, const QString &type,
                         const QStringList &names, bool add, const QString &text);

    void redo() override;
    void undo() override;

private:
    void firstRedo();

    ProjectDatabase &mDb;
    std::vector<qint32> mIds;
    QString mType;
    QStringList mNames;
    bool mAdd = true;
    bool mFirst = true;
    RowSnapshot mBefore;
    RowSnapshot mAfter;
    RowSnapshot mMadeElements;
};

// Boxes for stored events placed on a timeline that the canvas does not show, in date order as
// Include & Exit places them; with `moveFrom`, the events leave that timeline in the same step.
// Events already on the target keep their boxes there. Undo gives both timelines back their rows.
class PlaceOnTimelineCommand : public CanvasCommand
{
public:
    PlaceOnTimelineCommand(TimelineCanvas &canvas, qint32 targetId, std::vector<qint32> eventIds, qint32 moveFrom,
                           const QString &text);

    void redo() override;
    void undo() override;
    // The events placed on the target by this step.
    const std::vector<qint32> &placed() const { return mPlaced; }

private:
    void firstRedo();
    // The canvas follows the file when it shows one of the timelines.
    void showOnCanvas(bool done);

    std::vector<qint32> mIds;
    qint32 mFrom = 0;
    bool mFirst = true;
    std::vector<qint32> mPlaced;
    RowSnapshot mTargetBefore;
    RowSnapshot mTargetAfter;
    RowSnapshot mFormatsBefore;
    RowSnapshot mFormatsAfter;
    RowSnapshot mSourceRows;
};

// Places stored events on any timeline of the project as the canvas would if it showed it, without
// touching what the canvas shows; returns the ids placed. Events already on it stay where they are.
std::vector<qint32> placeOnTimeline(Globals &g, const TextMeasurer &measurer, qint32 timelineId,
                                    const std::vector<qint32> &eventIds);

} // namespace qm
