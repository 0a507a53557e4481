// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace qm {

class UserDialogs;

// Runs a command from a window; an unexpected failure of the project database is told to the user
// instead of ending the program. False when the command failed.
bool runGuarded(UserDialogs &dialogs, QWidget *parent, const std::function<void()> &command);

} // namespace qm
