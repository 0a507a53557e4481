// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "importeventscommand.h"

#include <QCoreApplication>

namespace qm {

ImportEventsCommand::ImportEventsCommand(std::unique_ptr<EventImport> import, std::function<void()> changed)
    : mImport(std::move(import)), mChanged(std::move(changed))
{
    const ImportPlan &plan = mImport->plan();
    setText(QCoreApplication::translate("ImportEventsCommand", "import of %1 new and %2 updated events")
                .arg(plan.count(ImportAction::New))
                .arg(plan.count(ImportAction::Update)));
}

void ImportEventsCommand::redo()
{
    const bool done = mImport->apply(progress);
    progress = nullptr;
    if (!done) {
        setObsolete(true);
        return;
    }
    if (mChanged)
        mChanged();
}

void ImportEventsCommand::undo()
{
    mImport->revert();
    if (mChanged)
        mChanged();
}

} // namespace qm
