// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasmodel.h"
#include "store/placements.h"

#include <QHash>
#include <QString>

#include <vector>

namespace qm {

class ProjectDatabase;

// Finding one's way on a long timeline: what a search finds, the box of a date, moves by box and by
// screen, the zoom that shows everything. Plain functions over the canvas model, so that the window
// only asks and shows.
namespace navigation {

// What a search looks through for each box: its name and date as shown, and its elements.
class FindIndex
{
public:
    // `ordered` gives the boxes in the order the search steps through them (left to right);
    // `elements` the elements of each event as one text.
    void build(const CanvasModel &model, const std::vector<qint32> &ordered, const QHash<qint32, QString> &elements);
    // The boxes whose texts hold the needle (letter case ignored), left to right; none for an empty needle.
    std::vector<qint32> find(const QString &needle) const;
    std::size_t size() const { return mIds.size(); }

private:
    std::vector<qint32> mIds;
    std::vector<QString> mTexts;
};

// The elements of every event with a box on the timeline, each event's names joined in one text.
// One read, whatever the number of boxes.
QHash<qint32, QString> elementTextsOfTimeline(ProjectDatabase &db, qint32 timelineId);

// The box of the first event dated at or after `date` in date order; the last box when every event is
// earlier; -1 when there is none. Boxes whose dates do not compare are passed over.
qint32 boxAtOrAfter(const std::vector<DatedPlacement> &boxes, const ExtDate &date);

// Where Home, End, Page Up and Page Down take the selection among `ordered` (left to right): the
// first or last box, or the box a screen's width (`screen`, twips) to the left or right of the
// current one. With nothing selected, Page Down and Page Up start from the view's left edge `viewLeft`.
enum class Move { First, Last, PageBack, PageOn };
qint32 moveSelection(const CanvasModel &model, const std::vector<qint32> &ordered, qint32 current, Move move,
                     double screen, double viewLeft);

// The factor by which the canvas, shown now, is to be scaled so that every box, the title and the
// subtitle fit the viewport (twips); 1 when there is nothing to fit.
double fitFactor(const CanvasModel &model, double margin, double viewportWidth, double viewportHeight);

} // namespace navigation
} // namespace qm
