// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// make-sample: builds the sample project from its event table, placing the boxes as a user would.
#include "toolcontext.h"

#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/mdlparms.h"
#include "store/projectfiles.h"
#include "store/storeerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringConverter>
#include <QTextStream>

namespace qmtool {

namespace {

struct SampleEvent
{
    QString date, name, timelines, picture, actors, places, sources, keywords, description;
};

std::vector<SampleEvent> readSample(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        throw qm::StoreError(QStringLiteral("Cannot read the sample table"), path);
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    std::vector<SampleEvent> events;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList c = line.split(u'\t');
        if (c.size() != 9)
            throw qm::StoreError(QStringLiteral("A line of the sample table does not have 9 columns"), line);
        events.push_back({c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8]});
    }
    return events;
}

qint32 makeTimeline(qm::Globals &g, const QString &name, const QString &description, bool wallpaper, qint32 color)
{
    qm::clTimeLine t(g.ProjectDb);
    t.Name = name;
    t.LabelCaption = name;
    t.Description = description;
    t.SubCaption = QStringLiteral("Sample project of Quillmarsh");
    t.UseWallpaper = wallpaper;
    t.BackColor = color;
    t.LabelBold = true;
    return t.Save();
}

} // namespace

int cmdMakeSample(const QStringList &args)
{
    const Arguments a = Arguments::parse(args, {});
    if (a.positional.size() != 2)
        throw UsageError(QStringLiteral("make-sample needs the event table and the project file to make"));
    const std::vector<SampleEvent> events = readSample(a.positional[0]);
    const QString path = QFileInfo(a.positional[1]).absoluteFilePath();

    if (!path.endsWith(QStringLiteral(".qmp"), Qt::CaseInsensitive))
        throw UsageError(QStringLiteral("a project file name ends with .qmp"));
    qm::Globals g;
    g.clock = [] { return QDate(2001, 1, 1); };
    // Never over an existing project: someone may have worked in it.
    qm::createProjectFromTemplate(path, g.appFolder);
    g.ProjectDb.open(path);

    const qint32 republic = makeTimeline(g, QStringLiteral("The Roman Republic"),
                                         QStringLiteral("From the founding of the city to Augustus"), true, 0xFFC0C0);
    const qint32 empire = makeTimeline(g, QStringLiteral("The Roman Empire"),
                                       QStringLiteral("From Augustus to the fall of Constantinople"), false, 0xF8F0E8);

    std::vector<std::pair<qint32, QString>> stored;
    for (const SampleEvent &s : events) {
        qm::clEvent e(g);
        auto date = std::make_shared<qm::ExtDate>();
        date->Assign(s.date, g.dateEnv());
        if (!date->isValid())
            throw qm::StoreError(QStringLiteral("A date of the sample table cannot be read"), s.date);
        e.EventDate = date;
        // Shown as historians write them, whatever a reader's order of numeric dates: "21 April 753 BC",
        // and a year as the table gives it.
        e.EventDateStr = s.date.contains(u'/') ? date->RenderNamed(qm::DateOrder::DayFirst) : s.date;
        e.Name = s.name;
        e.Description = s.description;
        e.Actors = s.actors;
        e.Places = s.places;
        e.Sources = s.sources;
        e.Keywords = s.keywords;
        e.ImageName = s.picture;
        e.ImageSource = QStringLiteral("S");
        stored.emplace_back(e.Save(), s.timelines);
    }

    // Room enough between the boxes for their dates to breathe.
    g.MinDist = 200;
    qm::FontTextMeasurer measurer(96.0);
    qm::TimelineCanvas canvas(g, measurer);
    // Each timeline has a look of its own, given to its boxes before they are placed.
    qm::clFormat republicLook;
    republicLook.PictureWidth = republicLook.PictureHeight = 720;
    republicLook.TextMaxWidth = 2000;
    republicLook.TextFontSize = 11;
    republicLook.DateBold = true;
    qm::clFormat empireLook = republicLook;
    empireLook.TextFont = empireLook.DateFont = QStringLiteral("Georgia");
    empireLook.TextSolid = true;
    empireLook.TextShowBorder = true;
    empireLook.TextBackColor = 0xF4FAFF;
    empireLook.TextForeColor = 0x402010;
    empireLook.DateForeColor = 0x800000;
    const struct
    {
        qint32 timeline;
        QChar letter;
        const qm::clFormat &look;
    } timelines[] = {{republic, u'R', republicLook}, {empire, u'E', empireLook}};
    for (const auto &t : timelines) {
        const qint32 timeline = t.timeline;
        g.CurTimeLineId = timeline;
        canvas.LoadTimeLine(timeline);
        for (const auto &[id, letters] : stored) {
            if (!letters.contains(t.letter))
                continue;
            qm::clFormat look = t.look;
            look.Save(g.ProjectDb, id, timeline);
            g.CurEvent = std::make_unique<qm::clEvent>(g);
            g.CurEvent->Id = id;
            g.CurEvent->Load();
            canvas.InsertNewBox(*g.CurEvent);
        }
    }
    g.CurTimeLineId = republic;
    qm::mdlParms::ProjectParameters parms;
    parms.timeLineId = republic;
    parms.minDist = g.MinDist;
    parms.defaultDate = *g.workingDate();
    qm::mdlParms::writeParameters(g.ProjectDb, parms);
    g.ProjectDb.close();
    out(QDir::toNativeSeparators(path));
    return ExitDone;
}

} // namespace qmtool
