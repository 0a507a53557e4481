// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datequeries.h"
#include "dates/extdate.h"
#include "projectdatabase.h"

#include <QDate>
#include <QImage>
#include <QString>
#include <QUndoStack>

#include <array>
#include <functional>
#include <memory>

namespace qm {

class clEvent;
class clFormat;
class clTimeLine;

// The state the whole program shares while it runs: the open project and the working values the
// windows hand each other. The application owns one; every test makes its own.
class Globals
{
public:
    Globals();
    ~Globals();
    Globals(const Globals &) = delete;
    Globals &operator=(const Globals &) = delete;

    ProjectDatabase ProjectDb;
    QString ProjectPath;
    QString ProjectFolder;
    std::array<QString, 5> RecentPaths;
    // The changes made to the open project, one step each, for undo and redo. It lives with the
    // project, not with a window: closing the project empties it, and nothing else does.
    QUndoStack History;

    std::unique_ptr<clTimeLine> CurTimeLine;
    qint32 CurTimeLineId = 0;
    std::unique_ptr<clEvent> CurEvent;
    std::unique_ptr<clFormat> CurFormat;
    qint32 SelectedId = -1;
    // The working date that new event records share until they are given a date of their own.
    std::shared_ptr<ExtDate> NewEventDate;
    double Zoom = 1.0;
    int MinDist = 100;
    bool AdvanceDate = true;

    // Asked by clEvent::Save when another event (clashId, followed by nextId or 0) has the date of the
    // event `name`: false when the user gave up saving, true when the corrected date is in NewEventDate.
    // Unset, every clash counts as given up.
    std::function<bool(const QString &name, qint32 clashId, qint32 nextId)> DateCorrection;

    // The order of numeric dates typed and shown; the window takes the user's preference, the
    // command-line tool month first unless told otherwise.
    DateOrder dateOrder = DateOrder::MonthFirst;
    // What "today" is for dates typed without a year; tests and the command-line tool fix it.
    std::function<QDate()> clock;
    // The folder with the template project and the stock pictures.
    QString appFolder;

    // Everything a date parse needs: the clock and, when a project is open, its events.
    DateEnv dateEnv() const;
    // The working date, made with its defaults when it does not exist yet.
    std::shared_ptr<ExtDate> workingDate();

private:
    ProjectYearLookup mYearLookup;
};

// The application folder next to the executable, else ../share/quillmarsh, as installed.
QString defaultAppFolder();

} // namespace qm
