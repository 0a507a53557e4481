// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <functional>

namespace qm {

// The one connection to an open project file, with the checks that keep non-projects untouched.
class ProjectDatabase
{
public:
    enum class Mode { ReadWrite, ReadOnly };

    // The tables every project holds.
    static const QStringList &tableNames();
    static constexpr int SchemaVersion = 1;
    static constexpr int ApplicationId = 0x514D5031; // "QMP1"

    ProjectDatabase();
    ~ProjectDatabase();
    ProjectDatabase(const ProjectDatabase &) = delete;
    ProjectDatabase &operator=(const ProjectDatabase &) = delete;

    // While another process is changing the project open() waits for it, calling this every 100 ms;
    // false gives up (StoreError). Unset, it waits up to DefaultWriterWaitMs.
    std::function<bool()> whileWaiting;
    static constexpr qint64 DefaultWriterWaitMs = 120000;
    // True while another connection holds the file's write lock: a live writer, not a crashed one.
    static bool isBeingWritten(const QString &path);

    // Opens an existing project; throws NotAProjectError, without writing a byte, when the file is
    // missing, is not an SQLite database or lacks the project tables or columns. A project left with
    // the journal of a crashed writer is rolled back first. Projects made before eras existed gain
    // the EventEra column (read-only: they read as era 0).
    void open(const QString &path, Mode mode = Mode::ReadWrite);
    // Makes a new, empty project file (all tables, no rows); the file must not exist yet.
    void create(const QString &path);
    void close();

    bool isOpen() const;
    bool isReadOnly() const { return mReadOnly; }
    QString path() const { return mPath; }
    QSqlDatabase &db() { return mDb; }

    // True when the table has the column (names compared without case).
    bool hasColumn(const QString &table, const QString &column);

    // Transactions nest: only the outermost one reaches the engine.
    void beginTransaction();
    void commitTransaction();
    void rollbackTransaction();

private:
    void connect(const QString &path, bool readOnly);
    // Opens the file read-only and checks its tables and columns; throws NotAProjectError.
    void checkProject(const QString &path);
    // Refuses, closed, a file made by a newer version or another program, or holding triggers or
    // views; the connection checkProject made stays open for a file that passes.
    void checkOrigin();
    void waitForWriter(const QString &path);
    static bool isProjectOnceRecovered(const QString &path);
    static void removeWalFiles(const QString &path);
    bool eventHasEras();
    bool runControl(const char *sql);
    void registerCollation();
    void execScript(const QStringList &statements);

    QString mConnectionName;
    QSqlDatabase mDb;
    QString mPath;
    bool mReadOnly = false;
    int mTransactionDepth = 0;
    bool mRemoveWalFiles = false;
    QString mLastControlError;
};

// True when the file starts with the SQLite header.
bool hasSqliteHeader(const QString &path);

} // namespace qm
