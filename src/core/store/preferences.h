// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"

namespace qm {

// The user's date order, kept in the settings (group "Preferences"); when never chosen, the one the
// system locale implies.
DateOrder LoadDateOrder();
void SaveDateOrder(DateOrder order);

} // namespace qm
