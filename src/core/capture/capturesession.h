// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datescanner.h"
#include "founddatefields.h"
#include "panetext.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

namespace qm {

class Globals;
class ProjectDatabase;

// What the capture needs of the window that shows the timeline: placing a captured event on it.
struct CaptureTimeline
{
    // Places g.CurEvent on the shown timeline; false when there is none to place it on.
    std::function<bool()> insertCurrentEvent;
    // Called once after one or many placements, so that the view takes the new boxes in.
    std::function<void()> placed;
    // Called when the store was rolled back after boxes were placed: show the timeline as stored.
    std::function<void()> reload;
    // Called for an event stored but not placed, so that undoing takes it out of the project.
    std::function<void(qint32 id, const QString &name)> eventMade;
    // Called around an Accept all run so that what it stores is one undoable step; `keep` is false
    // when the run stored nothing or was rolled back.
    std::function<void(const QString &text)> beginGroup;
    std::function<void(bool keep)> endGroup;
};

// The event fields of the capture window as plain texts.
struct CaptureFields
{
    QString txtDate;
    QString txtShort;
    QString txtLong;
    QString txtActors;
    QString txtWhere;
    QString txtSource;
    QString txtKeyword;
    // What the event shows ("Display as"); empty: the date field's text.
    QString txtDateLabel;
    // The end of a period; empty for a point in time.
    QString txtEnds;
};

enum class AcceptResult {
    Saved,
    InvalidDate, // the date text does not read as a date
    DateTaken,   // another event has the date and the date is not to be advanced
    InvalidEnd,  // the end does not read as a date
    EndBeforeStart,
    NoProject,
};

struct AcceptOutcome
{
    AcceptResult result = AcceptResult::NoProject;
    // The date text as the program writes it, for the date field; empty when it did not read.
    QString txtDate;
    qint32 id = 0;
    bool placed = false;
    // Said when the typed time of day was taken and the event moved on by a minute.
    QString note;
};

// What one AcceptAll run did.
struct AcceptAllSummary
{
    int accepted = 0;
    int skipped = 0;
    // Dates whose event the project holds already.
    int inProject = 0;
    // Dates whose own time of day was taken, saved a minute or more later.
    int movedOn = 0;
    bool cancelled = false;
};

// The element lists a capture button appends to.
enum class CaptureList { Actors = 0, Places, Sources, Keywords };

// The rules of the capture window without its widgets: the found dates and where the window stands
// among them, accepting one date or all of them as events, and the texts captured into element fields.
class CaptureSession
{
public:
    explicit CaptureSession(Globals &g);

    CaptureTimeline timeline;

    // Finds the dates of a document's text (a line break being one character) and returns how many.
    // The list of an earlier scan goes, with what was accepted from it; CurrentDateIndex is 1 when
    // anything was found, else 0. A text written on a known day reads its dates without a year, and
    // "yesterday" or "on Tuesday", from that day: `written` when given, else the day its top names.
    qsizetype scan(const QString &documentText, const ScanProgress &progress = {}, QDate written = {});
    // The day the last scan read the text as written on; invalid when neither the user nor the text gave one.
    QDate writtenOn() const { return mWritten; }
    const FoundDates &foundDates() const { return mFound; }
    int count() const { return static_cast<int>(mFound.size()); }
    // The scanned text, line breaks as CR LF, which the found dates' offsets refer to.
    const PaneText &scannedText() const { return mScanned; }
    // Where found date `index` (1-based) lies in the document: start and length.
    std::pair<qsizetype, qsizetype> documentRange(int index) const;

    // 1-based position of the found date shown; 0 before any scan found something.
    int CurrentDateIndex = 0;
    bool nextEnabled() const { return CurrentDateIndex < count(); }
    bool prevEnabled() const { return CurrentDateIndex >= 2; }
    // The event fields of found date `index`; `advance` as the window's check box says.
    FoundDateFields fieldsOf(int index, bool advance) const;

    // The date of the last Accept, after any advance.
    ExtDate CaptureDate{0.0, EraInvalid};
    bool AcceptingAll = false;
    // Saves the fields as a new event and, with `include`, places it on the shown timeline.
    // Throws StoreError.
    AcceptOutcome acceptEvent(const CaptureFields &fields, bool include);

    // Whether found date `index` was saved since the last scan; AcceptAll passes over those.
    bool wasAccepted(int index) const { return mAccepted.contains(index); }
    void markAccepted(int index) { mAccepted.insert(index); }

    // Called after each found date with the number done and the total; false stops the run.
    using Progress = std::function<bool(int done, int total)>;
    // Accepts every found date not yet accepted, in text order, in one transaction; a date that is
    // invalid or already taken is skipped, and so is one whose event is in the project already. The date the window
    // shows (`shown`, whose Accept state is `shownAcceptEnabled`) is taken as the user left it. Ends with
    // CurrentDateIndex on the last date looked at. A stop keeps what was accepted; a StoreError keeps nothing of the
    // run and is rethrown.
    AcceptAllSummary acceptAll(const CaptureFields &shown, bool shownAcceptEnabled, bool advance, bool include,
                               const Progress &progress = {});

    // Appends the selected text to an element field, once per text and list in the session, letter
    // case aside; false (field unchanged) for a text captured there before.
    bool captureInto(CaptureList list, QString &field, const QString &selection);

private:
    Globals &g;
    FoundDates mFound;
    PaneText mScanned;
    QDate mWritten;
    QSet<int> mAccepted;
    std::array<QStringList, 4> mCaptured;
};

// The names the selection offers for the element table: every line break a ",", blanks trimmed at
// both ends, and one "," dropped at either end.
QString namesFromSelection(const QString &selection);
// "Actor" -> "A", "Place" -> "P", "Source" -> "S", anything else -> "K".
QString ElementTypeLetter(const QString &typeWord);
// Finds or makes an element of that type for every name of the comma-separated list, in one
// transaction; returns how many names there were. Throws StoreError.
int addCapturedElements(ProjectDatabase &db, const QString &names, const QString &type);

} // namespace qm
