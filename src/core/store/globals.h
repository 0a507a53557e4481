// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasstate.h"
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
class Globals : public CanvasState
{
public:
    Globals();
    ~Globals();
    Globals(const Globals &) = delete;
    Globals &operator=(const Globals &) = delete;

    QString ProjectPath;
    std::array<QString, 5> RecentPaths;
    // The changes made to the open project, one step each, for undo and redo. It lives with the
    // project, not with a window: closing the project empties it, and nothing else does.
    QUndoStack History;

    std::unique_ptr<clEvent> CurEvent;
    std::unique_ptr<clFormat> CurFormat;
    // The working date that new event records share until they are given a date of their own.
    std::shared_ptr<ExtDate> NewEventDate;
    bool AdvanceDate = true;

    // Asked by clEvent::Save when another event (clashId, followed by nextId or 0) has the date of the
    // event `name`: false when the user gave up saving, true when the corrected date is in NewEventDate.
    // Unset, every clash counts as given up.
    std::function<bool(const QString &name, qint32 clashId, qint32 nextId)> DateCorrection;

    // What "today" is for dates typed without a year; tests and the command-line tool fix it.
    std::function<QDate()> clock;

    // Everything a date parse needs: the clock and, when a project is open, its events.
    DateEnv dateEnv() const;
    // The working date, made with its defaults when it does not exist yet.
    std::shared_ptr<ExtDate> workingDate();

private:
    // The open project's connection; CanvasState::ProjectDb refers to it.
    ProjectDatabase mDb;
    ProjectYearLookup mYearLookup;
};

// The application folder next to the executable, else ../share/quillmarsh, as installed.
QString defaultAppFolder();

} // namespace qm
