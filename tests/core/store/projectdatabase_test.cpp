// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/projectdatabase.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <QFile>

#include "store/cltimeline.h"
#include "store/placements.h"

#include <gtest/gtest.h>

using qm::ProjectDatabase;

TEST(ProjectDatabase, FilesThatAreNotProjectsAreRefusedAndLeftUnchanged)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.qmp");
    ASSERT_TRUE(qmtest::writeFile(text, "These are my notes, not a project.\n"));
    const QString empty = dir.filePath("empty.qmp");
    ASSERT_TRUE(qmtest::writeFile(empty, ""));
    const QString foreign = dir.filePath("foreign.qmp");
    qmtest::rawExec(foreign, {"CREATE TABLE Recipes (Name TEXT)", "INSERT INTO Recipes VALUES ('bread')"});
    const QString truncated = dir.filePath("truncated.qmp");
    ASSERT_TRUE(qmtest::writeFile(truncated, QByteArray("SQLite format 3\0", 16) + QByteArray(100, 'x')));

    for (const QString &path : {text, empty, foreign, truncated}) {
        const QByteArray before = qmtest::fileBytes(path);
        ProjectDatabase db;
        try {
            db.open(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const qm::NotAProjectError &e) {
            EXPECT_EQ(e.message(), "This is not a proper Quillmarsh file");
        }
        EXPECT_FALSE(db.isOpen());
        EXPECT_EQ(qmtest::fileBytes(path), before) << path.toStdString();
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
    }

    const QString missing = dir.filePath("missing.qmp");
    ProjectDatabase db;
    EXPECT_THROW(db.open(missing), qm::NotAProjectError);
    EXPECT_FALSE(QFile::exists(missing)) << "opening must not create the file";
    EXPECT_THROW(db.open(dir.path()), qm::NotAProjectError);
}

TEST(ProjectDatabase, ProjectWithoutErasGainsTheColumnAndReadsAsEraZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Old.qmp");
    {
        ProjectDatabase made;
        made.create(path);
    }
    qmtest::rawExec(
        path, {"DROP INDEX EventByDate", "ALTER TABLE Event DROP COLUMN EventEra",
               "ALTER TABLE TimeLine DROP COLUMN TimeScale", "ALTER TABLE TimeLine DROP COLUMN YearsPerWidth",
               "ALTER TABLE TimeLineEvent DROP COLUMN ScaleTop", "INSERT INTO TimeLine (Name) VALUES ('Old timeline')",
               "INSERT INTO Event (EventDate, Name) VALUES (-45000, 'Old event')"});
    for (const char *table : {"Format", "FormatTL"}) {
        for (const char *column : {"PictureBorderColor", "PictureBorderWidth", "LineColor", "LineStyle"})
            qmtest::rawExec(path, {QStringLiteral("ALTER TABLE %1 DROP COLUMN %2")
                                       .arg(QString::fromLatin1(table), QString::fromLatin1(column))});
    }
    qmtest::rawExec(path, {"INSERT INTO Format (EventId, TimelineId, TextFontSize, LineVisible) VALUES (1, 1, 14, 0)"});

    // Read-only opening changes nothing, and still reads every date as of the plain era.
    const QByteArray before = qmtest::fileBytes(path);
    {
        ProjectDatabase ro;
        ro.open(path, ProjectDatabase::Mode::ReadOnly);
        qm::SqlQuery q(ro, "SELECT Name FROM Event WHERE EventEra = 0 ORDER BY EventEra, EventDate");
        q.exec();
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), "Old event");
        q.finish();
        // Nor has it a scale: in date order.
        qm::clTimeLine t(ro);
        t.Load(1);
        EXPECT_EQ(t.Name, "Old timeline");
        EXPECT_FALSE(t.ToScale);
        EXPECT_TRUE(qm::scaleTops(ro, 1).empty());
        // Nor borders or connector styles: the format reads as it always did.
        qm::clFormat f;
        f.GetFormat(ro, 1, 1);
        EXPECT_TRUE(f.TextFontSize == 14 && !f.LineVisible && f.PictureBorderWidth == 0 &&
                    f.LineStyle == qm::clFormat::LineSolid);
    }
    EXPECT_EQ(qmtest::fileBytes(path), before);
    const qmtest::ToolRun listed = qmtest::qmtool({"events", path});
    EXPECT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains("Old event"));

    ProjectDatabase db;
    db.open(path);
    EXPECT_TRUE(db.hasColumn("Event", "EventEra"));
    EXPECT_TRUE(db.hasColumn("TimeLine", "TimeScale") && db.hasColumn("TimeLineEvent", "ScaleTop"));
    EXPECT_TRUE(db.hasColumn("Format", "LineStyle") && db.hasColumn("FormatTL", "PictureBorderWidth"));
    EXPECT_EQ(qmtest::committedValue(path, "SELECT Name FROM Event WHERE EventEra = 0").toString(), "Old event");
}

TEST(ProjectDatabase, AProjectMissingAColumnIsRefusedUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Broken.qmp");
    {
        ProjectDatabase made;
        made.create(path);
    }
    // Without its era too, so that opening would want to add that column first.
    qmtest::rawExec(path, {"DROP INDEX EventByDate", "ALTER TABLE Event DROP COLUMN EventEra",
                           "ALTER TABLE Event DROP COLUMN Name"});
    const QByteArray before = qmtest::fileBytes(path);
    ProjectDatabase db;
    try {
        db.open(path);
        ADD_FAILURE() << "opened";
    } catch (const qm::NotAProjectError &e) {
        EXPECT_EQ(e.message(), "This is not a proper Quillmarsh file");
        EXPECT_TRUE(e.engineText().contains("Event.Name")) << e.text().toStdString();
    }
    EXPECT_FALSE(db.isOpen());
    EXPECT_EQ(qmtest::fileBytes(path), before);
}

TEST(ProjectDatabase, TransactionsRollBackUnlessCommittedAndNest)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    auto count = [&] { return qmtest::committedRows(t.projectPath, "Parms"); };
    {
        qm::TransactionGuard outer(db);
        qm::execSql(db, "INSERT INTO Parms VALUES ('a', '1')");
        {
            qm::TransactionGuard inner(db);
            qm::execSql(db, "INSERT INTO Parms VALUES ('b', '2')");
            inner.commit();
        }
        // No commit of the outer one: both rows go.
    }
    EXPECT_EQ(count(), 0);
    try {
        qm::TransactionGuard guard(db);
        qm::execSql(db, "INSERT INTO Parms VALUES ('a', '1')");
        qm::execSql(db, "INSERT INTO NoSuchTable VALUES (1)");
        guard.commit();
        ADD_FAILURE() << "a bad statement must throw";
    } catch (const qm::StoreError &e) {
        EXPECT_FALSE(e.engineText().isEmpty());
    }
    EXPECT_EQ(count(), 0);
    {
        qm::TransactionGuard guard(db);
        qm::execSql(db, "INSERT INTO Parms VALUES (?, ?)", {"say \"hi\"", 1});
        guard.commit();
    }
    EXPECT_EQ(count(), 1);
}
