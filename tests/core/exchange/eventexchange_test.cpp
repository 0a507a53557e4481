// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/storetestsupport.h"
#include "dates/platformdate.h"
#include "edit/canvascommand.h"
#include "exchange/eventexport.h"
#include "exchange/eventimport.h"
#include "kit/fakemeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using qm::ImportAction;

namespace {

const QString Header =
    QStringLiteral("Id,Date (month/day/year),Displayed as,Name,Description,Actors,Places,Sources,Keywords,Picture,"
                   "Picture source,Timelines\r\n");

struct Exchange : ::testing::Test
{
    qmtest::TempProject p;
    qmtest::FakeMeasurer measurer;

    QString exported(qint32 timeline = 0) { return QString::fromUtf8(qm::eventsCsv(p.g.ProjectDb, timeline)); }

    // Read as the command-line tool reads a sheet whose header names no order: month first.
    std::unique_ptr<qm::EventImport> importing(const QString &text, bool chooseMonthFirst = true)
    {
        auto import = std::make_unique<qm::EventImport>(p.g, measurer, qm::CsvDocument::parseText(text));
        if (chooseMonthFirst && import->plan().dateOrderSource != qm::SheetOrderSource::Header)
            import->chooseDateOrder(qm::DateOrder::MonthFirst);
        return import;
    }

    static QStringList actions(const qm::ImportPlan &plan)
    {
        QStringList list;
        for (const qm::ImportRow &r : plan.rows)
            list << qm::previewLine(r);
        return list;
    }

    qm::clEvent stored(qint32 id) { return *qm::loadEventAside(p.g, id); }

    QVariant committedValue(const QString &sql, const QVariantList &values = {})
    {
        return qmtest::committedValue(p.projectPath, sql, values);
    }

    int committed(const QString &table, const QString &where = {}, const QVariantList &values = {})
    {
        return qmtest::committedRows(p.projectPath, table, where, values);
    }
};

} // namespace

TEST_F(Exchange, ExportWritesEveryEventAsTheProgramReadsItBack)
{
    const qint32 caesar = qmtest::storeEvent(p.g, "3/15/44 BC", "Caesar, \"the\" dictator", "Caesar, Brutus");
    const qint32 early = qmtest::storeEvent(p.g, "6/1/33 AD", "Early\r\nline");
    const qint32 timed = qmtest::storeEvent(p.g, "7/4/1776 14:30:05", "Declaration");
    const QString csv = QString::fromUtf8(qm::eventsCsv(p.g.ProjectDb));
    EXPECT_TRUE(qm::eventsCsv(p.g.ProjectDb).startsWith("\xEF\xBB\xBF"));
    const QStringList lines = csv.split(QStringLiteral("\r\n"));
    ASSERT_GE(lines.size(), 4);
    EXPECT_EQ(lines[0] + "\r\n", QString(Header).replace(",Displayed", ",Ends,Displayed"));
    EXPECT_EQ(lines[1], QStringLiteral("%1,\"3/15/44 BC\",\"\",\"3/15/44 BC\",\"Caesar, \"\"the\"\" dictator\",\"\","
                                       "\"Brutus, Caesar\",\"\",\"\",\"\",\"Im0.gif\",\"S\",\"\"")
                            .arg(caesar));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("%1,\"6/1/33 AD\"").arg(early)));
    EXPECT_TRUE(csv.contains("\"Early\r\nline\""));
    EXPECT_TRUE(csv.contains(QStringLiteral("%1,\"7/4/1776 2:30:05 PM\"").arg(timed)));

    // Every one of them comes back unchanged: dates of every era and times read back exactly.
    const auto import = importing(csv);
    EXPECT_EQ(actions(import->plan()), (QStringList{QStringLiteral("2\tunchanged\t%1").arg(caesar),
                                                    QStringLiteral("3\tunchanged\t%1").arg(early),
                                                    QStringLiteral("4\tunchanged\t%1").arg(timed)}));
    EXPECT_FALSE(import->plan().writesAnything());
}

