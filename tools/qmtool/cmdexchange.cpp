// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "exchange/eventexport.h"
#include "exchange/eventimport.h"
#include "layout/textmeasurer.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectlifecycle.h"
#include "store/textrule.h"

#include <QFile>
#include <QFileInfo>

namespace qmtool {

int cmdExportEvents(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline"), QStringLiteral("order")});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("export-events needs a project FILE and the OUT.csv file"));
    qm::Globals g;
    g.ProjectDb.open(a.positional[0], qm::ProjectDatabase::Mode::ReadOnly);
    qint32 timeline = 0;
    if (a.has(QStringLiteral("timeline"))) {
        const QString name = a.option(QStringLiteral("timeline"));
        for (const qm::TimelineEntry &t : qm::timelinesByName(g.ProjectDb)) {
            if (qm::textrule::sameName(t.name, name))
                timeline = t.id;
        }
        if (timeline == 0)
            throw ToolFailure(QStringLiteral("The project has no timeline named \"%1\"").arg(name));
    }
    const qm::ExportResult result = qm::exportEvents(g.ProjectDb, timeline, a.positional[1], orderOption(a));
    if (!result.ok)
        throw ToolFailure(QStringLiteral("Cannot write %1: %2").arg(a.positional[1], result.error));
    return ExitDone;
}

int cmdImportEvents(const QStringList &args)
{
    QStringList rest = args;
    const bool dryRun = rest.removeAll(QStringLiteral("--dry-run")) > 0;
    const Arguments a = Arguments::parse(rest, {QStringLiteral("order")});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("import-events needs a project FILE and the IN.csv file"));

    QFile in(a.positional[1]);
    if (!in.open(QIODevice::ReadOnly))
        throw ToolFailure(QStringLiteral("Cannot read %1: %2").arg(a.positional[1], in.errorString()));
    qm::CsvDocument doc = qm::CsvDocument::parse(in.readAll());

    qm::Globals g;
    qm::setProjectPath(g, QFileInfo(a.positional[0]).absoluteFilePath());
    g.ProjectDb.open(g.ProjectPath,
                     dryRun ? qm::ProjectDatabase::Mode::ReadOnly : qm::ProjectDatabase::Mode::ReadWrite);
    g.MinDist = qm::mdlParms::readParameters(g.ProjectDb).minDist;

    // Boxes are placed as the window places them: measured as on a 96 DPI screen.
    const qm::FontTextMeasurer measurer(96.0);
    qm::EventImport import(g, measurer, std::move(doc));
    // A header that names its order wins; otherwise the tool reads as it writes, month first unless told.
    if (import.plan().dateOrderSource != qm::SheetOrderSource::Header)
        import.chooseDateOrder(orderOption(a));
    const qm::ImportPlan &plan = import.plan();
    if (!plan.fileError.isEmpty())
        throw ToolFailure(plan.fileError);
    if (!plan.ignoredColumns.isEmpty())
        err(QStringLiteral("columns not read: %1").arg(plan.ignoredColumns.join(QStringLiteral(", "))));
    if (!dryRun && plan.writesAnything())
        import.apply();
    for (const qm::ImportRow &row : import.plan().rows)
        out(qm::previewLine(row));
    return plan.count(qm::ImportAction::Refused) > 0 ? ExitFailed : ExitDone;
}

} // namespace qmtool
