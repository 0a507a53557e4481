// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The event list and the pictures from the command line: which events the filters select, putting
// events on a timeline and taking them off, deleting events, giving an event its picture, importing
// pictures into a project.
#include "toolcontext.h"

#include "edit/bulkcommands.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/elements.h"
#include "store/eventlist.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/picturefiles.h"
#include "store/picturelibrary.h"
#include "store/placements.h"
#include "store/projectlifecycle.h"
#include "store/sqlquery.h"
#include "store/storedvalues.h"
#include "store/textrule.h"

#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <memory>
#include <set>

namespace qmtool {

namespace {

qint32 timelineNamed(qm::ProjectDatabase &db, const QString &wanted)
{
    for (const qm::TimelineEntry &t : qm::timelinesByName(db)) {
        if (qm::textrule::sameName(t.name, wanted))
            return t.id;
    }
    throw ToolFailure(QStringLiteral("There is no timeline named \"%1\"").arg(wanted));
}

qint32 eventId(const QString &text)
{
    bool ok = false;
    const qint32 id = text.toInt(&ok);
    if (!ok || id <= 0)
        throw UsageError(QStringLiteral("\"%1\" is not an event id").arg(text));
    return id;
}

// The ids, checked to name events of the project, in the order of the event list (by date).
std::vector<qint32> eventsInListOrder(qm::ProjectDatabase &db, const QStringList &texts)
{
    std::set<qint32> wanted;
    for (const QString &t : texts)
        wanted.insert(eventId(t));
    std::vector<qint32> ordered;
    for (const qint32 id : qm::eventIdsByDate(db)) {
        if (wanted.erase(id) != 0)
            ordered.push_back(id);
    }
    if (!wanted.empty())
        throw ToolFailure(QStringLiteral("There is no event with the id %1").arg(*wanted.begin()));
    return ordered;
}

qm::ExtDate boundOption(const Arguments &a, const QString &name, const qm::ExtDate &fallback, qm::Globals &g)
{
    if (!a.has(name))
        return fallback;
    qm::ExtDate d;
    d.Assign(a.option(name), g.dateEnv());
    if (!d.isValid())
        throw ToolFailure(QStringLiteral("Invalid date: %1").arg(a.option(name)));
    return d;
}

int pictureSide(const Arguments &a, const QString &name)
{
    bool ok = false;
    const int v = a.option(name).toInt(&ok);
    // The chooser's handles keep a picture above 30 twips; the format stores 16-bit sizes.
    if (!ok || v <= 30 || v > 32767)
        throw ToolFailure(QStringLiteral("--%1 must be a whole number of twips from 31 to 32767").arg(name));
    return v;
}

} // namespace

int cmdSelect(const QStringList &args)
{
    const Arguments a =
        Arguments::parse(args, {QStringLiteral("actors"), QStringLiteral("places"), QStringLiteral("sources"),
                                QStringLiteral("keywords"), QStringLiteral("from"), QStringLiteral("to")});
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("select needs exactly one FILE"));
    qm::Globals g;
    g.ProjectDb.open(a.positional.front(), qm::ProjectDatabase::Mode::ReadOnly);
    const std::vector<qm::EventListRow> rows = qm::loadEventList(g.ProjectDb, 0);
    const auto [first, last] = qm::dateBounds(rows);
    qm::EventFilter filter;
    const QString options[] = {QStringLiteral("actors"), QStringLiteral("places"), QStringLiteral("sources"),
                               QStringLiteral("keywords")};
    for (std::size_t t = 0; t < 4; ++t) {
        if (!a.option(options[t]).isEmpty())
            filter.names[t] = qm::SplitElements(a.option(options[t]));
    }
    filter.from = boundOption(a, QStringLiteral("from"), first, g);
    filter.to = boundOption(a, QStringLiteral("to"), last, g);
    const std::vector<bool> ticked = qm::selectEvents(g.ProjectDb, rows, filter);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (ticked[i])
            out(QString::number(rows[i].id));
    }
    return ExitDone;
}