TEST_F(Exchange, EditedSheetUpdatesByIdAndAddsNewRows)
{
    QList<qint32> ids;
    for (int i = 1; i <= 5; ++i)
        ids << qmtest::storeEvent(p.g, QStringLiteral("1/%1/1900").arg(i), QStringLiteral("Event %1").arg(i));
    QString csv = exported();
    for (const int i : {1, 3, 5})
        csv.replace(QStringLiteral("\"Event %1\"").arg(i), QStringLiteral("\"Renamed %1\"").arg(i));
    csv += QStringLiteral(",\"2/1/1900\",,,\"Added A\",,\"Foch\",,,,,,\r\n,\"2/2/1900\",,,\"Added B\",,,,,,,,\r\n");

    const auto import = importing(csv);
    const qm::ImportPlan &plan = import->plan();
    EXPECT_EQ(plan.count(ImportAction::Update), 3);
    EXPECT_EQ(plan.count(ImportAction::New), 2);
    EXPECT_EQ(plan.count(ImportAction::Unchanged), 2);
    ASSERT_TRUE(import->apply());
    EXPECT_EQ(committed("Event"), 7);
    EXPECT_EQ(committed("Event", "Name = 'Renamed 3' AND Id = ?", {ids[2]}), 1);
    const qint32 added = import->plan().rows[5].eventId;
    EXPECT_GT(added, ids.last());
    EXPECT_EQ(stored(added).Actors, "Foch");

    // Unchanged once more: nothing to write.
    EXPECT_FALSE(importing(exported())->plan().writesAnything());
}

TEST_F(Exchange, SpreadsheetShapedFilesAreRead)
{
    const qint32 id = qmtest::storeEvent(p.g, "7/4/1776", "Declaration", "Jefferson");
    // Columns in another order and spelled in another case, most of them missing, ";" between them.
    const QString text = QStringLiteral("name;ID;keywords\r\n\"Declaration\";%1;\"independence\"\r\n"
                                        "\"Without a date\";;\r\n")
                             .arg(id);
    const auto import = importing(text);
    EXPECT_EQ(actions(import->plan()), (QStringList{QStringLiteral("2\tupdate\t%1").arg(id),
                                                    QStringLiteral("3\trefused\ta new event needs a date")}));
    ASSERT_TRUE(import->apply());
    // Columns the sheet lacks keep what was stored.
    const qm::clEvent e = stored(id);
    EXPECT_EQ(e.Actors, "Jefferson");
    EXPECT_EQ(e.Keywords, "independence");
    EXPECT_EQ(e.EventDateStr, "7/4/1776");
}

TEST_F(Exchange, RefusedRowsSayWhyAndTheOthersGoIn)
{
    const qint32 id = qmtest::storeEvent(p.g, "1/1/1900", "Kept");
    const QString text = Header + QStringLiteral(",\"3/1/1900\",,\"First\",,,,,,,,\r\n"
                                                 ",\"31/2/1900\",,\"Bad date\",,,,,,,,\r\n"
                                                 ",\"3/2/1900\",,\"\",,,,,,,,\r\n"
                                                 ",\"3/3/1900\",,\"%1\",,,,,,,,\r\n"
                                                 "999,\"3/4/1900\",,\"Ghost\",,,,,,,,\r\n"
                                                 "x1,\"3/4/1900\",,\"Ghost\",,,,,,,,\r\n"
                                                 ",\"3/5/1900\",,\"Wide\",,,,,,,,,extra\r\n"
                                                 ",\"3/6/1900\",,\"Picture\",,,,,,,X,\r\n"
                                                 "%2,,,\"Kept\",,,,,,,,\r\n"
                                                 "%2,,,\"Again\",,,,,,,,\r\n"
                                                 ",\"3/7/1900\",,\"Last\",,,,,,,,\r\n")
                                      .arg(QString(256, u'n'))
                                      .arg(id);
    const auto import = importing(text);
    EXPECT_EQ(actions(import->plan()),
              (QStringList{"2\tnew\t-", "3\trefused\tunreadable date \"31/2/1900\"", "4\trefused\tthe name is empty",
                           "5\trefused\tthe name is longer than 255 characters", "6\trefused\tthere is no event 999",
                           "7\trefused\tthe id \"x1\" is not an event number",
                           "8\trefused\t13 cells, but the first row names 12 columns",
                           "9\trefused\tunknown picture source \"X\" (S, C or N for none)",
                           QStringLiteral("10\tunchanged\t%1").arg(id),
                           QStringLiteral("11\trefused\tevent %1 is already in row 10").arg(id), "12\tnew\t-"}));
    ASSERT_TRUE(import->apply());
    EXPECT_EQ(committed("Event"), 3);
}

