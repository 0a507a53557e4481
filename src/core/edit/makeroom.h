// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/placements.h"

#include <vector>

namespace qm {

class CommandGroup;
class TimelineCanvas;

// The moves that give a box grown wider (a longer name) its room, as an insertion makes it: when the
// box now reaches closer than the minimum distance to a box of a later event, every box of a later
// event moves right by what is missing. None when the box fits.
std::vector<BoxMove> roomFor(TimelineCanvas &canvas, qint32 id);

// Makes that room as part of the group (the canvas shows it at once); false when none was needed.
bool makeRoomFor(CommandGroup &group, TimelineCanvas &canvas, qint32 id);

} // namespace qm
