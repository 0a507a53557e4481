// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// qmtool: the program's headless companion for scripting and checking projects.
#include "toolcontext.h"

#include "render/fontsubstitutes.h"
#include "store/storeerror.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <string_view>

namespace qmtool {

namespace {

const char *const Usage = R"(Usage: qmtool COMMAND [OPTIONS] ARGUMENTS
Reads and changes Quillmarsh timeline projects from a terminal.

Commands:
  date [--project FILE] [--today YYYY-MM-DD] [--order dmy|mdy] TEXT...
        Shows how the program reads each TEXT as a date: era code, stored
        calendar date, and the date as shown. An unreadable text gives 9999.
        Numeric dates are read and printed month first unless --order dmy,
        whatever the machine's locale.
  new FILE.qmp
        Creates a new project from the template, with its picture folders and
        its first timeline, "Timeline0".
  events FILE
        Lists the events in date order, one per line: id, era code, stored
        calendar date, date text, name, actors, places, sources, keywords,
        separated by tabs. Tabs, line breaks and backslashes inside values are
        written as \t, \r, \n and \\.
  timelines FILE
        Lists the timelines by name: id and name, separated by a tab.
  add-event FILE --date TEXT --name TEXT [--description TEXT]
            [--actors LIST] [--places LIST] [--sources LIST] [--keywords LIST]
            [--timeline NAME [--zoom Z]] [--shown TEXT] [--order dmy|mdy]
            [--ends DATE]
        Stores a new event as the event dialog does and prints its id. The
        event shows the date as typed, or TEXT. A day other events have keeps
        the new one after them; a typed time of day that is taken moves on by
        a minute, which is said on stderr. LISTs are
        names separated by commas. With --timeline, the event is also placed
        on that timeline in date order, as the window places a new event.
        --ends DATE makes the event a period ending then (not before its
        start; a year or a month alone ends on its last day), drawn as a
        bar along the axis of a timeline drawn to scale.
  export FILE [--timeline NAME] [--dpi N] OUT
        Saves a timeline as a picture or a drawing, without the selection,
        at full size whatever the zoom: pictures at N dots per inch (default
        300; 96 is the screen's), PDF and SVG at the true size. OUT's
        extension chooses the format: .png, .jpg or .jpeg (quality 85),
        .bmp, .gif, .tif or .tiff, or .pdf and .svg (text stays text; no
        limit of size). Without --timeline: the timeline the project opens
        with, else the first by name. The project is only read. A failed
        write leaves no file behind; a symbolic link OUT writes the file it
        points to.
  export FILE [--timeline NAME] OUT.pdf --as-printed [--paper P]
            [--orientation O] [--fit F]
        Writes the pages printing makes: the timeline's page setup, or
        --paper A4|Letter|A3, --orientation landscape|portrait and --fit
        one (the whole timeline on one sheet), N-wide (a poster N sheets
        wide), NxM (N sheets wide by M high) or a percentage of true size.
  export FILE [--timeline NAME] OUT.html
        Writes the timeline as one web page that needs no other file and no
        network: the drawing the SVG export makes, each picture once, and
        the events' dates, descriptions and elements, read by a click or
        Enter; with zoom, search and keys to go from event to event.
  pages FILE [--timeline NAME] [--paper P] [--orientation O] [--fit F]
        Shows the printed pages as export --as-printed makes them: their
        number, the page setup, the scale (percent of true size), then one
        line per page: "page", its number and the left, top, right and
        bottom of the part of the canvas it shows, in twips (1440 to the
        inch), separated by tabs.
  scan [--project FILE] [--today YYYY-MM-DD] [--order dmy|mdy]
       [--written YYYY-MM-DD] TEXTFILE
        Finds the dates in a text file (plain text, HTML, Markdown, or the text
        of a Word .docx or OpenDocument .odt document) as the capture window
        does and prints one line per date, fields separated by tabs: number, offset and
        length (UTF-16 units, line breaks counted as CR LF), phrase, era
        code, date (month first unless --order dmy), proposed name and
        detailed description, then the
        actors, places, sources and keywords of the project found in them,
        the text the event would show, and "in the project" when the
        project holds the date's event already. A period ("from 1939 to
        1945", "3-5 May 1789") is one date whose line has one more field:
        the last day of its end, written as the date is. Tabs, line breaks and
        backslashes in fields are written \t, \r, \n and \\.
        A report's dates without a year ("March 3", "on Tuesday",
        "yesterday") are counted from the day it was written: --written,
        else the date its first lines give ("Posted 5 March 2021", a
        dateline "LONDON, March 5, 2021 (Reuters) --").
  boxes FILE [--timeline NAME]
        Lists the stored boxes of a timeline in canvas order, one per line:
        event id, BoxLeft, BoxTop, then as the canvas lays them out at full
        size after loading: picture right, picture bottom, connector x, name
        label left, top, right, bottom, date label left, right. Whole twips,
        separated by tabs. Timeline as for export. A timeline drawn to scale
        starts with the line "to scale" and its twips per year.
  compress FILE [--timeline NAME] [--zoom Z] 1|2
        Compresses the timeline as Format > Compress 1 or 2 does and prints
        what boxes prints for the result. With 2 the new positions are
        stored; with 1 nothing is written. --zoom Z (add-event, compress,
        include) makes the change as the window makes it at that zoom: the
        stored positions are the same at every zoom. A timeline drawn to
        scale is refused: its dates place the boxes.
  scale FILE [--timeline NAME] [--years N] order|time
        Lays the timeline out in date order, or to scale (x from each date,
        rows fitted, an axis with marks), as Format > Scale does, in one
        undoable step that keeps both layouts; --years N shows N years per
        page width (ten inches), else the whole timeline fits the width.
        Prints what boxes prints for the result.
  arrange-rows FILE [--timeline NAME]
        Fits the rows of a timeline drawn to scale again, forgetting where
        boxes were dragged, and prints what boxes prints for the result.
  ticks FILE [--timeline NAME] [--zoom Z]
        Lists the marks of the axis of a timeline drawn to scale as the
        canvas draws them: x in twips, then the label of a long mark (none
        for a short one), separated by a tab.
  export-events FILE [--timeline NAME] [--order dmy|mdy] OUT.csv
        Writes every event of the project, or only those on the timeline
        NAME, to a spreadsheet file (UTF-8 with byte-order mark, CRLF line
        ends) with the columns Id, Date, Ends, Displayed as, Name,
        Description, Actors, Places, Sources, Keywords, Picture, Picture
        source, Timelines. The Date column is written month first unless
        --order dmy, and its header names the order, as in Date
        (day/month/year); Ends, the end of a period (empty for an event of
        one moment), is written in the same order. The project is only read.
  import-events FILE IN.csv [--dry-run] [--order dmy|mdy]
        Reads such a file (any column order, missing columns, ";" or tab as
        separator, UTF-8 or Windows-1252) and prints one line per row, fields
        separated by tabs: row number, action (new, update, unchanged,
        refused), then the event id ("-" for an event not stored yet) or the
        reason for refusing, then any notes (a typed time of day moved on, a
        timeline made). Numeric dates are read in the order the Date header
        names, else month first unless --order dmy. A row with an Id updates
        that event; one without makes a new event. All accepted rows are written in one
        transaction. --dry-run writes nothing. Exit code 1 when any row was
        refused (the accepted rows are written all the same).
  select FILE [--actors LIST] [--places LIST] [--sources LIST]
         [--keywords LIST] [--from DATE] [--to DATE]
        Prints the ids of the events that Select Events of the event list
        ticks, one per line, in the list's order (by date): events linked to
        one of the names of every LIST given (letter case ignored) and dated
        from --from to --to (both included; by default the earliest and the
        latest event).
  include FILE --timeline NAME [--zoom Z] ID...
        Puts the events on the timeline as Include & Exit does: in date order,
        each right of the latest earlier box, later boxes moved on, all in one
        pass and one transaction. Events already on it stay where they are.
        With --move-from OTHER, the events leave the timeline OTHER as well.
  tag FILE --add|--remove TYPE NAME ID...
        Gives the events the element NAME of TYPE (A actor, P place, S source,
        K keyword; the words do too), made when the project has none, or
        takes it from them, all in one transaction.
  exclude FILE --timeline NAME ID...
        Takes the events off the timeline; they stay in the project.
  delete-event FILE ID
        Deletes the event from the project, with its boxes on every timeline.
  set-picture FILE ID --source S|C|N --name FILE
              [--timeline NAME --width W --height H]
        Gives the event a picture of the standard (S) or the project's own (C)
        library, or none (N, without --name). With --timeline, the picture's
        size on that timeline in twips (more than 30).
  import-pictures FILE --kind I|W PICTURE...
        Copies picture files into the project's own library of event pictures
        (I) or wallpapers (W), replacing files of the same name, and prints the
        names copied. A file that cannot be copied is reported; the others are
        still copied.
  categories FILE [--timeline NAME] list | clear | add TYPE NAME COLOUR
        Lists a timeline's categories in order (type, element name, colour
        as #rrggbb, separated by tabs), removes them all, or adds one at the
        end: events with the element NAME of TYPE (actor, place, source or
        keyword; letter case of NAME ignored) show the colour #rrggbb in
        their name and connector, the first matching category winning.
        Timeline as for export.
  --help
        Shows this text.
  --version
        Shows the version.

Exit codes: 0 done, 1 failure (with a message), 2 bad usage.
)";

} // namespace

