// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Project files as crashes, other programs and other processes leave them.
#include "store/clevent.h"
#include "store/datequeries.h"
#include "store/mdlparms.h"
#include "store/picturelibrary.h"
#include "store/projectdatabase.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "storetestsupport.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using qm::ProjectDatabase;

namespace {

// What a writer killed half way leaves: a file holding part of a big change and the journal that
// undoes it. Made by copying both while the change is still uncommitted.
void leaveCrashedWrite(const QString &source, const QString &crashed)
{
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase("QSQLITE", "writer");
        raw.setDatabaseName(source);
        ASSERT_TRUE(raw.open());
        QSqlQuery q(raw);
        // A tiny cache makes the engine write changed pages into the file before the commit.
        ASSERT_TRUE(q.exec("PRAGMA cache_size = 1"));
        ASSERT_TRUE(q.exec("BEGIN"));
        ASSERT_TRUE(q.exec("CREATE TABLE IF NOT EXISTS Filler (x)"));
        for (int i = 0; i < 300; ++i)
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO Filler VALUES (randomblob(2000))")));
        ASSERT_TRUE(q.exec("UPDATE Event SET Name = 'half written'"));
        ASSERT_TRUE(QFile::copy(source, crashed));
        ASSERT_TRUE(QFile::copy(source + "-journal", crashed + "-journal"));
        ASSERT_GT(QFile(crashed + "-journal").size(), 0);
        q.exec("ROLLBACK");
    }
    QSqlDatabase::removeDatabase("writer");
}

} // namespace

TEST(HostileFiles, AProjectLeftByACrashIsRolledBackAndOpens)
{
    qmtest::TempProject t;
    qmtest::storeEvent(t.g, "3/15/44 BC", "Caesar is murdered");
    t.g.ProjectDb.close();
    const QString crashed = t.path("Crashed.qmp");
    leaveCrashedWrite(t.projectPath, crashed);

    // The read-only tool opens it too, and sees the project as it was before the write.
    const qmtest::ToolRun listed = qmtest::qmtool({"events", crashed});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_TRUE(listed.out.contains("Caesar is murdered")) << listed.out.toStdString();
    EXPECT_FALSE(QFile::exists(crashed + "-journal"));
    EXPECT_EQ(qmtest::committedRows(crashed, "Event", "Name = 'half written'"), 0);
}

TEST(HostileFiles, AForeignDatabaseWithAJournalStaysByteForByte)
{
    QTemporaryDir dir;
    const QString foreign = dir.filePath("foreign.db");
    qmtest::rawExec(foreign,
                    {"CREATE TABLE Event (Id INTEGER PRIMARY KEY, Name TEXT)", "INSERT INTO Event VALUES (1, 'x')"});
    const QString crashed = dir.filePath("crashed.db");
    leaveCrashedWrite(foreign, crashed);
    const QByteArray file = qmtest::fileBytes(crashed);
    const QByteArray journal = qmtest::fileBytes(crashed + "-journal");

    ProjectDatabase db;
    EXPECT_THROW(db.open(crashed), qm::NotAProjectError);
    EXPECT_EQ(qmtest::fileBytes(crashed), file);
    EXPECT_EQ(qmtest::fileBytes(crashed + "-journal"), journal);
}

TEST(HostileFiles, ReadingAWalProjectLeavesNoFilesBehind)
{
    qmtest::TempProject t;
    qmtest::storeEvent(t.g, "7/4/1776", "Declaration");
    t.g.ProjectDb.close();
    qmtest::rawExec(t.projectPath, {"PRAGMA journal_mode = WAL"});
    ASSERT_FALSE(QFile::exists(t.projectPath + "-wal"));

    for (const QStringList &args : {QStringList{"events", t.projectPath}, QStringList{"timelines", t.projectPath}}) {
        const qmtest::ToolRun r = qmtest::qmtool(args);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(t.projectPath + "-wal"));
    EXPECT_FALSE(QFile::exists(t.projectPath + "-shm"));
}

TEST(HostileFiles, DatesOutsideTheCalendarReadAsInvalidAndStillList)
{
    qmtest::TempProject t;
    const qint32 good = qmtest::storeEvent(t.g, "7/4/1776", "Good");
    qm::execSql(t.g.ProjectDb,
                "INSERT INTO Event (EventDate, EventEra, Name) VALUES (1e300, 0, 'Huge'), (-1e300, 0, 'Tiny'), "
                "(x'0102', 0, 'Blob'), ('soon', 0, 'Text'), (40000, 7, 'Odd era'), (NULL, NULL, 'Null')");

    qm::clEvent e(t.g);
    for (qint32 id = good + 1; id <= good + 6; ++id) {
        e.Id = id;
        ASSERT_EQ(e.Load(), id);
        EXPECT_FALSE(e.EventDate->isValid()) << id;
    }
    e.Id = good;
    e.Load();
    EXPECT_EQ(e.EventDate->Render(), "7/4/1776");
    // Such rows take no part in completing a year.
    qm::ExtDate d;
    d.Assign("7/4 BC", t.g.dateEnv());
    EXPECT_EQ(d.Render(), "7/4/1776 BC");

    const qmtest::ToolRun listed = qmtest::qmtool({"events", t.projectPath});
    ASSERT_EQ(listed.exitCode, 0) << listed.err.toStdString();
    EXPECT_EQ(listed.out.count("\tinvalid\t"), 6) << listed.out.toStdString();
    EXPECT_EQ(listed.out.count('\n'), 7);
}

