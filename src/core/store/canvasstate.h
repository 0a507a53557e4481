// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cltimeline.h"
#include "dates/extdate.h"
#include "projectdatabase.h"

#include <QString>

#include <memory>

namespace qm {

class ProjectDatabase;

// What the canvas engine works with: the project's file and picture folders, the timeline it shows
// with its record, the zoom and spacing, and the selected box. The window's shared state is one; the
// spreadsheet import makes its own for each timeline it fills, on the same file, and leaves the
// window's alone.
class CanvasState
{
public:
    explicit CanvasState(ProjectDatabase &db) : ProjectDb(db) {}
    virtual ~CanvasState() = default;
    CanvasState(const CanvasState &) = delete;
    CanvasState &operator=(const CanvasState &) = delete;

    // The folders, the spacing and the date order of another state on the same project: a canvas of
    // its own (an import, a copy to another timeline) lays out as the window would.
    void takeSettingsOf(const CanvasState &other)
    {
        ProjectFolder = other.ProjectFolder;
        appFolder = other.appFolder;
        MinDist = other.MinDist;
        dateOrder = other.dateOrder;
    }

    ProjectDatabase &ProjectDb;
    QString ProjectFolder;
    // The folder with the template project and the stock pictures.
    QString appFolder;

    std::unique_ptr<clTimeLine> CurTimeLine;
    qint32 CurTimeLineId = 0;
    qint32 SelectedId = -1;
    double Zoom = 1.0;
    int MinDist = 100;
    // The order of numeric dates typed and shown; the window takes the user's preference, the
    // command-line tool month first unless told otherwise.
    DateOrder dateOrder = DateOrder::MonthFirst;
};

} // namespace qm
