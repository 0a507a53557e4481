// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventimport.h"

#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/datequeries.h"
#include "store/elements.h"
#include "store/globals.h"
#include "store/placements.h"
#include "store/preparedstatement.h"
#include "store/sqlquery.h"
#include "store/storedvalues.h"
#include "store/storeerror.h"
#include "store/textrule.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <map>

namespace qm {

namespace {

namespace sv = storedvalues;

// The user stopped the import from its progress display.
struct Stopped
{};

bool writes(const ImportRow &r)
{
    return r.action == ImportAction::New || (r.action == ImportAction::Update && r.changesEvent);
}

bool accepted(const ImportRow &r)
{
    return r.action == ImportAction::New || r.action == ImportAction::Update;
}

QList<QVariantList> keysOf(const QList<qint32> &ids)
{
    QList<QVariantList> keys;
    keys.reserve(ids.size());
    for (const qint32 id : ids)
        keys << QVariantList{id};
    return keys;
}

// The Ids of elements by type and name, names compared as everywhere else; new ones are made and noted.
class ElementIds
{
public:
    explicit ElementIds(ProjectDatabase &db)
        : mInsert(db, QStringLiteral("INSERT INTO Element (ElementType, ElementName) VALUES (?, ?)"))
    {
        SqlQuery q(db, QStringLiteral("SELECT Id, ElementType, ElementName FROM Element ORDER BY Id"));
        q.exec();
        while (q.next())
            mIds.insert(key(q.value(1).toString(), q.value(2).toString()), q.value(0).toInt());
    }

    qint32 idOf(const QString &type, const QString &name)
    {
        const QString k = key(type, name);
        if (const auto it = mIds.constFind(k); it != mIds.cend())
            return *it;
        const qint32 id = mInsert.run({type, name}).lastInsertId().toInt();
        mIds.insert(k, id);
        created << id;
        return id;
    }

    QList<qint32> created;

private:
    // The lowest Id wins when a file holds the same name twice, as FindOrCreateElement has it.
    static QString key(const QString &type, const QString &name) { return type + u'\x1f' + name.toCaseFolded(); }

