// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cltimeline.h"

#include "globals.h"
#include "mdlparms.h"
#include "sqlquery.h"
#include "storedvalues.h"
#include "storeerror.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

namespace sv = storedvalues;

namespace {

// The stored members, in the order of columnValues() and of the reading in Load().
const QStringList &timelineColumns()
{
    static const QStringList columns = {
        QStringLiteral("Name"),           QStringLiteral("Description"),    QStringLiteral("ForceDefault"),
        QStringLiteral("BackColor"),      QStringLiteral("LabelCaption"),   QStringLiteral("LabelFont"),
        QStringLiteral("LabelFontSize"),  QStringLiteral("LabelSolid"),     QStringLiteral("LabelShowBorder"),
        QStringLiteral("LabelBackColor"), QStringLiteral("LabelForeColor"), QStringLiteral("LabelBold"),
        QStringLiteral("LabelItalic"),    QStringLiteral("SubCaption"),     QStringLiteral("SubFont"),
        QStringLiteral("SubFontSize"),    QStringLiteral("SubShowBorder"),  QStringLiteral("SubSolid"),
        QStringLiteral("SubBackColor"),   QStringLiteral("SubForeColor"),   QStringLiteral("SubBold"),
        QStringLiteral("SubItalic"),      QStringLiteral("ImageSource"),    QStringLiteral("ImageName"),
        QStringLiteral("WallSource"),     QStringLiteral("WallName"),       QStringLiteral("UseWallpaper"),
    };
    return columns;
}

constexpr QStringView NamePrefix = u"Timeline";

// The scale lives in columns that files older than it lack: they read as in date order.
bool hasScaleColumns(ProjectDatabase &db)
{
    return db.hasColumn(QStringLiteral("TimeLine"), QStringLiteral("TimeScale"));
}

void loadScale(ProjectDatabase &db, clTimeLine &t)
{
    t.ToScale = false;
    t.YearsPerWidth = 0.0;
    if (!hasScaleColumns(db))
        return;
    SqlQuery q(db, QStringLiteral("SELECT TimeScale, YearsPerWidth FROM TimeLine WHERE Id = ?"));
    q.bind(t.Id).exec();
    if (!q.next())
        return;
    t.ToScale = q.value(0).toInt() == 1;
    const double years = q.value(1).toDouble();
    t.YearsPerWidth = std::isfinite(years) && years > 0.0 ? years : 0.0;
}

void saveScale(ProjectDatabase &db, const clTimeLine &t)
{
    if (hasScaleColumns(db))
        storeTimelineScale(db, t.Id, t.ToScale, t.YearsPerWidth);
}

} // namespace

clTimeLine::clTimeLine(ProjectDatabase &db) : mDb(&db) {}

void clTimeLine::GetDefault()
{
    const clTimeLine kept = *this;
    *this = clTimeLine(*mDb);
    Id = kept.Id;
    Name = kept.Name;
    Description = kept.Description;
    LabelCaption = kept.LabelCaption;
    // How time is laid out is no part of the look that goes back to the default.
    ToScale = kept.ToScale;
    YearsPerWidth = kept.YearsPerWidth;
    DefaultFormat = kept.DefaultFormat;
    DefaultFormat.GetDefault();
}

void clTimeLine::Load(qint32 id)
{
    SqlQuery q(
        *mDb, QStringLiteral("SELECT %1 FROM TimeLine WHERE Id = ?").arg(timelineColumns().join(QStringLiteral(", "))));
    q.bind(id).exec();
    if (!q.next())
        return;
    Id = id;
    Name = q.value(0).toString();
    Description = q.value(1).toString();
    ForceDefault = sv::toBool(q.value(2));
    BackColor = q.value(3).toInt();
    LabelCaption = q.value(4).toString();
    LabelFont = q.value(5).toString();
    LabelFontSize = q.value(6).toString();
    LabelSolid = sv::toBool(q.value(7));
    LabelShowBorder = sv::toBool(q.value(8));
    LabelBackColor = q.value(9).toInt();
    LabelForeColor = q.value(10).toInt();
    LabelBold = sv::toBool(q.value(11));
    LabelItalic = sv::toBool(q.value(12));
    SubCaption = q.value(13).toString();
    SubFont = q.value(14).toString();
    SubFontSize = q.value(15).toString();
    SubShowBorder = sv::toBool(q.value(16));
    SubSolid = sv::toBool(q.value(17));
    SubBackColor = q.value(18).toInt();
    SubForeColor = q.value(19).toInt();
    SubBold = sv::toBool(q.value(20));
    SubItalic = sv::toBool(q.value(21));
    ImageSource = q.value(22).toString();
    ImageName = q.value(23).toString();
    // Files older than wallpapers have no value here.
    WallSource = q.value(24).isNull() ? QStringLiteral("S") : q.value(24).toString();
    WallName = q.value(25).isNull() ? QStringLiteral("Wallpaper0.jpg") : q.value(25).toString();
    UseWallpaper = sv::toBool(q.value(26));
    q.finish();
    loadScale(*mDb, *this);
    DefaultFormat.GetFormat(*mDb, 0, id);
}

