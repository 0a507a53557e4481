// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandgroup.h"

#include "store/storeerror.h"

#include <QCoreApplication>
#include <QUndoStack>

namespace qm {

// The step the stack holds: its commands were done when they were added, so the first redo (the
// stack's push) does nothing.
class CommandGroup::Step : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;

    void redo() override
    {
        if (mFirst) {
            mFirst = false;
            return;
        }
        for (const auto &c : done)
            c->redo();
    }
    void undo() override
    {
        for (auto it = done.rbegin(); it != done.rend(); ++it)
            (*it)->undo();
    }

    std::vector<std::unique_ptr<QUndoCommand>> done;

private:
    bool mFirst = true;
};

CommandGroup::CommandGroup(QUndoStack &stack, const QString &text) : mStack(stack), mStep(std::make_unique<Step>(text))
{}

CommandGroup::~CommandGroup()
{
    if (mStep)
        rollback();
}

bool CommandGroup::add(std::unique_ptr<QUndoCommand> command)
{
    if (!mStep)
        throw StoreError(QStringLiteral("A finished group of changes cannot take more"));
    // A command that fails has put back what it wrote itself; the ones before it are the group's.
    command->redo();
    if (command->isObsolete())
        return false;
    mStep->done.push_back(std::move(command));
    return true;
}

void CommandGroup::commit()
{
    if (std::unique_ptr<QUndoCommand> step = take()) {
        mStack.push(step.get());
        step.release();
    }
}

std::unique_ptr<QUndoCommand> CommandGroup::take()
{
    std::unique_ptr<Step> step = std::move(mStep);
    if (!step || step->done.empty())
        return nullptr;
    return step;
}

bool CommandGroup::rollback() noexcept
{
    if (!mStep)
        return true;
    bool whole = true;
    auto &done = mStep->done;
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        try {
            (*it)->undo();
        } catch (...) {
            // The others are still taken back: the less of the step remains, the better.
            whole = false;
        }
    }
    mStep.reset();
    return whole;
}

bool CommandGroup::isEmpty() const
{
    return !mStep || mStep->done.empty();
}

void CommandGroup::setText(const QString &text)
{
    if (mStep)
        mStep->setText(text);
}

QString CommandGroup::text() const
{
    return mStep ? mStep->text() : QString();
}

QString groupFailure(const QString &text, bool rolledBack)
{
    QString what = text;
    if (!what.isEmpty())
        what[0] = what[0].toUpper();
    return rolledBack ? QCoreApplication::translate("CommandGroup", "%1 failed; nothing of it was kept").arg(what)
                      : QCoreApplication::translate("CommandGroup",
                                                    "%1 failed, and taking back its first part failed as well; "
                                                    "close and open the project to see what it holds")
                            .arg(what);
}

void runGroup(QUndoStack &stack, const QString &text, const std::function<void(CommandGroup &)> &fill)
{
    CommandGroup group(stack, text);
    try {
        fill(group);
    } catch (const StoreError &e) {
        const bool whole = group.rollback();
        throw StoreError(groupFailure(text, whole), e.text());
    }
    group.commit();
}

} // namespace qm
