// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Many events at once, from the boxes selected or the rows highlighted in the event list: their
// elements, and copying or moving them to another timeline.
#include "frmmain.h"

#include "canvasview.h"
#include "common/userdialogs.h"
#include "dialogs/frmeditelements.h"
#include "edit/bulkcommands.h"
#include "inplaceeditor.h"
#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/elements.h"
#include "store/globals.h"

#include <QMenu>

namespace qm {

void frmMain::buildBulk()
{
    auto entry = [this](const char *name, const QString &caption, auto slot) {
        QAction *a = new QAction(caption, this);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QAction *edit = entry("mnuEventEditElements", tr("Edit e&lements…"),
                          [this] { guarded([this] { editElementsOf(selectedEventIds(), this); }); });
    QAction *copy = entry("mnuEventCopyTo", tr("Cop&y to timeline…"),
                          [this] { guarded([this] { placeElsewhere(selectedEventIds(), false, this); }); });
    QAction *move = entry("mnuEventMoveTo", tr("Mo&ve to timeline…"),
                          [this] { guarded([this] { placeElsewhere(selectedEventIds(), true, this); }); });
    // With the other entries on the selected event, before the clipboards.
    mnuEventS->insertActions(mnuEventCopyFormat, {edit, copy, move});
    mnuEventS->insertSeparator(mnuEventCopyFormat);
}

std::vector<qint32> frmMain::selectedEventIds() const
{
    if (g.SelectedId > 0 && mCanvas->IsOnCanvas(g.SelectedId))
        return {g.SelectedId};
    return {};
}

bool frmMain::editElementsOf(const std::vector<qint32> &ids, QWidget *parent)
{
    if (ids.empty())
        return false;
    mEditor->commit();
    frmEditElements dialog(g, static_cast<int>(ids.size()), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const QString type = dialog.type();
    const QString what = dialog.names().join(QStringLiteral(", "));
    const int n = static_cast<int>(ids.size());
    const QString text = dialog.adding() ? tr("%1 added to %n event(s)", nullptr, n).arg(what)
                                         : tr("%1 taken from %n event(s)", nullptr, n).arg(what);
    pushCommand(g.History,
                std::make_unique<EventElementsCommand>(g.ProjectDb, ids, type, dialog.names(), dialog.adding(), text));
    return true;
}

bool frmMain::placeElsewhere(const std::vector<qint32> &ids, bool move, QWidget *parent)
{
    if (ids.empty() || g.CurTimeLineId <= 0)
        return false;
    mEditor->commit();
    std::vector<TimelineEntry> others;
    QStringList names;
    for (const TimelineEntry &t : timelinesByName(g.ProjectDb)) {
        if (t.id != g.CurTimeLineId) {
            others.push_back(t);
            names << t.name;
        }
    }
    if (others.empty()) {
        mDialogs.message(parent, tr("The project has no other timeline. Make one with Timelines ▸ New."));
        return false;
    }
    const int n = static_cast<int>(ids.size());
    const int chosen = mDialogs.choice(parent, move ? tr("Move to timeline") : tr("Copy to timeline"),
                                       move ? tr("Move %n event(s) to the timeline:", nullptr, n)
                                            : tr("Copy %n event(s) to the timeline:", nullptr, n),
                                       names, 0);
    if (chosen < 0 || chosen >= static_cast<int>(others.size()))
        return false;
    const TimelineEntry &target = others[static_cast<std::size_t>(chosen)];
    const QString text = move ? tr("move of %n event(s) to %1", nullptr, n).arg(target.name)
                              : tr("copy of %n event(s) to %1", nullptr, n).arg(target.name);
    pushCommand(g.History,
                std::make_unique<PlaceOnTimelineCommand>(*mCanvas, target.id, ids, move ? g.CurTimeLineId : 0, text));
    mView->refreshExtents();
    return true;
}

} // namespace qm
