// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace qm {

class ProjectDatabase;

// A timeline's page setup as stored text, in the optional table TimeLinePage that projects gain
// when a page setup is first stored: older builds never look at it, and projects without it (or a
// timeline without a row) read as empty, which prints with the defaults.
QString storedPageSetup(ProjectDatabase &db, qint32 timelineId);
void storePageSetup(ProjectDatabase &db, qint32 timelineId, const QString &text);

} // namespace qm
