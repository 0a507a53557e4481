// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectlifecycle.h"

#include "cltimeline.h"
#include "globals.h"
#include "mdlparms.h"
#include "projectcopy.h"
#include "projectfiles.h"
#include "storeerror.h"

namespace qm {

void setProjectPath(Globals &g, const QString &path)
{
    g.ProjectPath = path;
    g.ProjectFolder = projectFolderOf(path);
}

OpenOutcome openProjectStore(Globals &g, bool isNew)
{
    closeProjectStore(g);
    OpenOutcome outcome;
    // Only a file that really is a project gets folders made beside it.
    {
        ProjectDatabase probe;
        // It waits for another program's writing as the project's own connection would.
        probe.whileWaiting = g.ProjectDb.whileWaiting;
        probe.open(g.ProjectPath, ProjectDatabase::Mode::ReadOnly);
    }
    outcome.readOnly = !isNew && !projectIsWritable(g.ProjectPath, g.appFolder);
    if (outcome.readOnly) {
        g.ProjectDb.open(g.ProjectPath, ProjectDatabase::Mode::ReadOnly);
    } else {
        // A project whose folder was removed gets it back, empty, rather than failing later.
        if (!makeProjectFolders(g.ProjectFolder))
            outcome.foldersMissing = true;
        g.ProjectDb.open(g.ProjectPath);
        if (isNew)
            createFirstTimeline(g);
    }

    const mdlParms::ProjectParameters parms = mdlParms::readParameters(g.ProjectDb);
    g.CurTimeLineId = parms.timeLineId;
    *g.workingDate() = parms.defaultDate;
    g.MinDist = parms.minDist;
    return outcome;
}

void rememberShownTimeline(Globals &g)
{
    if (g.ProjectDb.isOpen() && !g.ProjectDb.isReadOnly())
        mdlParms::SetParm(g.ProjectDb, QStringLiteral("TimeLine0"), QString::number(g.CurTimeLineId));
}

void closeProjectStore(Globals &g)
{
    // The steps belong to this project's file.
    g.History.clear();
    if (!g.ProjectDb.isOpen())
        return;
    if (g.ProjectDb.isReadOnly()) {
        g.ProjectDb.close();
        return;
    }
    mdlParms::ProjectParameters parms;
    parms.timeLineId = g.CurTimeLineId;
    parms.defaultDate = *g.workingDate();
    parms.minDist = g.MinDist;
    try {
        mdlParms::writeParameters(g.ProjectDb, parms);
    } catch (const StoreError &) {
        g.ProjectDb.close();
        throw;
    }
    g.ProjectDb.close();
}

} // namespace qm