Arguments Arguments::parse(const QStringList &args, const QStringList &valueOptions, const QStringList &flags)
{
    Arguments a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == u"--") {
            a.positional += args.mid(i + 1);
            break;
        }
        if (arg.startsWith(u"--") && arg.size() > 2) {
            const QString name = arg.mid(2);
            if (flags.contains(name)) {
                a.options[name] = QString();
                continue;
            }
            if (!valueOptions.contains(name))
                throw UsageError(QStringLiteral("unknown option %1").arg(arg));
            if (i + 1 >= args.size())
                throw UsageError(QStringLiteral("option %1 needs a value").arg(arg));
            a.options[name] = args[++i];
            continue;
        }
        a.positional << arg;
    }
    return a;
}

QString Arguments::option(const QString &name) const
{
    const auto it = options.find(name);
    return it == options.end() ? QString() : it->second;
}

namespace {

// Texts from a project or a document may hold a NUL; it is written as the escape "\0", as fields
// write their tabs and line breaks, so that no line is cut short.
void writeLine(const QString &line, std::FILE *stream)
{
    QString text = line;
    text.replace(QChar(u'\0'), QStringLiteral("\\0"));
    text += u'\n';
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

} // namespace

QString field(const QString &value)
{
    QString s;
    s.reserve(value.size());
    for (QChar c : value) {
        switch (c.unicode()) {
        case u'\\':
            s += QStringLiteral("\\\\");
            break;
        case u'\t':
            s += QStringLiteral("\\t");
            break;
        case u'\r':
            s += QStringLiteral("\\r");
            break;
        case u'\n':
            s += QStringLiteral("\\n");
            break;
        default:
            s += c;
        }
    }
    return s;
}

void out(const QString &line)
{
    writeLine(line, stdout);
}

void err(const QString &line)
{
    writeLine(QStringLiteral("qmtool: ") + line, stderr);
}

} // namespace qmtool

