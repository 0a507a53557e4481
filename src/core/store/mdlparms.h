// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QString>

namespace qm {

class ProjectDatabase;

// Project settings kept as name/value text pairs in the project's Parms table.
namespace mdlParms {

// ParmValue of the parameter, "0" when there is none.
QString GetParm(ProjectDatabase &db, const QString &name);
// Stores the value, creating the row when needed; does nothing when no project is open.
void SetParm(ProjectDatabase &db, const QString &name, const QString &value);

// The parameters a project keeps between sessions, with the defaults applied where they are read.
struct ProjectParameters
{
    qint32 timeLineId = 0;
    ExtDate defaultDate;
    int minDist = 500;
};

ProjectParameters readParameters(ProjectDatabase &db);
void writeParameters(ProjectDatabase &db, const ProjectParameters &parms);

} // namespace mdlParms
} // namespace qm
