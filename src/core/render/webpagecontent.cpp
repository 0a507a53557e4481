// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webpagecontent.h"

#include "store/cltimeline.h"
#include "store/elements.h"
#include "store/eventlist.h"

#include <QFileInfo>

namespace qm {

WebPageContent WebPageContent::gather(ProjectDatabase &db, const clTimeLine &timeline, const CanvasModel &model,
                                      double zoom, const QString &projectPath, const QDate &exported)
{
    WebPageContent page;
    page.model = model;
    page.zoom = zoom;
    page.title = timeline.LabelCaption.trimmed().isEmpty() ? timeline.Name : timeline.LabelCaption;
    page.subtitle = timeline.SubCaption;
    page.description = timeline.Description;
    page.projectName = QFileInfo(projectPath).completeBaseName();
    page.exported = exported;
    for (const EventListRow &row : loadEventList(db, timeline.Id)) {
        const CanvasBox *box = model.box(row.id);
        if (!box)
            continue;
        WebEvent e;
        e.id = row.id;
        e.name = row.name;
        // What the reader saw on the timeline, whatever the stored text of the date.
        e.date = box->date.caption.isEmpty() ? row.dateText : box->date.caption;
        e.description = row.description;
        for (std::size_t i = 0; i < e.elements.size(); ++i) {
            for (const QString &name : SplitElements(row.elements[i])) {
                if (!name.isEmpty())
                    e.elements[i] << name;
            }
        }
        page.events.push_back(std::move(e));
    }
    return page;
}

} // namespace qm
