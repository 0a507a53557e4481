// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/rowsnapshot.h"

#include <QUndoCommand>

#include <functional>

namespace qm {

class ProjectDatabase;

// A change to the actors, places, sources or keywords of the project (the element manager adds,
// renames and deletes them). The elements of the type and the events' links to them are kept as
// they were and as they are after, so that undo and redo put back exactly those rows. The first
// redo() runs the change, in one transaction.
class ElementsCommand : public QUndoCommand
{
public:
    ElementsCommand(ProjectDatabase &db, const QString &type, const QString &text, std::function<void()> change);

    void redo() override;
    void undo() override;

private:
    void put(const RowSnapshot &elements, const RowSnapshot &links);

    ProjectDatabase &mDb;
    QString mType;
    std::function<void()> mChange;
    bool mFirst = true;
    RowSnapshot mElementsBefore;
    RowSnapshot mLinksBefore;
    RowSnapshot mElementsAfter;
    RowSnapshot mLinksAfter;
};

} // namespace qm