TEST_F(Exchange, TakenDaysKeepTheirDayAndOnlyATypedTimeMovesOn)
{
    qmtest::storeEvent(p.g, "7/4/1776", "Declaration");
    qmtest::storeEvent(p.g, "7/5/1776", "Day after");
    const auto import = importing(QStringLiteral("Date,Name\r\n7/4/1776,Copy\r\n7/4/1776,Second copy\r\n"
                                                 "7/5/1776 0:00,Timed\r\n"));
    EXPECT_EQ(
        actions(import->plan()),
        (QStringList{"2\tnew\t-", "3\tnew\t-", "4\tnew\t-\ttime moved to 7/5/1776 12:01:00 AM: 7/5/1776 is taken"}));
    ASSERT_TRUE(import->apply());
    EXPECT_EQ(committed("Event", "EventDateStr = '7/4/1776' AND Name = 'Second copy' AND EventDate > ?",
                        {*qm::platformdate::makeValue(1776, 7, 4, 0, 1, 0)}),
              1);
}

TEST_F(Exchange, ASheetMeansTheSameToEveryReader)
{
    p.g.dateOrder = qm::DateOrder::DayFirst;
    const qint32 bastille = qmtest::storeEvent(p.g, "14/7/1789", "Bastille");
    const qint32 night = qmtest::storeEvent(p.g, "4/8/1789", "Night of 4 August");
    const QString dayFirst = QString::fromUtf8(qm::eventsCsv(p.g.ProjectDb, 0, nullptr, qm::DateOrder::DayFirst));
    EXPECT_TRUE(dayFirst.contains("Date (day/month/year)"));
    EXPECT_TRUE(dayFirst.contains(QStringLiteral("%1,\"4/8/1789\"").arg(night)));

    // A month-first reader reads it by its header: nothing changes.
    p.g.dateOrder = qm::DateOrder::MonthFirst;
    const auto back = importing(dayFirst, false);
    EXPECT_EQ(back->plan().dateOrderSource, qm::SheetOrderSource::Header);
    EXPECT_EQ(actions(back->plan()), (QStringList{QStringLiteral("2\tunchanged\t%1").arg(bastille),
                                                  QStringLiteral("3\tunchanged\t%1").arg(night)}));

    // Without the header the column shows its order, or else a date that reads two ways waits for a choice.
    const auto detected = importing("Date,Name\r\n4/8/1790,A\r\n13/7/1790,B\r\n", false);
    EXPECT_EQ(detected->plan().dateOrderSource, qm::SheetOrderSource::Detected);
    EXPECT_EQ(detected->plan().dateOrder, qm::DateOrder::DayFirst);
    EXPECT_EQ(detected->plan().rows[0].date.Render(qm::DateOrder::MonthFirst), "8/4/1790");
    const auto unknown = importing("Date,Name\r\n4/8/1790,A\r\n5/5/1790,B\r\n", false);
    EXPECT_EQ(actions(unknown->plan()),
              (QStringList{"2\trefused\tthe date \"4/8/1790\" reads two ways: choose the order of the sheet's dates",
                           "3\tnew\t-"}));
    unknown->chooseDateOrder(qm::DateOrder::DayFirst);
    EXPECT_EQ(unknown->plan().count(ImportAction::New), 2);
    EXPECT_EQ(unknown->plan().rows[0].date.Render(qm::DateOrder::DayFirst), "4/8/1790");
    EXPECT_EQ(unknown->plan().rows[0].dateStr, "4/8/1790");
}