int main(int argc, char *argv[])
{
    using namespace qmtool;
    // Drawing a timeline and reading rich text need fonts, and fonts need a GUI application; those
    // commands run with one, without a window.
    struct Command
    {
        std::string_view name;
        int (*run)(const QStringList &);
        bool needsFonts;
    };
    static constexpr Command commands[] = {
        {"date", cmdDate, false},
        {"new", cmdNew, false},
        {"make-template", cmdMakeTemplate, false},
        {"events", cmdEvents, false},
        {"timelines", cmdTimelines, false},
        {"add-event", cmdAddEvent, true},
        {"export", cmdExport, true},
        {"pages", cmdPages, true},
        {"make-sample", cmdMakeSample, true},
        {"scan", cmdScan, true},
        {"export-events", cmdExportEvents, false},
        {"import-events", cmdImportEvents, true},
        {"boxes", cmdBoxes, true},
        {"compress", cmdCompress, true},
        {"scale", cmdScale, true},
        {"arrange-rows", cmdArrangeRows, true},
        {"ticks", cmdTicks, true},
        {"select", cmdSelect, false},
        {"include", cmdInclude, true},
        {"exclude", cmdExclude, false},
        {"tag", cmdTag, false},
        {"delete-event", cmdDeleteEvent, false},
        {"set-picture", cmdSetPicture, false},
        {"import-pictures", cmdImportPictures, false},
        {"categories", cmdCategories, false},
    };
    const Command *chosen = nullptr;
    if (argc > 1) {
        for (const Command &c : commands) {
            if (c.name == argv[1])
                chosen = &c;
        }
    }
    const bool needsGui = chosen && chosen->needsFonts;
    if (needsGui && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        needsGui ? std::make_unique<QGuiApplication>(argc, argv) : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Quillmarsh"));
    QCoreApplication::setOrganizationName(QStringLiteral("Quillmarsh"));
    if (needsGui)
        qm::installFontSubstitutes();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty() || args.front() == u"--help" || args.front() == u"-h" || args.front() == u"help") {
        std::fputs(Usage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? ExitUsage : ExitDone;
    }
    if (args.front() == u"--version") {
        std::fputs("qmtool " QM_VERSION "\n", stdout);
        return ExitDone;
    }
    const QString command = args.takeFirst();
    try {
        if (!chosen)
            throw UsageError(QStringLiteral("unknown command \"%1\"").arg(command));
        const int rc = chosen->run(args);
        std::fflush(stdout);
        return rc;
    } catch (const UsageError &e) {
        err(QString::fromStdString(e.what()) + QStringLiteral(" (see qmtool --help)"));
        return ExitUsage;
    } catch (const qm::StoreError &e) {
        err(e.text());
        return ExitFailed;
    } catch (const std::exception &e) {
        err(QString::fromStdString(e.what()));
        return ExitFailed;
    }
}
