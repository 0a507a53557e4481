// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "capture/capturedocument.h"
#include "capture/datescanner.h"
#include "capture/founddatefields.h"
#include "capture/textfile.h"
#include "store/globals.h"

#include <QFile>

namespace qmtool {

int cmdScan(const QStringList &args)
{
    const Arguments a = Arguments::parse(
        args, {QStringLiteral("project"), QStringLiteral("today"), QStringLiteral("order"), QStringLiteral("written")});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("scan needs exactly one TEXTFILE"));

    qm::Globals g;
    g.dateOrder = orderOption(a);
    if (const QDate today = todayOption(a); today.isValid())
        g.clock = [today] { return today; };
    if (a.has(QStringLiteral("project")))
        g.ProjectDb.open(a.option(QStringLiteral("project")), qm::ProjectDatabase::Mode::ReadOnly);

    QFile file(a.positional.front());
    if (!file.open(QIODevice::ReadOnly)) {
        err(QStringLiteral("cannot read %1: %2").arg(a.positional.front(), file.errorString()));
        return ExitFailed;
    }
    // The text the capture window would scan after opening the same file.
    QString reason;
    const std::optional<QString> opened =
        qm::fileDocumentText(file.readAll(), qm::textKindOf(a.positional.front()), &reason);
    if (!opened) {
        err(reason.isEmpty() ? QStringLiteral("%1 holds no text").arg(a.positional.front())
                             : QStringLiteral("cannot read %1: %2").arg(a.positional.front(), reason));
        return ExitFailed;
    }
    const QString text = qm::toPaneLineBreaks(*opened);

    const qm::DateEnv env = g.dateEnv();
    QDate written;
    if (a.has(QStringLiteral("written"))) {
        written = QDate::fromString(a.option(QStringLiteral("written")), Qt::ISODate);
        if (!written.isValid())
            throw UsageError(QStringLiteral("--written needs a date as YYYY-MM-DD"));
    }
    const qm::FoundDates found = qm::ScanDates(text, env, {}, written);
    for (qsizetype i = 0; i < found.size(); ++i) {
        const qm::FoundDate &d = found[i];
        const qm::FoundDateFields f = qm::foundDateFields(g.ProjectDb, text, d, true, g.dateOrder);
        const QStringList line = {
            QString::number(i + 1),      QString::number(d.FirstIndex),
            QString::number(d.Length),   field(d.Value),
            QString::number(f.date.Era), field(f.txtDate),
            field(f.txtShort),           field(f.context.txtLong),
            field(f.txtActors),          field(f.txtWhere),
            field(f.txtSource),          field(f.txtKeyword),
            field(f.txtDateLabel),       f.inProject ? QStringLiteral("in the project") : QString()};
        // A period's end comes last, so that the lines of points in time read as they always did.
        out(f.txtEnds.isEmpty() ? line.join(u'\t') : line.join(u'\t') + u'\t' + field(f.txtEnds));
    }
    return ExitDone;
}

} // namespace qmtool
