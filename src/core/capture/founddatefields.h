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
    QString txtDateLabel; // the phrase exactly as found
    QString txtDate;      // the phrase read and shown the program's way, which Accept reads again
    ExtDate date;
    DateContext context; // txtShort and txtLong
    QString txtSource;
    QString txtActors;
    QString txtWhere;
    QString txtKeyword;
    bool acceptEnabled = false;
};

// The fields for a date found in the scanned text, with the date as the scan read it. Accept is
// enabled when the date is to be advanced past existing events, or else when no stored event has the
// same date. Without an open project no element is found and no date is taken. Throws StoreError.
FoundDateFields foundDateFields(ProjectDatabase &db, const QString &text, const FoundDate &found, bool advanceDate);

} // namespace qm