int cmdInclude(const QStringList &args)
{
    const Arguments a =
        Arguments::parse(args, {QStringLiteral("timeline"), QStringLiteral("zoom"), QStringLiteral("move-from")});
    if (a.positional.size() < 2 || !a.has(QStringLiteral("timeline")))
        throw UsageError(QStringLiteral("include needs FILE, --timeline NAME and at least one ID"));
    qm::Globals g;
    g.ProjectDb.open(a.positional.front());
    qm::TransactionGuard guard(g.ProjectDb);
    const qint32 timeline = timelineNamed(g.ProjectDb, a.option(QStringLiteral("timeline")));
    const std::vector<qint32> ids = eventsInListOrder(g.ProjectDb, a.positional.mid(1));

    // Placed as Include & Exit places them: in date order, each right of the latest earlier box, in one pass.
    qm::FontTextMeasurer measurer(96.0);
    qm::TimelineCanvas canvas(g, measurer);
    g.MinDist = qm::mdlParms::readParameters(g.ProjectDb).minDist;
    g.CurTimeLineId = timeline;
    canvas.LoadTimeLine(timeline);
    zoomAsAsked(canvas, a);
    std::vector<std::unique_ptr<qm::clEvent>> owned;
    std::vector<const qm::clEvent *> events;
    for (const qint32 id : ids) {
        if (canvas.IsOnCanvas(id))
            continue;
        owned.push_back(std::make_unique<qm::clEvent>(g));
        // A date of its own: new records share the working date, which each load would overwrite.
        owned.back()->EventDate = std::make_shared<qm::ExtDate>();
        owned.back()->Id = id;
        owned.back()->Load();
        events.push_back(owned.back().get());
    }
    canvas.PlaceEvents(events);
    if (a.has(QStringLiteral("move-from"))) {
        const qint32 from = timelineNamed(g.ProjectDb, a.option(QStringLiteral("move-from")));
        if (from == timeline)
            throw UsageError(QStringLiteral("--move-from names the timeline the events go to"));
        qm::removePlacements(g.ProjectDb, from, ids);
    }
    guard.commit();
    return ExitDone;
}

int cmdTag(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {}, {QStringLiteral("add"), QStringLiteral("remove")});
    if (a.positional.size() < 4 || a.has(QStringLiteral("add")) == a.has(QStringLiteral("remove")))
        throw UsageError(QStringLiteral("tag needs FILE, --add or --remove, TYPE, NAME and at least one ID"));
    const QString word = a.positional[1].toUpper();
    QString type;
    for (const QString &t : {QStringLiteral("A"), QStringLiteral("P"), QStringLiteral("S"), QStringLiteral("K")}) {
        if (word == t || qm::elementTypeWord(t).toUpper().startsWith(word))
            type = t;
    }
    const QString name = a.positional[2].trimmed();
    if (type.isEmpty() || word.size() < 1)
        throw UsageError(QStringLiteral("TYPE is A (actor), P (place), S (source) or K (keyword)"));
    if (name.isEmpty() || name.contains(u','))
        throw UsageError(QStringLiteral("NAME must be one name, not empty and without a comma"));
    qm::Globals g;
    g.ProjectDb.open(a.positional.front());
    const std::vector<qint32> ids = eventsInListOrder(g.ProjectDb, a.positional.mid(3));
    QUndoStack stack;
    qm::pushCommand(stack, std::make_unique<qm::EventElementsCommand>(g.ProjectDb, ids, type, QStringList{name},
                                                                      a.has(QStringLiteral("add")), QString()));
    return ExitDone;
}

int cmdExclude(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("timeline")});
    if (a.positional.size() < 2 || !a.has(QStringLiteral("timeline")))
        throw UsageError(QStringLiteral("exclude needs FILE, --timeline NAME and at least one ID"));
    qm::Globals g;
    g.ProjectDb.open(a.positional.front());
    qm::TransactionGuard guard(g.ProjectDb);
    const qint32 timeline = timelineNamed(g.ProjectDb, a.option(QStringLiteral("timeline")));
    qm::removePlacements(g.ProjectDb, timeline, eventsInListOrder(g.ProjectDb, a.positional.mid(1)));
    guard.commit();
    return ExitDone;
}

