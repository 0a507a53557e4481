// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dates/platformdate.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <map>
#include <stdexcept>

namespace qm {
class ProjectDatabase;
class TimelineCanvas;
} // namespace qm

namespace qmtool {

inline constexpr int ExitDone = 0;
inline constexpr int ExitFailed = 1;
inline constexpr int ExitUsage = 2;

// Bad usage: the message goes to stderr with a pointer to --help, and the tool exits with 2.
class UsageError : public std::runtime_error
{
public:
    explicit UsageError(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// A failure the user is told about in plain words on stderr; the tool exits with 1.
class ToolFailure : public std::runtime_error
{
public:
    explicit ToolFailure(const QString &message) : std::runtime_error(message.toStdString()) {}
};

// A command's arguments: options given as "--name value" and the plain arguments in order.
struct Arguments
{
    std::map<QString, QString> options;
    QStringList positional;

    // Splits the arguments; only the named options (with a value) and flags (without) are allowed.
    static Arguments parse(const QStringList &args, const QStringList &valueOptions, const QStringList &flags = {});
    QString option(const QString &name) const;
    bool has(const QString &name) const { return options.count(name) != 0; }
};

// The timeline named with --timeline, else the one the project shows on opening, else the first by name.
qint32 chooseTimeline(qm::ProjectDatabase &db, const Arguments &a);

// One field of a tab-separated line: what would break the line or the field is written as an escape.
QString field(const QString &value);
void out(const QString &line);
void err(const QString &line);
// The date given with --today, or an invalid date when there is none.
QDate todayOption(const Arguments &a);
// Shows the loaded canvas at the zoom given with --zoom (more than 0), as if the user had zoomed
// there before the change; stored positions do not depend on it.
void zoomAsAsked(qm::TimelineCanvas &canvas, const Arguments &a);
// The order of numeric dates read and printed: month first unless --order dmy, whatever the
// machine's locale, so that a script never changes meaning from one machine to the next.
qm::DateOrder orderOption(const Arguments &a);

int cmdDate(const QStringList &args);
int cmdNew(const QStringList &args);
int cmdMakeTemplate(const QStringList &args);
int cmdMakeSample(const QStringList &args);
int cmdEvents(const QStringList &args);
int cmdTimelines(const QStringList &args);
int cmdAddEvent(const QStringList &args);
// Needs fonts, so the tool runs it with a (windowless) GUI application.
int cmdExport(const QStringList &args);
int cmdPages(const QStringList &args);
int cmdScan(const QStringList &args);
int cmdExportEvents(const QStringList &args);
// Switch a timeline's scale, fit its rows again, list its axis marks; all place boxes, which needs fonts.
int cmdScale(const QStringList &args);
int cmdArrangeRows(const QStringList &args);
int cmdTicks(const QStringList &args);
// Places boxes, which needs fonts, so the tool runs it with a (windowless) GUI application.
int cmdImportEvents(const QStringList &args);
// Need fonts too: the boxes are laid out as the canvas lays them out.
int cmdBoxes(const QStringList &args);
int cmdCompress(const QStringList &args);
int cmdSelect(const QStringList &args);
// Places boxes as the window does, so it needs fonts (a windowless GUI application).
int cmdInclude(const QStringList &args);
int cmdExclude(const QStringList &args);
int cmdTag(const QStringList &args);
int cmdDeleteEvent(const QStringList &args);
int cmdSetPicture(const QStringList &args);
int cmdImportPictures(const QStringList &args);
int cmdCategories(const QStringList &args);

} // namespace qmtool
