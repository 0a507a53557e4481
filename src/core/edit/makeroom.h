// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/placements.h"

#include <map>
#include <vector>

namespace qm {

class CommandGroup;
class TimelineCanvas;

// The moves that give boxes grown wider (a longer name, a larger picture or font) their room, as an
// insertion makes it: walking the boxes in date order, where a grown box now reaches closer than the
// minimum distance to a box of a later event, every box of a later event moves right by what is
// missing. None when they fit. To scale the date decides x: the room is made where the boxes stand
// in date order, for the day the timeline goes back to it, while the rows to scale are fitted again.
// `before` holds the right edges the boxes had before they grew (see reachOf): a box that already
// reached over a later one above or below it, as a cascade lets it, asks room only for what it grew
// by; a later box beside it still gets the whole minimum distance.
using BoxReach = std::map<qint32, double>;
std::vector<BoxMove> roomFor(TimelineCanvas &canvas, const std::vector<qint32> &ids, const BoxReach &before = {});
std::vector<BoxMove> roomFor(TimelineCanvas &canvas, qint32 id);

// The right edges of the boxes as they stand, taken before a change that may make them grow.
BoxReach reachOf(TimelineCanvas &canvas, const std::vector<qint32> &ids);

// Makes that room as part of the group (the canvas shows it at once); false when none was needed.
bool makeRoomFor(CommandGroup &group, TimelineCanvas &canvas, const std::vector<qint32> &ids,
                 const BoxReach &before = {});
bool makeRoomFor(CommandGroup &group, TimelineCanvas &canvas, qint32 id, const BoxReach &before = {});

} // namespace qm
