// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <vector>

namespace qm {

class ProjectDatabase;

// Where one event's box stands on a timeline: the top-left corner of its picture, in twips.
struct Placement
{
    qint32 eventId = 0;
    double BoxLeft = 0.0;
    double BoxTop = 0.0;
};

// The boxes of a timeline in chronological order of their events (era, then date). Rows naming an
// event that no longer exists are left out: there is nothing to show for them.
std::vector<Placement> timelinePlacements(ProjectDatabase &db, qint32 timelineId);

} // namespace qm