    PreparedStatement mInsert;
    QHash<QString, qint32> mIds;
};

} // namespace

EventImport::EventImport(Globals &globals, const TextMeasurer &measurer, CsvDocument doc,
                         const ImportDefaults &defaults, ColumnMapping mapping)
    : g(globals), mMeasurer(measurer), mDoc(std::move(doc)), mDefaults(defaults)
{
    mChoices.mapping = std::move(mapping);
    mPlan = ImportPlan::make(g.ProjectDb, mDoc, g.dateEnv(), mDefaults, mChoices);
}

void EventImport::chooseDateOrder(DateOrder order)
{
    if (mDoneOnce)
        return;
    mChoices.order = order;
    mPlan = ImportPlan::make(g.ProjectDb, mDoc, g.dateEnv(), mDefaults, mChoices);
}

void EventImport::chooseColumn(int index, const QString &field)
{
    if (mDoneOnce)
        return;
    mChoices.columns.insert(index, field);
    mPlan = ImportPlan::make(g.ProjectDb, mDoc, g.dateEnv(), mDefaults, mChoices);
}

bool EventImport::apply(const Progress &progress)
{
    if (mApplied)
        return true;
    if (mDoneOnce) {
        // Again after an undo: what the first run wrote, as it wrote it.
        TransactionGuard guard(g.ProjectDb);
        mElementsAfter.restore(g.ProjectDb);
        mEventsAfter.restore(g.ProjectDb);
        mLinksAfter.restore(g.ProjectDb);
        mTimelinesAfter.restore(g.ProjectDb);
        mTimelineFormatsAfter.restore(g.ProjectDb);
        mPlacementsAfter.restore(g.ProjectDb);
        mFormatsAfter.restore(g.ProjectDb);
        guard.commit();
        mApplied = true;
        return true;
    }
    const ImportPlan preview = mPlan;
    try {
        firstApply(progress);
    } catch (const Stopped &) {
        mPlan = preview;
        return false;
    } catch (...) {
        // Rolled back: the Ids the rows got will be handed out to other events.
        mPlan = preview;
        throw;
    }
    mApplied = true;
    mDoneOnce = true;
    return true;
}

void EventImport::firstApply(const Progress &progress)
{
    ProjectDatabase &db = g.ProjectDb;
    TransactionGuard guard(db);
    // The preview was made before the write lock was taken; what it promised must still hold.
    const ImportPlan now = ImportPlan::make(db, mDoc, g.dateEnv(), mDefaults, mChoices);
    if (!now.sameOutcome(mPlan))
        throw StoreError(QStringLiteral("The project changed since the preview. Import the file again to see "
                                        "what it would do now."));
    mPlan = now;

    QList<qint32> updated;
    for (const ImportRow &r : std::as_const(mPlan.rows)) {
        if (r.action == ImportAction::Update && r.changesEvent)
            updated << r.eventId;
    }
    mEventsBefore.read(db, keysOf(updated));
    mLinksBefore.read(db, keysOf(updated));

    int total = 0;
    for (const ImportRow &r : std::as_const(mPlan.rows))
        total += (writes(r) ? 1 : 0) + static_cast<int>(accepted(r) ? r.timelines.size() : 0);
    writeEvents(progress, total);

    int done = 0;
    for (const ImportRow &r : std::as_const(mPlan.rows))
        done += writes(r) ? 1 : 0;
    placeEvents(progress, total, done);

    QList<qint32> written;
    for (const ImportRow &r : std::as_const(mPlan.rows)) {
        if (writes(r))
            written << r.eventId;
    }
    mEventsAfter.read(db, keysOf(written));
    mLinksAfter.read(db, keysOf(written));
    mTimelinesAfter.read(db, keysOf(mNewTimelineIds));
    mTimelineFormatsAfter.read(db, keysOf(mNewTimelineIds));
    mPlacementsAfter.read(db, keysOf(mTimelineIds));
    guard.commit();
}

void EventImport::writeEvents(const Progress &progress, int total)
{
    ProjectDatabase &db = g.ProjectDb;
    PreparedStatement insert(db, QStringLiteral("INSERT INTO Event (EventDate, EventEra, EventDateStr, Description, "
                                                "ImageName, ImageSource, Name) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    PreparedStatement update(db, QStringLiteral("UPDATE Event SET EventDate = ?, EventEra = ?, EventDateStr = ?, "
                                                "Description = ?, ImageName = ?, ImageSource = ?, Name = ? "
                                                "WHERE Id = ?"));
    const bool periods = db.hasColumn(QStringLiteral("Event"), QStringLiteral("EndDate"));
    std::optional<PreparedStatement> setEnd;
    if (periods)
        setEnd.emplace(db, QStringLiteral("UPDATE Event SET EndDate = ?, EndEra = ? WHERE Id = ?"));
    PreparedStatement unlink(db, QStringLiteral("DELETE FROM EventElement WHERE EventId = ?"));
    PreparedStatement link(
        db, QStringLiteral("INSERT INTO EventElement (EventId, ElementType, ElementId) VALUES (?, ?, ?)"));
    ElementIds elements(db);

    int done = 0;
    for (ImportRow &r : mPlan.rows) {
        if (!writes(r))
            continue;
        const QVariantList values = {r.date.Value,
                                     r.date.Era,
                                     sv::fromText(r.dateStr),
                                     sv::fromText(r.description),
                                     sv::fromText(r.imageName),
                                     sv::fromText(r.imageSource),
                                     sv::fromText(r.name)};
        if (r.action == ImportAction::New)
            r.eventId = insert.run(values).lastInsertId().toInt();
        else
            update.run(values + QVariantList{r.eventId});
        if (setEnd)
            setEnd->run(
                {r.end ? QVariant(r.end->Value) : QVariant(), r.end ? QVariant(r.end->Era) : QVariant(), r.eventId});
        else if (r.end)
            throw StoreError(QStringLiteral("The project was made before events had an end and is open read-only"));
        unlink.run({r.eventId});
        const std::pair<const char16_t *, const QString *> lists[] = {
            {u"A", &r.actors}, {u"P", &r.places}, {u"S", &r.sources}, {u"K", &r.keywords}};
        for (const auto &[letter, list] : lists) {
            const QString type = QString::fromUtf16(letter);
            for (const QString &name : SplitElements(*list)) {
                // A stray comma must not make a nameless element, as saving an event has it.
                if (!name.isEmpty())
                    link.run({r.eventId, type, elements.idOf(type, name)});
            }
        }
        if (progress && !progress(++done, total))
            throw Stopped{};
    }
    mCreatedElements = elements.created;
    mElementsAfter.read(db, keysOf(mCreatedElements));
}

void EventImport::placeEvents(const Progress &progress, int total, int done)
{
    ProjectDatabase &db = g.ProjectDb;
    mTimelineIds.clear();
    mNewTimelineIds.clear();
    // Timelines by name, those the import makes first, in the order the rows name them.
    std::vector<std::pair<QString, qint32>> byName;
    for (const TimelineEntry &t : timelinesByName(db))
        byName.emplace_back(t.name, t.id);
    for (const QString &name : std::as_const(mPlan.newTimelines)) {
        clTimeLine t(db);
        t.Name = name;
        t.LabelCaption = name;
        const qint32 id = t.Save();
        mNewTimelineIds << id;
        byName.emplace_back(name, id);
    }
    auto idOf = [&byName](const QString &name) {
        for (const auto &[n, id] : byName) {
            if (textrule::sameName(n.trimmed(), name.trimmed()))
                return id;
        }
        return 0;
    };

    // Per timeline, the events to place, earliest first: each goes in as an insertion puts it.
    std::map<qint32, std::vector<const ImportRow *>> toPlace;
    for (const ImportRow &r : std::as_const(mPlan.rows)) {
        if (!accepted(r))
            continue;
        for (const QString &name : r.timelines) {
            if (const qint32 id = idOf(name))
                toPlace[id].push_back(&r);
        }
    }
    QList<QVariantList> formatKeys;
    QList<QVariantList> existingTimelines;
    for (auto &[timelineId, rows] : toPlace) {
        const std::set<qint32> there = eventsOnTimeline(db, timelineId);
        std::erase_if(rows, [&there](const ImportRow *r) { return there.count(r->eventId) != 0; });
        std::sort(rows.begin(), rows.end(),
                  [](const ImportRow *a, const ImportRow *b) { return a->date.Compare(b->date) == u'<'; });
        if (rows.empty() && !mNewTimelineIds.contains(timelineId))
            continue;
        mTimelineIds << timelineId;
        if (!mNewTimelineIds.contains(timelineId))
            existingTimelines << QVariantList{timelineId};
        for (const ImportRow *r : rows)
            formatKeys << QVariantList{timelineId, r->eventId};
    }
    mPlacementsBefore.read(db, existingTimelines);
    mFormatsBefore.read(db, formatKeys);

    const int minDist = g.MinDist;
    for (const auto &[timelineId, rows] : toPlace) {
        if (!rows.empty())
            placeOnTimeline(timelineId, rows, minDist, [&] {
                if (progress && !progress(++done, total))
                    throw Stopped{};
            });
    }
    mFormatsAfter.read(db, formatKeys);
}

void EventImport::placeOnTimeline(qint32 timelineId, const std::vector<const ImportRow *> &rows, int minDist,
                                  const std::function<void()> &placed)
{
    ProjectDatabase &db = g.ProjectDb;
    // The engine gets a state of its own for the timeline it fills: the window's stays as it is.
    CanvasState state(db);
    state.takeSettingsOf(g);
    state.MinDist = minDist;
    TimelineCanvas canvas(state, mMeasurer);
    canvas.LoadTimeLine(timelineId);

    // Each box goes in exactly as one insertion after another would put it, earliest first, in one pass.
    std::vector<std::unique_ptr<clEvent>> owned;
    std::vector<const clEvent *> events;
    SqlQuery q(db, QStringLiteral("SELECT %1 FROM Event e WHERE e.Id = ?").arg(clEvent::storedColumns()));
    for (const ImportRow *r : rows) {
        auto e = std::make_unique<clEvent>();
        q.bind(r->eventId).exec();
        if (!q.next())
            throw StoreError(QStringLiteral("The imported event %1 is missing").arg(r->eventId));
        e->fillFromRow(q, 0);
        q.finish();
        e->Id = r->eventId;
        events.push_back(e.get());
        owned.push_back(std::move(e));
    }
    canvas.PlaceEvents(events, placed);
}

void EventImport::revert()
{
    if (!mApplied)
        return;
    ProjectDatabase &db = g.ProjectDb;
    TransactionGuard guard(db);
    mFormatsAfter.remove(db);
    mFormatsBefore.restore(db);
    mPlacementsAfter.remove(db);
    mPlacementsBefore.restore(db);
    mTimelineFormatsAfter.remove(db);
    mTimelinesAfter.remove(db);
    mLinksAfter.remove(db);
    mEventsAfter.remove(db);
    mEventsBefore.restore(db);
    mLinksBefore.restore(db);
    // Names the import added to the element lists go with it, unless something links them by now.
    PreparedStatement dropElement(
        db, QStringLiteral("DELETE FROM Element WHERE Id = ? AND Id NOT IN (SELECT ElementId FROM EventElement)"));
    for (const qint32 id : std::as_const(mCreatedElements))
        dropElement.run({id});
    guard.commit();
    mApplied = false;
}

} // namespace qm
