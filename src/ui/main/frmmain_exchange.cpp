// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// File > Export events and File > Import events: the project's events to and from a spreadsheet.
#include "frmmain.h"

#include "common/userdialogs.h"
#include "dialogs/frmimportpreview.h"
#include "edit/canvascommand.h"
#include "edit/importeventscommand.h"
#include "exchange/eventexport.h"
#include "layout/textmeasurer.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

namespace qm {

namespace {

const QString SheetFilter = QStringLiteral("Spreadsheet files (*.csv);;Text files (*.txt);;All files (*)");

} // namespace

void frmMain::mnuFileExportEvents_Click()
{
    guarded([this] {
        if (!g.ProjectDb.isOpen())
            return;
        qint32 timeline = 0;
        if (g.CurTimeLineId >= 1 && g.CurTimeLine &&
            mDialogs.question(this, tr("Export only the events on the timeline shown, \"%1\"?\n\n"
                                       "Yes: only those on this timeline. No: every event of the project.")
                                        .arg(g.CurTimeLine->Name)))
            timeline = g.CurTimeLineId;
        // Beside the project, not wherever the program happened to be started from.
        const QString proposed =
            QDir(QFileInfo(g.ProjectPath).absolutePath())
                .filePath(
                    (timeline ? g.CurTimeLine->Name : QFileInfo(g.ProjectPath).completeBaseName()).replace(u'/', u'-') +
                    QStringLiteral(".csv"));
        const QString path =
            mDialogs.saveFileName(this, tr("Export events"), SheetFilter, QStringLiteral("csv"), proposed);
        if (path.isEmpty())
            return;
        const ExportResult result = exportEvents(g.ProjectDb, timeline, path, g.dateOrder);
        if (!result.ok)
            mDialogs.error(this, tr("The events could not be written to %1:\n%2").arg(path, result.error));
    });
}

void frmMain::mnuFileImportEvents_Click()
{
    guarded([this] {
        if (!g.ProjectDb.isOpen())
            return;
        const QString path = mDialogs.openFileName(this, tr("Import events"), SheetFilter);
        if (path.isEmpty())
            return;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            mDialogs.error(this, tr("The file %1 could not be read:\n%2").arg(path, file.errorString()));
            return;
        }
        ImportDefaults defaults;
        // New events take the picture that new events of the timeline shown take.
        if (g.CurTimeLineId >= 1 && g.CurTimeLine)
            g.CurTimeLine->giveNewEventPicture(defaults.imageSource, defaults.imageName);
        auto import = std::make_unique<EventImport>(g, *mMeasurer, CsvDocument::parse(file.readAll()), defaults,
                                                    ColumnMapping::remembered());
        file.close();
        if (!import->plan().fileError.isEmpty()) {
            mDialogs.error(this, tr("%1 is not a file of events:\n%2").arg(path, import->plan().fileError));
            return;
        }
        frmImportPreview preview(
            import->plan(), QFileInfo(path).fileName(), this,
            [&import](DateOrder order) -> const ImportPlan & {
                import->chooseDateOrder(order);
                return import->plan();
            },
            [&import](int index, const QString &field) -> const ImportPlan & {
                ColumnMapping::remember(import->plan().columns.value(index).header, field);
                import->chooseColumn(index, field);
                return import->plan();
            });
        if (preview.exec() != QDialog::Accepted)
            return;

        const int rows = static_cast<int>(import->plan().rows.size());
        auto command = std::make_unique<ImportEventsCommand>(std::move(import), [this] { importChanged(); });
        QProgressDialog progress(tr("Importing events..."), tr("Cancel"), 0, rows, this);
        progress.setObjectName(QStringLiteral("progress"));
        // Nothing else may change the project while the import holds its transaction.
        progress.setWindowModality(Qt::ApplicationModal);
        progress.setMinimumDuration(500);
        command->progress = [&progress](int done, int total) {
            progress.setMaximum(total);
            progress.setValue(done);
            return !progress.wasCanceled();
        };
        pushCommand(g.History, std::move(command));
    });
}

void frmMain::importChanged()
{
    // New timelines join the list; the timeline shown comes back as stored, new boxes and names included.
    FillTimelineList();
    if (g.CurTimeLineId >= 1)
        showTimeline(g.CurTimeLineId);
}

} // namespace qm
