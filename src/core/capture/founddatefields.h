// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "datecontext.h"
#include "datescanner.h"

#include <QString>

namespace qm {

class ProjectDatabase;

// What the capture window shows for one found date: the event fields it fills and whether the date may
// be accepted as it stands.
struct FoundDateFields
{
    QString txtDateLabel; // what the event shows: the phrase, or the date to the phrase's precision
    QString txtDate;      // the phrase read and shown the program's way, which Accept reads again
    QString txtEnds;      // the end of a period the phrase names, the same way; empty for a point in time
    ExtDate date;
    DateContext context; // the sentence (txtShort) and the paragraph (txtLong)
    QString txtShort;    // the proposed name: the date's clause without the date
    QString txtSource;
    QString txtActors;
    QString txtWhere;
    QString txtKeyword;
    bool acceptEnabled = false;
    // The project holds this date's event already: Accept and Accept all pass it over.
    bool inProject = false;
};

// The fields for a date found in the scanned text, with the date as the scan read it. Who and Where
// are the elements the date's sentence names, or the paragraph's when the sentence names none. Accept
// is enabled unless the event is in the project already, or the day is taken and not to be shared.
// Without an open project no element is found and no date is taken. Throws StoreError.
FoundDateFields foundDateFields(ProjectDatabase &db, const QString &text, const FoundDate &found, bool advanceDate,
                                DateOrder order = DateOrder::MonthFirst);

} // namespace qm