qint32 clTimeLine::Save()
{
    const qint32 previousId = Id;
    try {
        TransactionGuard guard(*mDb);
        SqlQuery find(*mDb, QStringLiteral("SELECT 1 FROM TimeLine WHERE Id = ?"));
        find.bind(Id).exec();
        const bool exists = find.next();
        find.finish();

        const QStringList &columns = timelineColumns();
        if (exists) {
            execSql(
                *mDb,
                QStringLiteral("UPDATE TimeLine SET %1 = ? WHERE Id = ?").arg(columns.join(QStringLiteral(" = ?, "))),
                columnValues() + QVariantList{Id});
        } else {
            const QString marks = QStringList(columns.size(), QStringLiteral("?")).join(QStringLiteral(", "));
            SqlQuery add(
                *mDb,
                QStringLiteral("INSERT INTO TimeLine (%1) VALUES (%2)").arg(columns.join(QStringLiteral(", ")), marks));
            for (const QVariant &v : columnValues())
                add.bind(v);
            add.exec();
            Id = add.lastInsertId().toInt();
        }
        DefaultFormat.Save(*mDb, 0, Id);
        saveScale(*mDb, *this);
        guard.commit();
    } catch (...) {
        // The engine hands a rolled-back Id out again; this record must not claim it.
        Id = previousId;
        throw;
    }
    return Id;
}

void clTimeLine::giveNewEventPicture(QString &source, QString &name) const
{
    if (!isNoPicture(ImageSource) && ImageName.isEmpty())
        return;
    source = ImageSource;
    name = isNoPicture(ImageSource) ? QString() : ImageName;
}

QVariantList clTimeLine::columnValues() const
{
    return {sv::fromText(Name),
            sv::fromText(Description),
            sv::fromBool(ForceDefault),
            BackColor,
            sv::fromText(LabelCaption),
            sv::fromText(LabelFont),
            sv::fromText(LabelFontSize),
            sv::fromBool(LabelSolid),
            sv::fromBool(LabelShowBorder),
            LabelBackColor,
            LabelForeColor,
            sv::fromBool(LabelBold),
            sv::fromBool(LabelItalic),
            sv::fromText(SubCaption),
            sv::fromText(SubFont),
            sv::fromText(SubFontSize),
            sv::fromBool(SubShowBorder),
            sv::fromBool(SubSolid),
            SubBackColor,
            SubForeColor,
            sv::fromBool(SubBold),
            sv::fromBool(SubItalic),
            sv::fromText(ImageSource),
            sv::fromText(ImageName),
            sv::fromText(WallSource),
            sv::fromText(WallName),
            sv::fromBool(UseWallpaper)};
}

void storeTimelineScale(ProjectDatabase &db, qint32 timelineId, bool toScale, double yearsPerWidth)
{
    if (!hasScaleColumns(db))
        throw StoreError(QStringLiteral("The project was made before timelines had a scale and is open read-only"));
    execSql(db, QStringLiteral("UPDATE TimeLine SET TimeScale = ?, YearsPerWidth = ? WHERE Id = ?"),
            {toScale ? 1 : 0, yearsPerWidth > 0.0 ? QVariant(yearsPerWidth) : QVariant(), timelineId});
}

QString NewTimelineName(ProjectDatabase &db)
{
    SqlQuery q(db, QStringLiteral("SELECT Name FROM TimeLine WHERE substr(Name, 1, 8) = ? COLLATE QMNOCASE "
                                  "AND substr(Name, 9, 1) BETWEEN '1' AND '9'"));
    q.bind(NamePrefix.toString()).exec();
    qint64 largest = 0;
    while (q.next()) {
        const QString name = q.value(0).toString();
        qsizetype end = NamePrefix.size();
        while (end < name.size() && name[end] >= u'0' && name[end] <= u'9')
            ++end;
        bool ok = false;
        const qint64 number = QStringView(name).sliced(NamePrefix.size(), end - NamePrefix.size()).toLongLong(&ok);
        // A number too large to count on from cannot give a new name; other names still can.
        if (ok && number < std::numeric_limits<qint64>::max())
            largest = std::max(largest, number);
    }
    return NamePrefix.toString() + QString::number(largest + 1);
}

bool timelineNameExists(ProjectDatabase &db, const QString &name, qint32 exceptId)
{
    SqlQuery q(db, QStringLiteral("SELECT 1 FROM TimeLine WHERE Name = ? COLLATE QMNOCASE AND Id <> ? LIMIT 1"));
    q.bind(name).bind(exceptId).exec();
    return q.next();
}

std::vector<TimelineEntry> timelinesByName(ProjectDatabase &db)
{
    SqlQuery q(db, QStringLiteral("SELECT Id, Name FROM TimeLine ORDER BY Name COLLATE QMNOCASE, Id"));
    q.exec();
    std::vector<TimelineEntry> list;
    while (q.next())
        list.push_back({q.value(0).toInt(), q.value(1).toString()});
    return list;
}

qint32 createFirstTimeline(Globals &g)
{
    auto timeline = std::make_unique<clTimeLine>(g.ProjectDb);
    timeline->Name = QStringLiteral("Timeline0");
    timeline->Description = QStringLiteral("");
    timeline->LabelCaption = timeline->Name;
    TransactionGuard guard(g.ProjectDb);
    const qint32 id = timeline->Save();
    mdlParms::SetParm(g.ProjectDb, QStringLiteral("TimeLine0"), QString::number(id));
    guard.commit();
    g.CurTimeLine = std::move(timeline);
    return id;
}

} // namespace qm
