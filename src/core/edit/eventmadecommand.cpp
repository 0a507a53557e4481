// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventmadecommand.h"

#include "store/clevent.h"
#include "store/sqlquery.h"

#include <QCoreApplication>

namespace qm {

EventMadeCommand::EventMadeCommand(ProjectDatabase &db, qint32 eventId, const QString &name)
    : QUndoCommand(QCoreApplication::translate("EventMadeCommand", "new event %1").arg(name)), mDb(db),
      mEventId(eventId)
{}

void EventMadeCommand::redo()
{
    if (mFirst) {
        mFirst = false;
        mEventRow = RowSnapshot::matching(mDb, QStringLiteral("Event"), QStringLiteral("Id = ?"), {mEventId});
        mElementRows =
            RowSnapshot::matching(mDb, QStringLiteral("EventElement"), QStringLiteral("EventId = ?"), {mEventId});
        return;
    }
    TransactionGuard guard(mDb);
    mEventRow.restore(mDb);
    mElementRows.restore(mDb);
    guard.commit();
}

void EventMadeCommand::undo()
{
    TransactionGuard guard(mDb);
    DeleteEventRow(mDb, mEventId);
    guard.commit();
}

} // namespace qm
