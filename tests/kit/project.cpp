// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "kit/project.h"

#include "dates/platformdate.h"
#include "store/clevent.h"
#include "store/cltimeline.h"

namespace qmtest {

QDate testToday()
{
    return {2026, 6, 15};
}

TempProject::TempProject()
{
    projectPath = dir.filePath(QStringLiteral("Test.qmp"));
    g.appFolder = QStringLiteral(QM_APP_DIR);
    g.clock = testToday;
    g.ProjectDb.create(projectPath);
}

qint32 storeEvent(qm::Globals &g, const QString &date, const QString &name, const QString &actors,
                  const QString &places)
{
    qm::clEvent e(g);
    auto d = std::make_shared<qm::ExtDate>();
    d->Assign(date, g.dateEnv());
    e.EventDate = d;
    e.EventDateStr = d->Render();
    e.Name = name;
    e.Actors = actors;
    e.Places = places;
    return e.Save();
}

double dateValue(int year, int month, int day)
{
    return *qm::platformdate::makeValue(year, month, day);
}

qint32 addEvent(qm::Globals &g, const QString &name, int year, int month, int day)
{
    qm::clEvent e(g);
    e.EventDate = std::make_shared<qm::ExtDate>(dateValue(year, month, day), qm::EraPlain);
    e.EventDateStr = e.EventDate->Render();
    e.Name = name;
    return e.Save();
}

qint32 addTimeline(qm::Globals &g, const QString &name, const QString &title)
{
    qm::clTimeLine t(g.ProjectDb);
    t.Name = name;
    t.LabelCaption = title;
    return t.Save();
}

void makeCurrent(qm::Globals &g, qint32 eventId)
{
    g.CurEvent = std::make_unique<qm::clEvent>(g);
    g.CurEvent->Id = eventId;
    g.CurEvent->Load();
}

} // namespace qmtest
