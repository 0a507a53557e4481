// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Files from elsewhere: planted database code, foreign or newer files, pictures behind links, and a
// project another program is still writing.
#include "store/picturefiles.h"
#include "store/picturelibrary.h"
#include "store/projectfiles.h"
#include "store/sqlquery.h"
#include "store/storeerror.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(UntrustedProject, PlantedCodeForeignAndNewerFilesAreRefusedUnchanged)
{
    const struct
    {
        const char *sql;
        const char *says;
    } cases[] = {
        {"CREATE TRIGGER rename AFTER INSERT ON Event BEGIN UPDATE Event SET Name = 'x'; END", "trigger rename"},
        {"CREATE VIEW spy AS SELECT * FROM Event", "view spy"},
        {"PRAGMA user_version = 999", "newer version"},
        {"PRAGMA application_id = 42", "not a proper Quillmarsh file"},
    };
    for (const auto &c : cases) {
        qmtest::TempProject t;
        qm::execSql(t.g.ProjectDb, QString::fromUtf8(c.sql));
        t.g.ProjectDb.close();
        const QByteArray before = qmtest::fileBytes(t.projectPath);
        try {
            t.g.ProjectDb.open(t.projectPath);
            ADD_FAILURE() << c.sql << " was opened";
        } catch (const qm::StoreError &e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(c.says), Qt::CaseInsensitive)) << e.text().toStdString();
        }
        EXPECT_FALSE(t.g.ProjectDb.isOpen());
        EXPECT_EQ(qmtest::fileBytes(t.projectPath), before) << c.sql;
    }
}

TEST(UntrustedProject, ALiveWritersJournalIsWaitedForNotTakenForACrash)
{
    qmtest::TempProject t;
    qm::ProjectDatabase &writer = t.g.ProjectDb;
    writer.beginTransaction();
    for (int i = 0; i < 200; ++i)
        qm::execSql(writer, "INSERT INTO Event (Name, EventDate, EventEra) VALUES (?, ?, 0)",
                    {QString(500, u'x'), 1000 + i});
    ASSERT_TRUE(QFileInfo(t.projectPath + "-journal").size() > 0);
    EXPECT_TRUE(qm::ProjectDatabase::isBeingWritten(t.projectPath));

    // Waited for (giving up is the window's test): it opens once the writer has committed.
    qm::ProjectDatabase reader;
    int calls = 0;
    reader.whileWaiting = [&] {
        if (++calls == 3)
            writer.commitTransaction();
        return true;
    };
    reader.open(t.projectPath);
    EXPECT_EQ(calls, 3);
    qm::SqlQuery q(reader, "SELECT count(*) FROM Event");
    q.exec();
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toInt(), 200);
}

TEST(UntrustedProject, PicturesAreNeverReadOrWrittenThroughLinksLeavingTheProject)
{
    qmtest::TempProject t;
    t.g.ProjectFolder = qm::projectFolderOf(t.projectPath);
    ASSERT_TRUE(qm::makeProjectFolders(t.g.ProjectFolder));
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString outside = t.path("outside.png");
    ASSERT_TRUE(image.save(outside));
    const QByteArray outsideBytes = qmtest::fileBytes(outside);
    const QString incoming = t.path("incoming/evil.png");
    QDir().mkpath(t.path("incoming"));
    image.fill(Qt::blue);
    ASSERT_TRUE(image.save(incoming));

    // A picture of the project that links out is neither shown, listed, nor written through.
    ASSERT_TRUE(QFile::link(outside, t.g.ProjectFolder + "Images/evil.png"));
    EXPECT_TRUE(qm::LoadLibraryPicture(t.g, "C", "I", "evil.png").isNull());
    EXPECT_TRUE(qm::libraryFiles(t.g, "C", "I").isEmpty());
    t.g.ProjectDb.close();
    const qmtest::ToolRun one = qmtest::qmtool({"import-pictures", t.projectPath, "--kind", "I", incoming});
    EXPECT_EQ(one.exitCode, 1);
    EXPECT_TRUE(one.err.contains("link")) << one.err.toStdString();
    EXPECT_EQ(qmtest::fileBytes(outside), outsideBytes);

    // A picture folder that is itself a link elsewhere takes nothing in and shows nothing.
    QDir(t.g.ProjectFolder).rename("Walls", "Walls.old");
    QDir().mkpath(t.path("elsewhere"));
    ASSERT_TRUE(image.save(t.path("elsewhere/w.png")));
    ASSERT_TRUE(QFile::link(t.path("elsewhere"), t.g.ProjectFolder + "Walls"));
    EXPECT_TRUE(qm::LoadLibraryPicture(t.g, "C", "W", "w.png").isNull());
    EXPECT_EQ(qmtest::qmtool({"import-pictures", t.projectPath, "--kind", "W", incoming}).exitCode, 1);
    EXPECT_FALSE(QFileInfo::exists(t.path("elsewhere/evil.png")));
}

} // namespace
