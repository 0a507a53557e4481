// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/pagegrid.h"
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

namespace {

// The timeline of the project the command names, on a canvas as the window shows it right after
// loading: full size on a 96 DPI screen.
struct LoadedTimeline
{
    explicit LoadedTimeline(const Arguments &a)
    {
        qm::setProjectPath(g, QFileInfo(a.positional[0]).absoluteFilePath());
        g.ProjectDb.open(g.ProjectPath, qm::ProjectDatabase::Mode::ReadOnly);
        g.MinDist = qm::mdlParms::readParameters(g.ProjectDb).minDist;
        const qint32 id = chooseTimeline(g.ProjectDb, a);
        if (!canvas.LoadTimeLine(id))
            throw ToolFailure(QStringLiteral("The timeline could not be loaded"));
    }

    qm::Globals g;
    const qm::FontTextMeasurer measurer{96.0};
    qm::TimelineCanvas canvas{g, measurer};
};

// WIDTHxHEIGHT in twips, both positive.
QSize pageOption(const QString &text)
{
    const QStringList parts = text.toLower().split(u'x');
    bool okW = false;
    bool okH = false;
    const int w = parts.size() == 2 ? parts[0].toInt(&okW) : 0;
    const int h = parts.size() == 2 ? parts[1].toInt(&okH) : 0;
    if (!okW || !okH || w <= 0 || h <= 0)
        throw UsageError(QStringLiteral("--page needs WIDTHxHEIGHT in twips, such as 16440x11500"));
    return {w, h};
}

} // namespace

int cmdExport(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline")});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("export needs a project FILE and the OUT picture file"));
    const QString out = a.positional[1];
    // Refused before any work: the extension alone decides the format.
    if (qm::PictureExport::formatFor(out) == qm::ExportFormat::None)
        throw UsageError(qm::PictureExport::formatsMessage());

    LoadedTimeline t(a);
    QString error;
    if (!qm::PictureExport::exportCanvas(t.canvas.model(), out, 1.0 / t.measurer.twipsPerPixel(), &error))
        throw ToolFailure(error);
    return ExitDone;
}

int cmdPages(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline"), QStringLiteral("page")});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("pages needs a project FILE"));
    const QSize page =
        a.has(QStringLiteral("page")) ? pageOption(a.option(QStringLiteral("page"))) : qm::PageGrid::defaultPage();
    LoadedTimeline t(a);
    const qm::CanvasModel &model = t.canvas.model();
    const qm::PageGrid grid(QSizeF(model.width, model.height), page);
    out(QString::number(grid.pageCount()));
    for (double x : grid.verticalLines())
        out(QStringLiteral("vertical\t%1").arg(x));
    for (double y : grid.horizontalLines())
        out(QStringLiteral("horizontal\t%1").arg(y));
    return ExitDone;
}

} // namespace qmtool
