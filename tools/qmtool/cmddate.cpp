// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "dates/platformdate.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/projectfiles.h"
#include "store/storeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace qmtool {

QDate todayOption(const Arguments &a)
{
    if (!a.has(QStringLiteral("today")))
        return {};
    const QDate d = QDate::fromString(a.option(QStringLiteral("today")), Qt::ISODate);
    if (!d.isValid())
        throw UsageError(QStringLiteral("--today wants a date as YYYY-MM-DD"));
    return d;
}

qm::DateOrder orderOption(const Arguments &a)
{
    if (!a.has(QStringLiteral("order")))
        return qm::DateOrder::MonthFirst;
    const QString order = a.option(QStringLiteral("order"));
    if (order == QStringLiteral("dmy"))
        return qm::DateOrder::DayFirst;
    if (order == QStringLiteral("mdy"))
        return qm::DateOrder::MonthFirst;
    throw UsageError(QStringLiteral("--order wants dmy or mdy"));
}

int cmdDate(const QStringList &args)
{
    const Arguments a =
        Arguments::parse(args, {QStringLiteral("project"), QStringLiteral("today"), QStringLiteral("order")});
    if (a.positional.isEmpty())
        throw UsageError(QStringLiteral("date needs at least one TEXT"));

    qm::Globals g;
    g.dateOrder = orderOption(a);
    if (const QDate today = todayOption(a); today.isValid())
        g.clock = [today] { return today; };
    if (a.has(QStringLiteral("project")))
        g.ProjectDb.open(a.option(QStringLiteral("project")), qm::ProjectDatabase::Mode::ReadOnly);

    const qm::DateEnv env = g.dateEnv();
    for (const QString &text : a.positional) {
        qm::ExtDate d;
        d.Assign(text, env);
        if (!d.isValid())
            out(QStringLiteral("9999\t"));
        else
            out(QStringLiteral("%1\t%2\t%3")
                    .arg(d.Era)
                    .arg(qm::platformdate::toIsoText(d.Value), d.Render(g.dateOrder)));
    }
    return ExitDone;
}

int cmdNew(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("new needs exactly one FILE.qmp"));
    const QString path = QFileInfo(a.positional.front()).absoluteFilePath();
    if (!path.endsWith(QStringLiteral(".qmp"), Qt::CaseInsensitive))
        throw UsageError(QStringLiteral("a project file name ends with .qmp"));
    qm::Globals g;
    const QString folder = qm::projectFolderOf(path);
    const bool folderExisted = QFileInfo::exists(folder);
    qm::createProjectFromTemplate(path, g.appFolder);
    try {
        // Opening proves the copy is a project before the tool says so.
        g.ProjectDb.open(path);
        qm::createFirstTimeline(g);
        g.ProjectDb.close();
    } catch (...) {
        // Half a project is worse than none: the user would take it for a good one.
        g.ProjectDb.close();
        QFile::remove(path);
        if (!folderExisted)
            QDir(folder).removeRecursively();
        throw;
    }
    out(QDir::toNativeSeparators(path));
    return ExitDone;
}

int cmdMakeTemplate(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("make-template needs the output file"));
    qm::ProjectDatabase db;
    db.create(a.positional.front());
    db.close();
    return ExitDone;
}

} // namespace qmtool