TEST_F(Exchange, ColumnsAreProposedFromTheirNamesAndChosenInThePreview)
{
    const QString text = QStringLiteral("Title,When,Who,Colour\r\nLodi,5/10/1796,Bonaparte,red\r\n");
    qm::ColumnMapping earlier;
    earlier.choices.insert("colour", "Keywords");
    auto import = std::make_unique<qm::EventImport>(p.g, measurer, qm::CsvDocument::parseText(text),
                                                    qm::ImportDefaults{}, earlier);
    import->chooseDateOrder(qm::DateOrder::MonthFirst);
    QStringList fields;
    for (const qm::SheetColumn &c : import->plan().columns)
        fields << c.header + u'=' + c.field;
    EXPECT_EQ(fields, (QStringList{"Title=Name", "When=Date", "Who=Actors", "Colour=Keywords"}));
    EXPECT_EQ(import->plan().rows[0].actors, "Bonaparte");

    // The user reads "Who" as places instead, and leaves "Colour" out.
    import->chooseColumn(2, "Places");
    import->chooseColumn(3, QString());
    EXPECT_EQ(import->plan().rows[0].places, "Bonaparte");
    EXPECT_EQ(import->plan().rows[0].actors, QString());
    EXPECT_EQ(import->plan().ignoredColumns, QStringList{"Colour"});
    ASSERT_TRUE(import->apply());
    EXPECT_EQ(committed("Event", "Name = 'Lodi'"), 1);

    // A column only proposed for a field another one names is left out; one named twice is an error.
    EXPECT_EQ(importing("Name,Title,Date\r\nA,B,1/1/1800\r\n")->plan().ignoredColumns, QStringList{"Title"});
    EXPECT_FALSE(importing("Name,name,Date\r\nA,B,1/1/1800\r\n")->plan().fileError.isEmpty());
}

TEST_F(Exchange, ImportIsOneStepThatUndoesAndRedoes)
{
    const qint32 kept = qmtest::storeEvent(p.g, "1/1/1900", "Old name", "Foch");
    qm::clTimeLine t(p.g.ProjectDb);
    t.Name = "Main, with comma";
    const qint32 main = t.Save();
    const QString text = QStringLiteral("Id,Date,Name,Actors,Timelines\r\n"
                                        "%1,,New name,\"Foch, Joffre\",\"Main, with comma\"\r\n"
                                        ",1/2/1900,Fresh,Pétain,\"main, with comma, Fronts\"\r\n")
                             .arg(kept);
    const auto import = importing(text);
    EXPECT_EQ(import->plan().newTimelines, QStringList{"Fronts"});
    const QByteArray before = qm::eventsCsv(p.g.ProjectDb);
    const int elementsBefore = committed("Element");

    ASSERT_TRUE(import->apply());
    const qint32 fresh = import->plan().rows[1].eventId;
    const qint32 fronts = committedValue("SELECT Id FROM TimeLine WHERE Name = 'Fronts'").toInt();
    ASSERT_GT(fronts, 0);
    EXPECT_EQ(committed("TimeLineEvent", "TimeLineId = ?", {main}), 2);
    EXPECT_EQ(committed("TimeLineEvent", "TimeLineId = ? AND EventId = ?", {fronts, fresh}), 1);
    EXPECT_EQ(committed("Format", "TimelineId = ?", {main}), 2);
    // Placed in date order, as an insertion does: the earlier event stands left of the later one.
    EXPECT_LT(committedValue("SELECT BoxLeft FROM TimeLineEvent WHERE EventId = ?", {kept}).toDouble(),
              committedValue("SELECT BoxLeft FROM TimeLineEvent WHERE TimeLineId = ? AND EventId = ?", {main, fresh})
                  .toDouble());
    const QByteArray after = qm::eventsCsv(p.g.ProjectDb);

    import->revert();
    EXPECT_EQ(qm::eventsCsv(p.g.ProjectDb), before);
    EXPECT_EQ(committed("TimeLine"), 1);
    EXPECT_EQ(committed("TimeLineEvent") + committed("Format") + committed("FormatTL", "TimelineId = ?", {fronts}), 0);
    EXPECT_EQ(committed("Element"), elementsBefore);

    ASSERT_TRUE(import->apply());
    EXPECT_EQ(qm::eventsCsv(p.g.ProjectDb), after);
    EXPECT_EQ(committed("Event", "Id = ? AND Name = 'Fresh'", {fresh}), 1);
}