int cmdDeleteEvent(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("delete-event needs FILE and one ID"));
    qm::Globals g;
    g.ProjectDb.open(a.positional.front());
    const std::vector<qint32> ids = eventsInListOrder(g.ProjectDb, a.positional.mid(1));
    qm::DeleteEventRow(g.ProjectDb, ids.front());
    return ExitDone;
}

int cmdSetPicture(const QStringList &args)
{
    const Arguments a =
        Arguments::parse(args, {QStringLiteral("source"), QStringLiteral("name"), QStringLiteral("timeline"),
                                QStringLiteral("width"), QStringLiteral("height")});
    const QString source = a.option(QStringLiteral("source"));
    const bool none = qm::isNoPicture(source);
    if (a.positional.size() != 2 || !a.has(QStringLiteral("source")) || (!none && !a.has(QStringLiteral("name"))))
        throw UsageError(QStringLiteral("set-picture needs FILE, one ID, --source and --name (none with --source N)"));
    const bool sized = a.has(QStringLiteral("width")) || a.has(QStringLiteral("height"));
    if (a.has(QStringLiteral("timeline")) != sized ||
        (sized && !(a.has(QStringLiteral("width")) && a.has(QStringLiteral("height")))))
        throw UsageError(QStringLiteral("--timeline, --width and --height go together"));
    if (source != u"S" && source != u"C" && !none)
        throw UsageError(QStringLiteral("--source is S (standard library), C (the project's own) or N (no picture)"));
    const QString name = none ? QString() : a.option(QStringLiteral("name"));

    qm::Globals g;
    qm::setProjectPath(g, QFileInfo(a.positional.front()).absoluteFilePath());
    g.ProjectDb.open(a.positional.front());
    const QString path = qm::libraryPicturePath(g, source, QStringLiteral("I"), name);
    if (!none && (path.isEmpty() || !QFileInfo(path).isFile()))
        throw ToolFailure(QStringLiteral("There is no picture \"%1\" in the %2 library")
                              .arg(name, source == u"S" ? QStringLiteral("standard") : QStringLiteral("project's")));

    qm::TransactionGuard guard(g.ProjectDb);
    const qint32 id = eventsInListOrder(g.ProjectDb, a.positional.mid(1)).front();
    qm::execSql(g.ProjectDb, QStringLiteral("UPDATE Event SET ImageSource = ?, ImageName = ? WHERE Id = ?"),
                {source, qm::storedvalues::fromText(name), id});
    if (sized) {
        const qint32 timeline = timelineNamed(g.ProjectDb, a.option(QStringLiteral("timeline")));
        qm::clFormat f;
        f.GetFormat(g.ProjectDb, id, timeline);
        f.PictureWidth = pictureSide(a, QStringLiteral("width"));
        f.PictureHeight = pictureSide(a, QStringLiteral("height"));
        f.Save(g.ProjectDb, id, timeline);
    }
    guard.commit();
    return ExitDone;
}

int cmdImportPictures(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {QStringLiteral("kind")});
    const QString kind = a.option(QStringLiteral("kind"));
    if (a.positional.size() < 2 || (kind != u"I" && kind != u"W"))
        throw UsageError(QStringLiteral("import-pictures needs FILE, --kind I or W and at least one PICTURE"));
    qm::Globals g;
    const QString project = QFileInfo(a.positional.front()).absoluteFilePath();
    // Only a real project gets pictures: opening it checks that.
    g.ProjectDb.open(project, qm::ProjectDatabase::Mode::ReadOnly);
    g.ProjectDb.close();
    qm::setProjectPath(g, project);
    const qm::ImportResult r = qm::importPictures(g, kind, a.positional.mid(1));
    for (const QString &name : r.copied)
        out(name);
    for (const QString &failure : r.failures)
        err(QStringLiteral("not copied: ") + failure);
    return r.failures.isEmpty() ? ExitDone : ExitFailed;
}

} // namespace qmtool
