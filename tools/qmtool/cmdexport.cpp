// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/pictureexport.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"
#include "store/textrule.h"

#include <QFileInfo>

namespace qmtool {

qint32 chooseTimeline(qm::ProjectDatabase &db, const Arguments &a)
{
    const std::vector<qm::TimelineEntry> timelines = qm::timelinesByName(db);
    if (a.has(QStringLiteral("timeline"))) {
        const QString name = a.option(QStringLiteral("timeline"));
        for (const qm::TimelineEntry &t : timelines) {
            if (qm::textrule::sameName(t.name, name))
                return t.id;
        }
        throw ToolFailure(QStringLiteral("The project has no timeline named \"%1\"").arg(name));
    }
    if (timelines.empty())
        throw ToolFailure(QStringLiteral("The project has no timeline"));
    const qint32 remembered = qm::mdlParms::GetParm(db, QStringLiteral("TimeLine0")).toInt();
    for (const qm::TimelineEntry &t : timelines) {
        if (t.id == remembered)
            return t.id;
    }
    return timelines.front().id;
}

int cmdExport(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline")});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("export needs a project FILE and the OUT picture file"));
    const QString out = a.positional[1];
    // Refused before any work: the extension alone decides the format.
    if (qm::PictureExport::formatFor(out).isEmpty())
        throw UsageError(QStringLiteral("OUT must end in .png, .jpg, .jpeg, .bmp, .tif or .tiff"));

    qm::Globals g;
    qm::setProjectPath(g, QFileInfo(a.positional[0]).absoluteFilePath());
    g.ProjectDb.open(g.ProjectPath, qm::ProjectDatabase::Mode::ReadOnly);
    g.MinDist = qm::mdlParms::readParameters(g.ProjectDb).minDist;
    const qint32 id = chooseTimeline(g.ProjectDb, a);

    // As the canvas shows the timeline right after loading it: full size on a 96 DPI screen.
    const qm::FontTextMeasurer measurer(96.0);
    qm::TimelineCanvas canvas(g, measurer);
    if (!canvas.LoadTimeLine(id))
        throw ToolFailure(QStringLiteral("The timeline could not be loaded"));
    const QImage image = qm::PictureExport::render(canvas.model(), 1.0 / measurer.twipsPerPixel());
    QString error;
    if (!qm::PictureExport::save(image, out, &error))
        throw ToolFailure(error);
    return ExitDone;
}

} // namespace qmtool
