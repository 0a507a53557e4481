// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

class QIODevice;

namespace qm {

// Writes an exported file so that a failure never leaves half a file or destroys the old one, and
// so that a name which is a symbolic link changes the file the link points to, never the link.
class ExportFile
{
public:
    // Fills the device; false, with the reason in `error`, when it could not.
    using Writer = std::function<bool(QIODevice &device, QString *error)>;

    // The file that writing `path` changes: the path itself or the end of its chain of symbolic
    // links. Empty, with the reason in `error`, when that is a folder, a device or anything else
    // that is not a plain file, or when the links go round in a loop.
    static QString target(const QString &path, QString *error);
    // Writes the target of `path` through a temporary file beside it, which replaces the target only
    // when the writer succeeded and every byte reached the disk. False, with a message for the user in
    // `error`, otherwise; nothing is left behind then.
    static bool write(const QString &path, const Writer &writer, QString *error);
};

} // namespace qm
