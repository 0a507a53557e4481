// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <memory>
#include <vector>

class QUndoStack;

namespace qm {

// Commands that make one step of the history, all or nothing: each is done as it is added, and the
// step goes on the stack only when the group is committed. A group that ends uncommitted (a failure
// half way) undoes what it did, the last command first, so that neither the stack nor the file keeps
// half a step.
class CommandGroup
{
public:
    CommandGroup(QUndoStack &stack, const QString &text);
    ~CommandGroup();
    CommandGroup(const CommandGroup &) = delete;
    CommandGroup &operator=(const CommandGroup &) = delete;

    // Does the command now. False, the command dropped, when it found nothing to do (obsolete).
    bool add(std::unique_ptr<QUndoCommand> command);
    // Puts what was done on the stack as one step; nothing when nothing was done.
    void commit();
    // What was done as one command, for a larger group to add (its first redo does nothing); null
    // when nothing was done. The group is finished.
    std::unique_ptr<QUndoCommand> take();
    // Undoes what was done and forgets it; false when an undo failed too, so that the file may hold
    // part of the step. The destructor does this for a group that was not committed.
    bool rollback() noexcept;
    bool isEmpty() const;
    void setText(const QString &text);
    QString text() const;

private:
    class Step;
    QUndoStack &mStack;
    std::unique_ptr<Step> mStep;
};

// Fills a group and commits it. When filling fails, the group is rolled back and the failure passes
// on as a StoreError whose message says what was not done and that nothing of it was kept (or that
// taking it back failed as well).
void runGroup(QUndoStack &stack, const QString &text, const std::function<void(CommandGroup &)> &fill);

// The message that tells of a failed group, for windows that roll a group back themselves.
QString groupFailure(const QString &text, bool rolledBack);

} // namespace qm
