// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qm {

class Globals;

struct OpenOutcome
{
    // The project's picture folders could not be made (a read-only place): pictures cannot be added.
    bool foldersMissing = false;
    // The file or its folder may not be written (the installed sample, a read-only disk): it is open
    // for reading only, and nothing is ever written to it.
    bool readOnly = false;
};

// Opens g.ProjectPath as the project, closing the open one first: makes its "Walls" folder when
// missing, opens the database (for reading only when it may not be written), gives a new project its first timeline and
// reads the parameters. Throws NotAProjectError (nothing written) when the file is not a project.
OpenOutcome openProjectStore(Globals &g, bool isNew);
// Stores the parameters (unless the project is read-only), empties the undo history and closes the project; does
// nothing when none is open. The project is closed even when the parameters cannot be written (the error is raised
// afterwards).
void closeProjectStore(Globals &g);
// Stores which timeline is shown, so that the project reopens on it even after no tidy exit.
void rememberShownTimeline(Globals &g);
// g.ProjectPath and g.ProjectFolder for a project file.
void setProjectPath(Globals &g, const QString &path);

} // namespace qm