TEST_F(Exchange, StoppedOrStaleImportsKeepNothing)
{
    qmtest::storeEvent(p.g, "1/1/1900", "Old");
    const QString text = QStringLiteral("Date,Name\r\n1/2/1900,A\r\n1/3/1900,B\r\n");
    const auto stopped = importing(text);
    EXPECT_FALSE(stopped->apply([](int done, int) { return done < 2; }));
    EXPECT_EQ(committed("Event"), 1);

    // Another writer took a date after the preview: the import would no longer do what it showed.
    const auto stale = importing(text);
    qmtest::storeEvent(p.g, "1/3/1900", "Meanwhile");
    EXPECT_THROW(stale->apply(), qm::StoreError);
    EXPECT_EQ(committed("Event"), 2);
}

TEST_F(Exchange, PeriodsKeepTheirEndsAndAnEndBeforeItsStartIsRefused)
{
    qm::clEvent terror(p.g);
    terror.EventDate->Assign("9/5/1793");
    terror.EventDateStr = "1793";
    terror.EndDate.emplace();
    terror.EndDate->Assign("7/27/1794");
    terror.Name = "Terror";
    const qint32 id = terror.Save();
    const qint32 moment = qmtest::storeEvent(p.g, "7/14/1789", "Bastille");
    // An end no calendar has, as a file made elsewhere may hold, is written empty and kept.
    qm::execSql(p.g.ProjectDb, "UPDATE Event SET EndDate = 1e300, EndEra = 0 WHERE Id = ?", {moment});

    // Day first as its header says, the end in the same order; a point event's end stays empty.
    QString csv = QString::fromUtf8(qm::eventsCsv(p.g.ProjectDb, 0, nullptr, qm::DateOrder::DayFirst));
    EXPECT_TRUE(csv.contains(QStringLiteral("Id,Date (day/month/year),Ends,Displayed as,")));
    EXPECT_TRUE(csv.contains(QStringLiteral("%1,\"14/7/1789\",\"\",").arg(moment)));
    EXPECT_TRUE(csv.contains(QStringLiteral("%1,\"5/9/1793\",\"27/7/1794\",\"1793\"").arg(id)));
    EXPECT_FALSE(importing(csv, false)->plan().writesAnything());

    csv.replace("\"27/7/1794\"", "\"1/1/1790\"");
    EXPECT_EQ(actions(importing(csv, false)->plan())[1], "3\trefused\tthe end 1/1/1790 lies before the start 5/9/1793");
    // A sheet without the column keeps the end; an empty cell makes the period a moment.
    const QString withoutEnds = QStringLiteral("Id,Name\r\n%1,Reign of Terror\r\n").arg(id);
    ASSERT_TRUE(importing(withoutEnds)->apply());
    EXPECT_EQ(committed("Event", "Id = ? AND EndDate IS NOT NULL", {id}), 1);
    const auto cleared = importing(QStringLiteral("Id,Ends\r\n%1,\r\n").arg(id));
    ASSERT_TRUE(cleared->apply());
    EXPECT_EQ(committed("Event", "Id = ? AND EndDate IS NULL AND Name = 'Reign of Terror'", {id}), 1);
    cleared->revert();
    EXPECT_EQ(stored(id).EndDate->Render(), "7/27/1794");
}
