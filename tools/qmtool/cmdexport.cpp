// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "render/pictureexport.h"
#include "render/printpages.h"
#include "render/webpagecontent.h"
#include "render/webpageexport.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"
#include "store/textrule.h"
#include "store/timelinepages.h"

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

// The stored page setup of the timeline, with what --paper, --orientation and --fit say instead.
qm::PageSetup pageSetupOption(LoadedTimeline &t, const Arguments &a)
{
    qm::PageSetup setup = qm::PageSetup::fromText(qm::storedPageSetup(t.g.ProjectDb, t.g.CurTimeLineId));
    QString error;
    if ((a.has(QStringLiteral("paper")) && !setup.setPaper(a.option(QStringLiteral("paper")), &error)) ||
        (a.has(QStringLiteral("orientation")) &&
         !setup.setOrientation(a.option(QStringLiteral("orientation")), &error)) ||
        (a.has(QStringLiteral("fit")) && !setup.setFit(a.option(QStringLiteral("fit")), &error)))
        throw UsageError(error);
    return setup;
}

const QStringList PageOptions = {QStringLiteral("timeline"), QStringLiteral("paper"), QStringLiteral("orientation"),
                                 QStringLiteral("fit")};

} // namespace

int cmdExport(const QStringList &args)
{
    const Arguments a =
        Arguments::parse(args, PageOptions + QStringList{QStringLiteral("dpi")}, {QStringLiteral("as-printed")});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("export needs a project FILE and the OUT picture file"));
    const QString out = a.positional[1];
    // Refused before any work: the extension alone decides the format.
    const qm::ExportFormat format = qm::PictureExport::formatFor(out);
    const bool webPage = qm::WebPageExport::isWebPage(out);
    if (format == qm::ExportFormat::None && !webPage)
        throw UsageError(qm::PictureExport::formatsMessage() + QStringLiteral(" A web page ends in .html or .htm."));
    qm::ExportOptions options;
    if (a.has(QStringLiteral("dpi"))) {
        bool ok = false;
        options.dpi = a.option(QStringLiteral("dpi")).toDouble(&ok);
        if (!ok || options.dpi < 10 || options.dpi > 2400)
            throw UsageError(QStringLiteral("--dpi needs a resolution from 10 to 2400 dots per inch"));
    }
    options.asPrinted = a.has(QStringLiteral("as-printed"));
    const bool pageOptions = a.has(QStringLiteral("paper")) || a.has(QStringLiteral("orientation")) ||
                             a.has(QStringLiteral("fit")) || options.asPrinted;
    if (pageOptions && format != qm::ExportFormat::Pdf)
        throw UsageError(QStringLiteral("--as-printed, --paper, --orientation and --fit are for PDF files only"));
    if (pageOptions && !options.asPrinted)
        throw UsageError(QStringLiteral("--paper, --orientation and --fit go with --as-printed"));

    LoadedTimeline t(a);
    QString error;
    if (webPage) {
        const qm::WebPageContent page = qm::WebPageContent::gather(
            t.g.ProjectDb, *t.g.CurTimeLine, t.canvas.outputModel(), t.g.Zoom, t.g.ProjectPath, QDate::currentDate());
        if (!qm::WebPageExport::exportPage(page, out, &error))
            throw ToolFailure(error);
        return ExitDone;
    }
    options.pages = pageSetupOption(t, a);
    options.title = t.g.CurTimeLine ? t.g.CurTimeLine->LabelCaption : QString();
    if (!qm::PictureExport::exportCanvas(t.canvas.outputModel(), out, options, &error))
        throw ToolFailure(error);
    return ExitDone;
}

int cmdPages(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, PageOptions);
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("pages needs a project FILE"));
    LoadedTimeline t(a);
    const qm::PageSetup setup = pageSetupOption(t, a);
    const qm::CanvasModel model = t.canvas.outputModel();
    const qm::PrintPages pages(model, 1.0, setup, qm::PrintPages::areaOf(setup.pageLayout()));
    if (pages.tooMany())
        throw ToolFailure(qm::PrintPages::tooManyMessage());
    out(QString::number(pages.pageCount()));
    out(QStringLiteral("setup\t") + setup.toText());
    out(QStringLiteral("scale\t%1%").arg(pages.scale() * 100, 0, 'f', 1));
    int number = 0;
    for (const qm::PrintedPage &p : pages.pages())
        out(QStringLiteral("page\t%1\t%2\t%3\t%4\t%5")
                .arg(++number)
                .arg(p.source.left())
                .arg(p.source.top())
                .arg(p.source.right())
                .arg(p.source.bottom()));
    return ExitDone;
}

} // namespace qmtool
