// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/globals.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>

namespace qmtest {

// A fixed clock: 15 June 2026.
QDate testToday();

// A fresh project in a temporary folder, opened in its own Globals with a fixed "today" and the
// stock pictures of the build tree.
struct TempProject
{
    TempProject();
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QString projectPath;
    qm::Globals g;
};

// Stores an event as the event dialog does, dated by a text read as the dialog reads it; returns
// its Id (-1 when a clash with another event's date was not resolved).
qint32 storeEvent(qm::Globals &g, const QString &date, const QString &name, const QString &actors = {},
                  const QString &places = {});

// The stored value of a day of the plain era.
double dateValue(int year, int month, int day);
// Stores an event dated year/month/day (era 0) with its date text, and returns its id.
qint32 addEvent(qm::Globals &g, const QString &name, int year, int month, int day);
// Stores a timeline with that title and returns its id.
qint32 addTimeline(qm::Globals &g, const QString &name, const QString &title);
// Makes the event the current one, as the event commands do before placing it.
void makeCurrent(qm::Globals &g, qint32 eventId);

} // namespace qmtest
