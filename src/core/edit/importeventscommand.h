// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exchange/eventimport.h"

#include <QUndoCommand>

#include <functional>
#include <memory>

namespace qm {

// An events import as one undoable step: undo takes back every row it wrote, the events it made,
// the timelines it made and the boxes it placed; redo writes them again with the same Ids.
class ImportEventsCommand : public QUndoCommand
{
public:
    // `changed` is called after every redo and undo, so that the window shows the project as stored.
    ImportEventsCommand(std::unique_ptr<EventImport> import, std::function<void()> changed);

    // Progress of the first redo, which does the import itself; a stop leaves the command obsolete.
    EventImport::Progress progress;

    void redo() override;
    void undo() override;
    const EventImport &import() const { return *mImport; }

private:
    std::unique_ptr<EventImport> mImport;
    std::function<void()> mChanged;
};

} // namespace qm
