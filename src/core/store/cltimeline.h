// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clformat.h"
#include "picturelibrary.h"

#include <QString>

#include <vector>

namespace qm {

class Globals;
class ProjectDatabase;

// A named timeline: its title and subtitle, background or wallpaper, default picture and default box format.
class clTimeLine
{
public:
    explicit clTimeLine(ProjectDatabase &db);

    qint32 Id = 0;
    QString Name;
    QString Description;
    qint32 BackColor = 0xFFC0C0;
    QString LabelCaption;
    qint32 LabelBackColor = 0xFFFFFF;
    qint32 LabelForeColor = 0;
    QString LabelFont = QStringLiteral("Georgia");
    QString LabelFontSize = QStringLiteral("24");
    bool LabelSolid = false;
    bool LabelShowBorder = false;
    bool LabelBold = false;
    bool LabelItalic = false;
    QString SubCaption;
    qint32 SubBackColor = 0xFFFFFF;
    qint32 SubForeColor = 0;
    QString SubFont = QStringLiteral("Georgia");
    QString SubFontSize = QStringLiteral("10");
    bool SubSolid = false;
    bool SubShowBorder = false;
    bool SubBold = false;
    bool SubItalic = false;
    // The picture new events get; a new timeline gives them "No picture".
    QString ImageSource = NoPictureSource.toString();
    QString ImageName;
    QString WallSource = QStringLiteral("S");
    QString WallName = QStringLiteral("WallPaper0.jpg");
    bool UseWallpaper = false;
    bool ForceDefault = true;
    clFormat DefaultFormat;
    // Drawn to scale (x from the date, rows fitted, an axis with marks) rather than in date order.
    bool ToScale = false;
    // To scale: the years one page width shows; 0 fits the whole timeline to the window.
    double YearsPerWidth = 0.0;

    // Every member but Id, Name, Description and LabelCaption back to its default, the default format too.
    void GetDefault();
    // Fills the record from the row with that Id; nothing changes when there is none.
    void Load(qint32 id);
    // Stores the timeline with its default format, creating the rows when needed, and returns the Id.
    qint32 Save();
    void Eq(const clTimeLine &other) { *this = other; }
    // Gives a new event the picture this timeline gives new events; a timeline of an older file that
    // names none leaves the event's own.
    void giveNewEventPicture(QString &source, QString &name) const;

private:
    QVariantList columnValues() const;

    ProjectDatabase *mDb;
};

// A name for a new timeline: "Timeline" followed by one more than the largest number that names
// of the form "Timeline<1-9>..." carry (letter case ignored).
QString NewTimelineName(ProjectDatabase &db);
// True when a timeline other than `exceptId` has this name, letter case ignored.
bool timelineNameExists(ProjectDatabase &db, const QString &name, qint32 exceptId);

// One entry of the timeline list.
struct TimelineEntry
{
    qint32 id = 0;
    QString name;
};
// Stores how the timeline lays out time (its other columns untouched); fails on a file that cannot
// keep it.
void storeTimelineScale(ProjectDatabase &db, qint32 timelineId, bool toScale, double yearsPerWidth);

// All timelines, ordered by name.
std::vector<TimelineEntry> timelinesByName(ProjectDatabase &db);

// Makes the first timeline of a new project, "Timeline0", as CurTimeLine, remembers it as the one
// to show, and returns its Id.
qint32 createFirstTimeline(Globals &g);

} // namespace qm