TEST(HostileFiles, ParametersOutOfRangeFallBack)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    const struct
    {
        const char *minDist;
        const char *date;
        const char *era;
        int expectedMinDist;
        const char *expectedDate;
    } cases[] = {
        {"-200", "3/15/9855", "-2", 500, "3/15/44 BC"},
        {"99999999", "1/1/150", "-1", 500, "1/1/2001"},
        {"275", "1/1/9950", "0", 275, "1/1/9950"},
        {"300", "7/4/9950", "-2", 300, "1/1/2001"},
        {"abc", "1/1/9949", "-1", 500, "1/1/50 AD"},
        {"", "not a date", "x", 500, "1/1/2001"},
        {"1200", "7/4/1776 10:05:00 PM", "0", 1200, "7/4/1776 10:05:00 PM"},
    };
    for (const auto &c : cases) {
        qm::mdlParms::SetParm(db, "MinDist", QString::fromUtf8(c.minDist));
        qm::mdlParms::SetParm(db, "DefaultDate", QString::fromUtf8(c.date));
        qm::mdlParms::SetParm(db, "DefaultEra", QString::fromUtf8(c.era));
        const auto p = qm::mdlParms::readParameters(db);
        EXPECT_EQ(p.minDist, c.expectedMinDist) << c.minDist;
        EXPECT_EQ(p.defaultDate.Render(), QString::fromUtf8(c.expectedDate)) << c.date;
    }
}

TEST(HostileFiles, PictureNamesCannotLeaveTheirLibrary)
{
    qmtest::TempProject t;
    t.g.ProjectFolder = t.path("Test/");
    QDir().mkpath(t.g.ProjectFolder + "Images");
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(t.path("secret.png")));
    ASSERT_TRUE(image.save(t.g.ProjectFolder + "Images/own.png"));

    EXPECT_FALSE(qm::LoadLibraryPicture(t.g, "C", "I", "own.png").isNull());
    for (const QString &name :
         QStringList{"../secret.png", "../../secret.png", "..", ".", "a/b.png", "..\\secret.png", ""}) {
        EXPECT_TRUE(qm::LoadLibraryPicture(t.g, "C", "I", name).isNull()) << name.toStdString();
        EXPECT_TRUE(qm::libraryPicturePath(t.g, "C", "W", name).isEmpty()) << name.toStdString();
    }
}

TEST(HostileFiles, ToolOutputKeepsTextAfterANul)
{
    qmtest::TempProject t;
    const qint32 id = qmtest::storeEvent(t.g, "7/4/1776", "before");
    qm::execSql(t.g.ProjectDb, "UPDATE Event SET Name = 'before' || char(0) || 'after' WHERE Id = ?", {id});
    const qmtest::ToolRun listed = qmtest::qmtool({"events", t.projectPath});
    EXPECT_TRUE(listed.out.contains("before\\0after\t")) << listed.out.toStdString();
}

// Two processes adding events to one project at once, all on the same day: every call succeeds and
// each event gets a day of its own.
TEST(HostileFiles, ConcurrentWritersQueueAndNeverShareADay)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("Shared.qmp");
    ASSERT_EQ(qmtest::qmtool({"new", file}).exitCode, 0);
    constexpr int PerWriter = 12;
    QString failures;
    auto writer = [&](const QString &who) {
        auto *p = new QProcess;
        QStringList script;
        for (int i = 0; i < PerWriter; ++i)
            script << QStringLiteral("\"$0\" add-event \"$1\" --date 1/1/2000 --name %1%2 --timeline Timeline0 || "
                                     "exit 1")
                          .arg(who)
                          .arg(i);
        p->start("sh", {"-c", script.join('\n'), QStringLiteral(QM_QMTOOL), file});
        return p;
    };
    QProcess *a = writer("a");
    QProcess *b = writer("b");
    for (QProcess *p : {a, b}) {
        ASSERT_TRUE(p->waitForFinished(300000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
        delete p;
    }
    EXPECT_EQ(qmtest::committedRows(file, "Event"), 2 * PerWriter);
    EXPECT_EQ(qmtest::committedCount(file, "SELECT COUNT(DISTINCT EventDate) FROM Event"), 2 * PerWriter);
    EXPECT_EQ(qmtest::committedRows(file, "TimeLineEvent"), 2 * PerWriter);
}
