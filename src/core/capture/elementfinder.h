// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qm {

class ProjectDatabase;

// The names of the stored elements of one type ("A", "P", "S" or "K") that occur anywhere in the text,
// letter case aside and with no regard to word boundaries ("Ann" is found in "Annual"), joined by ","
// in the order the elements were stored. Empty when no project is open. Throws StoreError.
QString FindElementsInText(ProjectDatabase &db, const QString &text, const QString &type);

} // namespace qm
