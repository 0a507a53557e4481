// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasnavigation.h"

#include "store/projectdatabase.h"
#include "store/sqlquery.h"

#include <algorithm>

namespace qm::navigation {

void FindIndex::build(const CanvasModel &model, const std::vector<qint32> &ordered,
                      const QHash<qint32, QString> &elements)
{
    mIds.clear();
    mTexts.clear();
    mIds.reserve(ordered.size());
    mTexts.reserve(ordered.size());
    for (const qint32 id : ordered) {
        const CanvasBox *b = model.box(id);
        if (!b)
            continue;
        mIds.push_back(id);
        // Folded once here, so that each keystroke compares plain text.
        mTexts.push_back((b->name.caption + u'\n' + b->date.caption + u'\n' + elements.value(id)).toCaseFolded());
    }
}

std::vector<qint32> FindIndex::find(const QString &needle) const
{
    std::vector<qint32> found;
    const QString folded = needle.trimmed().toCaseFolded();
    if (folded.isEmpty())
        return found;
    for (std::size_t i = 0; i < mTexts.size(); ++i) {
        if (mTexts[i].contains(folded))
            found.push_back(mIds[i]);
    }
    return found;
}

QHash<qint32, QString> elementTextsOfTimeline(ProjectDatabase &db, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT ee.EventId, e.ElementName FROM EventElement ee "
                                  "JOIN Element e ON ee.ElementId = e.Id AND ee.ElementType = e.ElementType "
                                  "WHERE ee.EventId IN (SELECT EventId FROM TimeLineEvent WHERE TimeLineId = ?)"));
    q.bind(timelineId).exec();
    QHash<qint32, QString> texts;
    while (q.next()) {
        QString &text = texts[q.value(0).toInt()];
        if (!text.isEmpty())
            text += u'\n';
        text += q.value(1).toString();
    }
    return texts;
}

qint32 boxAtOrAfter(const std::vector<DatedPlacement> &boxes, const ExtDate &date)
{
    qint32 last = -1;
    for (const DatedPlacement &b : boxes) {
        const QChar order = b.date.Compare(date);
        if (order == u'X')
            continue;
        if (order != u'<')
            return b.eventId;
        last = b.eventId;
    }
    return last;
}

qint32 moveSelection(const CanvasModel &model, const std::vector<qint32> &ordered, qint32 current, Move move,
                     double screen, double viewLeft)
{
    if (ordered.empty())
        return -1;
    if (move == Move::First)
        return ordered.front();
    if (move == Move::Last)
        return ordered.back();
    auto xOf = [&model](qint32 id) { return model.box(id)->connector.p1.x(); };
    const auto at = std::find(ordered.begin(), ordered.end(), current);
    const bool selected = at != ordered.end();
    if (move == Move::PageOn) {
        const double target = (selected ? xOf(current) : viewLeft) + screen;
        // The first box at least a screen further on; the last when the timeline ends sooner.
        for (auto it = selected ? at + 1 : ordered.begin(); it != ordered.end(); ++it) {
            if (xOf(*it) >= target)
                return *it;
        }
        return ordered.back();
    }
    const double target = (selected ? xOf(current) : viewLeft + screen) - screen;
    for (auto it = selected ? std::make_reverse_iterator(at) : ordered.rbegin(); it != ordered.rend(); ++it) {
        if (xOf(*it) <= target)
            return *it;
    }
    return ordered.front();
}

double fitFactor(const CanvasModel &model, double margin, double viewportWidth, double viewportHeight)
{
    QRectF all = model.lblLabel.rect | model.lblSub.rect;
    for (const auto &entry : model.boxes())
        all |= entry.second.bounds();
    all.setBottom(std::max(all.bottom(), model.height));
    const double width = all.right() + margin;
    const double height = all.bottom();
    if (model.boxCount() == 0 || width <= 0 || height <= 0 || viewportWidth <= 0 || viewportHeight <= 0)
        return 1.0;
    return std::min(viewportWidth / width, viewportHeight / height);
}

} // namespace qm::navigation
