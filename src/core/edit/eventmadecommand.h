// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/rowsnapshot.h"

#include <QUndoCommand>

namespace qm {

class ProjectDatabase;

// An event stored without being placed on a timeline (a captured date) as an undoable step: undo
// takes it out of the project, redo brings it back with the same id and element links. The event is
// already stored when the command is pushed.
class EventMadeCommand : public QUndoCommand
{
public:
    EventMadeCommand(ProjectDatabase &db, qint32 eventId, const QString &name);

    void redo() override;
    void undo() override;

private:
    ProjectDatabase &mDb;
    qint32 mEventId = 0;
    bool mFirst = true;
    RowSnapshot mEventRow;
    RowSnapshot mElementRows;
};

} // namespace qm
