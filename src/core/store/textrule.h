// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace qm {

// The one rule for names that the program treats as equal whatever their letter case (element names,
// timeline names, parameter names): Unicode case folding, used both in C++ and, as the collation
// "QMNOCASE", inside SQL.
namespace textrule {

inline constexpr const char *Collation = "QMNOCASE";

inline int compareNames(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive);
}

inline bool sameName(QStringView a, QStringView b)
{
    return compareNames(a, b) == 0;
}

// A key equal for exactly the names sameName holds equal, for hashing many names at once.
inline QString nameKey(QStringView name)
{
    return name.toString().toCaseFolded();
}

} // namespace textrule
} // namespace qm
