// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <QVariant>

namespace qm {

// How the project file keeps values that SQL has no type for: booleans as -1 and 0, colours as one
// number red + 256 x green + 65536 x blue.
namespace storedvalues {

inline QVariant fromBool(bool b)
{
    return b ? -1 : 0;
}

// Empty texts go in as empty, not null, so that other programs reading the file see what was meant.
inline QVariant fromText(const QString &s)
{
    return s.isNull() ? QVariant(QStringLiteral("")) : QVariant(s);
}

// Any non-zero number is true, as the old files had it; null is false.
inline bool toBool(const QVariant &v)
{
    return v.toLongLong() != 0;
}

inline QColor toColor(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

inline qint32 fromColor(const QColor &c)
{
    return c.red() + 256 * c.green() + 65536 * c.blue();
}

} // namespace storedvalues
} // namespace qm
