// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/extdate.h"

#include <QDate>
#include <QStringView>

namespace qm {

// The day a text says it was written, at its top: a date alone on one of its first lines, one after
// "Published", "Posted", "Updated" and the like, or a news dateline ("WASHINGTON, April 17, 2003 (AP)
// --"). Invalid when the text's first lines say no such thing: a history article's title or first
// sentence is not a dateline.
QDate WritingDateOf(QStringView text, DateOrder order);

// The year that puts the month and day nearest to the writing day: a report of 5 January writes of
// "28 December" of the year before and of "3 March" of its own.
int NearestYear(QDate written, int month, int day);

// The day a weekday names (1 Monday to 7 Sunday) seen from the writing day: -1 the latest before it,
// 1 the next after it, 0 the latest on or before it.
QDate WeekdayFrom(QDate written, int weekday, int direction);

} // namespace qm
