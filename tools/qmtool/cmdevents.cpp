// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolcontext.h"

#include "dates/platformdate.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/datequeries.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/sqlquery.h"
#include "store/textrule.h"

namespace qmtool {

namespace {

QString onlyFile(const Arguments &a, const QString &command)
{
    if (a.positional.size() != 1)
        throw UsageError(QStringLiteral("%1 needs exactly one FILE").arg(command));
    return a.positional.front();
}

} // namespace

int cmdEvents(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {});
    qm::Globals g;
    g.ProjectDb.open(onlyFile(a, QStringLiteral("events")), qm::ProjectDatabase::Mode::ReadOnly);
    qm::clEvent e(g);
    for (const qint32 id : qm::eventIdsByDate(g.ProjectDb)) {
        e.Id = id;
        if (e.Load() == 0)
            continue;
        const QStringList fields = {QString::number(e.Id),
                                    QString::number(e.EventDate->Era),
                                    e.EventDate->isValid() ? qm::platformdate::toIsoText(e.EventDate->Value)
                                                           : QStringLiteral("invalid"),
                                    field(e.EventDateStr),
                                    field(e.Name),
                                    field(e.Actors),
                                    field(e.Places),
                                    field(e.Sources),
                                    field(e.Keywords)};
        out(fields.join(u'\t'));
    }
    return ExitDone;
}

int cmdTimelines(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {});
    qm::Globals g;
    g.ProjectDb.open(onlyFile(a, QStringLiteral("timelines")), qm::ProjectDatabase::Mode::ReadOnly);
    for (const qm::TimelineEntry &t : qm::timelinesByName(g.ProjectDb))
        out(QString::number(t.id) + u'\t' + field(t.name));
    return ExitDone;
}

int cmdAddEvent(const QStringList &args)
{
    const Arguments a =
        Arguments::parse(args, {QStringLiteral("date"), QStringLiteral("name"), QStringLiteral("description"),
                                QStringLiteral("actors"), QStringLiteral("places"), QStringLiteral("sources"),
                                QStringLiteral("keywords"), QStringLiteral("timeline"), QStringLiteral("shown"),
                                QStringLiteral("order"), QStringLiteral("zoom"), QStringLiteral("ends")});
    const QString file = onlyFile(a, QStringLiteral("add-event"));
    if (!a.has(QStringLiteral("date")) || !a.has(QStringLiteral("name")))
        throw UsageError(QStringLiteral("add-event needs --date and --name"));

    // The checks of the event dialog, in its order and with its words.
    const QString name = a.option(QStringLiteral("name"));
    if (name.isEmpty())
        throw ToolFailure(QStringLiteral("The short description of the event must be entered"));
    if (name.size() > 255)
        throw ToolFailure(
            QStringLiteral("Short description is too long. Please shorten it to no more than 255 characters."));

    qm::Globals g;
    g.dateOrder = orderOption(a);
    g.ProjectDb.open(file);
    qm::ExtDate date;
    date.Assign(a.option(QStringLiteral("date")), g.dateEnv());
    if (!date.isValid())
        throw ToolFailure(QStringLiteral("Incorrect date"));
    std::optional<qm::ExtDate> ends;
    if (a.has(QStringLiteral("ends"))) {
        ends.emplace();
        ends->Assign(a.option(QStringLiteral("ends")), g.dateEnv());
        if (!ends->isValid())
            throw ToolFailure(QStringLiteral("Incorrect end date"));
        *ends = qm::typedEnd(a.option(QStringLiteral("ends")), *ends);
        if (ends->Compare(date) == u'<')
            throw ToolFailure(QStringLiteral("The end must not lie before the start"));
    }
    // Stored and placed together, or not at all; the free minute is found under the write lock, so a
    // second writer cannot take it in between.
    qm::TransactionGuard guard(g.ProjectDb);
    const qm::ExtDate typed = date;
    const bool typedTime = qm::textHasTimeOfDay(a.option(QStringLiteral("date")));
    const qm::DateMove move = qm::FitDateOnDay(g.ProjectDb, date, typedTime);
    if (move == qm::DateMove::NoRoom)
        throw ToolFailure(qm::dateMoveNote(move, typed, date, g.dateOrder));
    if (move == qm::DateMove::NextMinute)
        err(qm::dateMoveNote(move, typed, date, g.dateOrder));
    // The timeline is looked up first, so that a wrong name stores nothing.
    qint32 timeline = 0;
    if (a.has(QStringLiteral("timeline"))) {
        const QString wanted = a.option(QStringLiteral("timeline"));
        for (const qm::TimelineEntry &t : qm::timelinesByName(g.ProjectDb)) {
            if (qm::textrule::sameName(t.name, wanted)) {
                timeline = t.id;
                break;
            }
        }
        if (timeline == 0)
            throw ToolFailure(QStringLiteral("There is no timeline named \"%1\"").arg(wanted));
    }

    qm::clEvent e(g);
    e.EventDate = std::make_shared<qm::ExtDate>(date);
    // Shown as typed unless told otherwise: the stored day only orders the events.
    e.EventDateStr =
        a.has(QStringLiteral("shown")) ? a.option(QStringLiteral("shown")) : a.option(QStringLiteral("date")).trimmed();
    e.Name = name;
    e.Description = a.option(QStringLiteral("description"));
    e.Actors = a.option(QStringLiteral("actors"));
    e.Places = a.option(QStringLiteral("places"));
    e.Sources = a.option(QStringLiteral("sources"));
    e.Keywords = a.option(QStringLiteral("keywords"));
    e.EndDate = ends;
    if (timeline != 0) {
        qm::clTimeLine t(g.ProjectDb);
        t.Load(timeline);
        t.giveNewEventPicture(e.ImageSource, e.ImageName);
    }
    // Without a window nobody can pick another date; the only clash left is at the end of the calendar.
    const qint32 id = e.Save();
    if (id < 0)
        throw ToolFailure(QStringLiteral("Another event with this exact date already exists in this project."));
    if (timeline != 0) {
        // Placed as the window places a new event: right of the latest earlier one, later ones moved on.
        qm::FontTextMeasurer measurer(96.0);
        qm::TimelineCanvas canvas(g, measurer);
        g.MinDist = qm::mdlParms::readParameters(g.ProjectDb).minDist;
        g.CurTimeLineId = timeline;
        canvas.LoadTimeLine(timeline);
        zoomAsAsked(canvas, a);
        g.CurEvent = std::make_unique<qm::clEvent>(g);
        g.CurEvent->Id = id;
        g.CurEvent->Load();
        canvas.InsertNewBox(*g.CurEvent);
    }
    guard.commit();
    out(QString::number(id));
    return ExitDone;
}

} // namespace qmtool
