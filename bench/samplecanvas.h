// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"

// The sample project, read only, on a canvas showing the timeline it opens on, as a user first sees it.
struct SampleCanvas
{
    SampleCanvas()
    {
        g.appFolder = QStringLiteral(QM_APP_DIR);
        qm::setProjectPath(g, QStringLiteral(QM_SAMPLE_PROJECT));
        g.ProjectDb.open(g.ProjectPath, qm::ProjectDatabase::Mode::ReadOnly);
        const qm::mdlParms::ProjectParameters parms = qm::mdlParms::readParameters(g.ProjectDb);
        g.MinDist = parms.minDist;
        loaded = canvas.LoadTimeLine(parms.timeLineId);
    }

    qm::Globals g;
    const qm::FontTextMeasurer measurer;
    qm::TimelineCanvas canvas{g, measurer};
    bool loaded = false;
};
