// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/projectdatabase.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

using qm::ProjectDatabase;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A raw SQLite file made without the program, holding only the given statements.
void makeRawDatabase(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(path);
        ASSERT_TRUE(raw.open());
        QSqlQuery q(raw);
        for (const QString &s : statements)
            ASSERT_TRUE(q.exec(s)) << s.toStdString();
        raw.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

} // namespace

TEST(ProjectDatabase, NewProjectHasEveryTableEmptyAndIsMarkedAsOurs)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    for (const QString &table : ProjectDatabase::tableNames()) {
        qm::SqlQuery q(db, QStringLiteral("SELECT COUNT(*) FROM ") + table);
        q.exec();
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toInt(), 0) << table.toStdString();
    }
    qm::SqlQuery v(db, QStringLiteral("PRAGMA user_version"));
    v.exec();
    ASSERT_TRUE(v.next());
    EXPECT_EQ(v.value(0).toInt(), ProjectDatabase::SchemaVersion);
    qm::SqlQuery a(db, QStringLiteral("PRAGMA application_id"));
    a.exec();
    ASSERT_TRUE(a.next());
    EXPECT_EQ(a.value(0).toInt(), ProjectDatabase::ApplicationId);
    // Column names are matched without case, as the program spells some of them both ways.
    EXPECT_TRUE(db.hasColumn(QStringLiteral("timeline"), QStringLiteral("LABELCAPTION")));
    EXPECT_TRUE(db.hasColumn(QStringLiteral("Format"), QStringLiteral("Timelineid")));
}

TEST(ProjectDatabase, IdsAreNeverHandedOutTwice)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    qm::execSql(db, QStringLiteral("INSERT INTO Event (Name) VALUES ('a')"));
    qm::execSql(db, QStringLiteral("INSERT INTO Event (Name) VALUES ('b')"));
    qm::execSql(db, QStringLiteral("DELETE FROM Event WHERE Id = 2"));
    qm::SqlQuery q(db, QStringLiteral("INSERT INTO Event (Name) VALUES ('c')"));
    q.exec();
    EXPECT_EQ(q.lastInsertId().toInt(), 3);
}

TEST(ProjectDatabase, FilesThatAreNotProjectsAreRefusedAndLeftUnchanged)
{
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.qmp"));
    writeFile(text, "These are my notes, not a project.\n");
    const QString empty = dir.filePath(QStringLiteral("empty.qmp"));
    writeFile(empty, "");
    const QString foreign = dir.filePath(QStringLiteral("foreign.qmp"));
    makeRawDatabase(foreign, {QStringLiteral("CREATE TABLE Recipes (Name TEXT)"),
                              QStringLiteral("INSERT INTO Recipes VALUES ('bread')")});
    const QString truncated = dir.filePath(QStringLiteral("truncated.qmp"));
    writeFile(truncated, QByteArray("SQLite format 3\0", 16) + QByteArray(100, 'x'));

    for (const QString &path : {text, empty, foreign, truncated}) {
        const QByteArray before = qmtest::fileBytes(path);
        ProjectDatabase db;
        try {
            db.open(path);
            ADD_FAILURE() << "opened " << path.toStdString();
        } catch (const qm::NotAProjectError &e) {
            EXPECT_EQ(e.message(), QStringLiteral("This is not a proper Quillmarsh file"));
        }
        EXPECT_FALSE(db.isOpen());
        EXPECT_EQ(qmtest::fileBytes(path), before) << path.toStdString();
        EXPECT_FALSE(QFile::exists(path + QStringLiteral("-journal")));
    }

    const QString missing = dir.filePath(QStringLiteral("missing.qmp"));
    ProjectDatabase db;
    EXPECT_THROW(db.open(missing), qm::NotAProjectError);
    EXPECT_FALSE(QFile::exists(missing)) << "opening must not create the file";
    EXPECT_THROW(db.open(dir.path()), qm::NotAProjectError);
}

TEST(ProjectDatabase, ProjectWithoutErasGainsTheColumnAndReadsAsEraZero)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Old.qmp"));
    QStringList statements = {
        QStringLiteral("CREATE TABLE Event (Id INTEGER PRIMARY KEY AUTOINCREMENT, EventDate REAL, EventDateStr TEXT, "
                       "Name TEXT, Description TEXT, ImageName TEXT, ImageSource TEXT)"),
        QStringLiteral("INSERT INTO Event (EventDate, Name) VALUES (-45000, 'Old event')")};
    for (const QString &table : ProjectDatabase::tableNames()) {
        if (table != u"Event")
            statements << QStringLiteral("CREATE TABLE %1 (x)").arg(table);
    }
    makeRawDatabase(path, statements);

    // Read-only opening changes nothing, not even the missing column.
    const QByteArray before = qmtest::fileBytes(path);
    {
        ProjectDatabase ro;
        ro.open(path, ProjectDatabase::Mode::ReadOnly);
        EXPECT_FALSE(ro.hasColumn(QStringLiteral("Event"), QStringLiteral("EventEra")));
    }
    EXPECT_EQ(qmtest::fileBytes(path), before);

    ProjectDatabase db;
    db.open(path);
    EXPECT_TRUE(db.hasColumn(QStringLiteral("Event"), QStringLiteral("EventEra")));
    qm::SqlQuery q(db, QStringLiteral("SELECT Name FROM Event WHERE EventEra = 0"));
    q.exec();
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("Old event"));
}

TEST(ProjectDatabase, TransactionsRollBackUnlessCommittedAndNest)
{
    qmtest::TempProject t;
    auto &db = t.g.ProjectDb;
    auto count = [&] {
        qm::SqlQuery q(db, QStringLiteral("SELECT COUNT(*) FROM Parms"));
        q.exec();
        q.next();
        return q.value(0).toInt();
    };
    {
        qm::TransactionGuard outer(db);
        qm::execSql(db, QStringLiteral("INSERT INTO Parms VALUES ('a', '1')"));
        {
            qm::TransactionGuard inner(db);
            qm::execSql(db, QStringLiteral("INSERT INTO Parms VALUES ('b', '2')"));
            inner.commit();
        }
        // No commit of the outer one: both rows go.
    }
    EXPECT_EQ(count(), 0);
    try {
        qm::TransactionGuard guard(db);
        qm::execSql(db, QStringLiteral("INSERT INTO Parms VALUES ('a', '1')"));
        qm::execSql(db, QStringLiteral("INSERT INTO NoSuchTable VALUES (1)"));
        guard.commit();
        ADD_FAILURE() << "a bad statement must throw";
    } catch (const qm::StoreError &e) {
        EXPECT_FALSE(e.engineText().isEmpty());
    }
    EXPECT_EQ(count(), 0);
    {
        qm::TransactionGuard guard(db);
        qm::execSql(db, QStringLiteral("INSERT INTO Parms VALUES (?, ?)"), {QStringLiteral("say \"hi\""), 1});
        guard.commit();
    }
    EXPECT_EQ(count(), 1);
}
