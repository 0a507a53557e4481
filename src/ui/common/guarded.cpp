// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "guarded.h"

#include "store/storeerror.h"
#include "userdialogs.h"

namespace qm {

bool runGuarded(UserDialogs &dialogs, QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const StoreError &e) {
        dialogs.error(parent, e.text());
        return false;
    }
}

} // namespace qm
