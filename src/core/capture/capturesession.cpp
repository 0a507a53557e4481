// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "capturesession.h"

#include "writingdate.h"

#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/datequeries.h"
#include "store/elements.h"
#include "store/globals.h"
#include "store/sqlquery.h"
#include "store/textrule.h"

namespace qm {

namespace {

constexpr qsizetype MaxNameLength = 255;

// The first 255 characters, without cutting a character that takes two code units in half.
QString eventName(const QString &text)
{
    if (text.size() <= MaxNameLength)
        return text;
    qsizetype length = MaxNameLength;
    if (text[length - 1].isHighSurrogate())
        --length;
    return text.left(length);
}

CaptureFields captureFields(const FoundDateFields &f)
{
    return {f.txtDate,   f.txtShort,   f.context.txtLong, f.txtActors, f.txtWhere,
            f.txtSource, f.txtKeyword, f.txtDateLabel,    f.txtEnds};
}

} // namespace

CaptureSession::CaptureSession(Globals &globals) : g(globals) {}

qsizetype CaptureSession::scan(const QString &documentText, const ScanProgress &progress, QDate written)
{
    mScanned = PaneText(documentText);
    mWritten = written.isValid() ? written : WritingDateOf(mScanned.text(), g.dateOrder);
    mFound = ScanDates(mScanned.text(), g.dateEnv(), progress, mWritten);
    mAccepted.clear();
    // Positions of an earlier scan would select and describe text that is no longer coloured as found.
    CurrentDateIndex = mFound.isEmpty() ? 0 : 1;
    return mFound.size();
}

std::pair<qsizetype, qsizetype> CaptureSession::documentRange(int index) const
{
    if (index < 1 || index > count())
        return {0, 0};
    const FoundDate &d = mFound[index - 1];
    const qsizetype start = mScanned.toDocument(d.FirstIndex);
    return {start, mScanned.toDocument(d.FirstIndex + d.Length) - start};
}

FoundDateFields CaptureSession::fieldsOf(int index, bool advance) const
{
    if (index < 1 || index > count())
        return {};
    return foundDateFields(g.ProjectDb, mScanned.text(), mFound[index - 1], advance, g.dateOrder);
}

AcceptOutcome CaptureSession::acceptEvent(const CaptureFields &fields, bool include)
{
    AcceptOutcome out;
    if (!g.ProjectDb.isOpen())
        return out;
    CaptureDate = ExtDate();
    CaptureDate.Assign(fields.txtDate, g.dateEnv());
    if (!CaptureDate.isValid()) {
        out.result = AcceptResult::InvalidDate;
        return out;
    }
    // The field shows the date as typed, read and written back; a fitted time only goes to the event.
    const bool typedTime = textHasTimeOfDay(fields.txtDate);
    out.txtDate = CaptureDate.Render(g.dateOrder, typedTime);
    std::optional<ExtDate> ends;
    if (!fields.txtEnds.trimmed().isEmpty()) {
        ends.emplace();
        ends->Assign(fields.txtEnds, g.dateEnv());
        if (!ends->isValid()) {
            out.result = AcceptResult::InvalidEnd;
            return out;
        }
        *ends = typedEnd(fields.txtEnds, *ends);
        if (ends->Compare(CaptureDate) == u'<') {
            out.result = AcceptResult::EndBeforeStart;
            return out;
        }
    }
    if (SameDateExists(g.ProjectDb, CaptureDate, 0)) {
        if (!g.AdvanceDate) {
            out.result = AcceptResult::DateTaken;
            return out;
        }
        const ExtDate typed = CaptureDate;
        const DateMove move = FitDateOnDay(g.ProjectDb, CaptureDate, typedTime);
        if (move == DateMove::NoRoom) {
            out.result = AcceptResult::DateTaken;
            return out;
        }
        out.note = dateMoveNote(move, typed, CaptureDate, g.dateOrder);
    }

    auto e = std::make_unique<clEvent>(g);
    e->Name = eventName(fields.txtShort);
    e->Description = fields.txtLong;
    // A date of its own: writing into the shared working date would move the next new event's date too.
    e->EventDate = std::make_shared<ExtDate>(CaptureDate);
    e->EventDateStr = fields.txtDateLabel.trimmed().isEmpty() ? fields.txtDate.trimmed() : fields.txtDateLabel;
    // A start fitted to a later minute of a one-day period's only day takes its end along.
    if (ends && ends->Compare(CaptureDate) == u'<')
        ends = CaptureDate;
    e->EndDate = ends;
    e->Sources = fields.txtSource;
    e->Places = fields.txtWhere;
    e->Actors = fields.txtActors;
    e->Keywords = fields.txtKeyword;
    if (g.CurTimeLineId >= 1 && g.CurTimeLine)
        g.CurTimeLine->giveNewEventPicture(e->ImageSource, e->ImageName);
    g.CurEvent = std::move(e);
    out.id = g.CurEvent->Save();
    if (out.id == -1) {
        // Save met a clash after all and the user gave up: nothing was stored.
        out.id = 0;
        out.result = AcceptResult::DateTaken;
        return out;
    }
    out.result = AcceptResult::Saved;
    if (include && g.CurTimeLineId >= 1 && timeline.insertCurrentEvent) {
        out.placed = timeline.insertCurrentEvent();
        if (out.placed && !AcceptingAll && timeline.placed)
            timeline.placed();
    }
    if (!out.placed && timeline.eventMade)
        timeline.eventMade(out.id, g.CurEvent->Name);
    return out;
}

AcceptAllSummary CaptureSession::acceptAll(const CaptureFields &shown, bool shownAcceptEnabled, bool advance,
                                           bool include, const Progress &progress)
{
    AcceptAllSummary summary;
    if (mFound.isEmpty() || !g.ProjectDb.isOpen())
        return summary;
    const int shownIndex = CurrentDateIndex;
    const QSet<int> acceptedBefore = mAccepted;
    bool anyPlaced = false;
    AcceptingAll = true;
    if (timeline.beginGroup)
        timeline.beginGroup(QStringLiteral("events captured from the text"));
    try {
        // One transaction: a thousand dates are stored in a moment, and a failure half way keeps nothing.
        TransactionGuard guard(g.ProjectDb);
        for (int i = 1; i <= count(); ++i) {
            CurrentDateIndex = i;
            const FoundDateFields found = wasAccepted(i) ? FoundDateFields{} : fieldsOf(i, advance);
            if (found.inProject) {
                ++summary.inProject;
            } else if (!wasAccepted(i)) {
                CaptureFields fields = shown;
                bool enabled = shownAcceptEnabled;
                if (i != shownIndex) {
                    fields = captureFields(found);
                    enabled = found.acceptEnabled;
                }
                // A date that is invalid or taken is passed over: the run never stays on one date.
                const AcceptOutcome out = enabled ? acceptEvent(fields, include) : AcceptOutcome{};
                if (out.result == AcceptResult::Saved) {
                    markAccepted(i);
                    ++summary.accepted;
                    summary.movedOn += out.note.isEmpty() ? 0 : 1;
                    anyPlaced = anyPlaced || out.placed;
                } else {
                    ++summary.skipped;
                }
            }
            if (progress && !progress(i, count())) {
                summary.cancelled = true;
                break;
            }
        }
        guard.commit();
    } catch (...) {
        AcceptingAll = false;
        mAccepted = acceptedBefore;
        CurrentDateIndex = shownIndex;
        // The rolled-back events' ids will be handed out again; nothing may keep pointing at them.
        if (g.CurEvent)
            g.CurEvent->Id = 0;
        if (timeline.endGroup)
            timeline.endGroup(false);
        if (anyPlaced && timeline.reload)
            timeline.reload();
        throw;
    }
    AcceptingAll = false;
    if (timeline.endGroup)
        timeline.endGroup(summary.accepted > 0);
    if (anyPlaced && timeline.placed)
        timeline.placed();
    return summary;
}

bool CaptureSession::captureInto(CaptureList list, QString &field, const QString &selection)
{
    QStringList &captured = mCaptured[static_cast<size_t>(list)];
    // "PARIS" after "Paris" is the same text, by the rule that compares element names everywhere.
    for (const QString &earlier : captured) {
        if (textrule::sameName(earlier, selection))
            return false;
    }
    captured.append(selection);
    field = field.isEmpty() ? selection : field + QStringLiteral(", ") + selection;
    return true;
}

QString namesFromSelection(const QString &selection)
{
    QString names = selection;
    names.replace(QStringLiteral("\r\n"), QStringLiteral(","));
    for (const QChar lineBreak :
         {QChar(u'\n'), QChar(u'\r'), QChar(QChar::ParagraphSeparator), QChar(QChar::LineSeparator)})
        names.replace(lineBreak, u',');
    names = names.trimmed();
    if (names.size() >= 2 && names.startsWith(u','))
        names.remove(0, 1);
    if (names.size() >= 2 && names.endsWith(u','))
        names.chop(1);
    return names;
}

QString ElementTypeLetter(const QString &typeWord)
{
    if (typeWord == QStringLiteral("Actor"))
        return QStringLiteral("A");
    if (typeWord == QStringLiteral("Place"))
        return QStringLiteral("P");
    if (typeWord == QStringLiteral("Source"))
        return QStringLiteral("S");
    return QStringLiteral("K");
}

int addCapturedElements(ProjectDatabase &db, const QString &names, const QString &type)
{
    int added = 0;
    TransactionGuard guard(db);
    for (const QString &name : SplitElements(names)) {
        if (name.isEmpty())
            continue;
        FindOrCreateElement(db, type, name);
        ++added;
    }
    guard.commit();
    return added;
}

} // namespace qm
