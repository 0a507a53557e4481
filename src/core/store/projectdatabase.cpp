// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectdatabase.h"

#include "sqlquery.h"
#include "storeerror.h"
#include "textrule.h"

#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QThread>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>

namespace qm {

namespace {

const QString NotAProject = QStringLiteral("This is not a proper Quillmarsh file");

const QString FormatColumns = QStringLiteral(
    "TimelineId INTEGER, TextBackColor INTEGER, TextForeColor INTEGER, TextMaxWidth INTEGER, "
    "TextMaxHeight INTEGER, TextFont TEXT, TextFontSize INTEGER, TextShowBorder INTEGER, TextSolid INTEGER, "
    "TextBold INTEGER, TextItalic INTEGER, DateBackColor INTEGER, DateForeColor INTEGER, DateFont TEXT, "
    "DateFontSize INTEGER, DateShowBorder INTEGER, DateSolid INTEGER, DateBold INTEGER, DateItalic INTEGER, "
    "PictureIsCustom INTEGER, PictureName TEXT, PictureWidth INTEGER, PictureHeight INTEGER, "
    "LineVisible INTEGER, Scheme INTEGER, PictureBorderColor INTEGER, PictureBorderWidth INTEGER, LineColor INTEGER, "
    "LineStyle INTEGER");

QStringList schemaStatements()
{
    return {
        QStringLiteral("CREATE TABLE Event (Id INTEGER PRIMARY KEY AUTOINCREMENT, EventDate REAL, "
                       "EventEra INTEGER DEFAULT 0, EventDateStr TEXT, Name TEXT, Description TEXT, "
                       "ImageName TEXT, ImageSource TEXT, EndDate REAL, EndEra INTEGER)"),
        QStringLiteral("CREATE INDEX EventByDate ON Event (EventEra, EventDate)"),
        QStringLiteral("CREATE INDEX EventByStoredDate ON Event (EventDate)"),
        QStringLiteral("CREATE TABLE Element (Id INTEGER PRIMARY KEY AUTOINCREMENT, ElementType TEXT, "
                       "ElementName TEXT)"),
        QStringLiteral("CREATE INDEX ElementByType ON Element (ElementType)"),
        QStringLiteral("CREATE TABLE EventElement (EventId INTEGER, ElementType TEXT, ElementId INTEGER)"),
        QStringLiteral("CREATE INDEX EventElementByEvent ON EventElement (EventId)"),
        QStringLiteral("CREATE INDEX EventElementByElement ON EventElement (ElementId)"),
        QStringLiteral("CREATE TABLE TimeLine (Id INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT, Description TEXT, "
                       "ForceDefault INTEGER, BackColor INTEGER, LabelCaption TEXT, LabelFont TEXT, "
                       "LabelFontSize TEXT, LabelSolid INTEGER, LabelShowBorder INTEGER, LabelBold INTEGER, "
                       "LabelItalic INTEGER, LabelBackColor INTEGER, LabelForeColor INTEGER, SubCaption TEXT, "
                       "SubFont TEXT, SubFontSize TEXT, SubSolid INTEGER, SubShowBorder INTEGER, SubBold INTEGER, "
                       "SubItalic INTEGER, SubBackColor INTEGER, SubForeColor INTEGER, ImageSource TEXT, "
                       "ImageName TEXT, WallSource TEXT, WallName TEXT, UseWallpaper INTEGER, TimeScale INTEGER, "
                       "YearsPerWidth REAL)"),
        QStringLiteral("CREATE TABLE TimeLineEvent (TimeLineId INTEGER, EventId INTEGER, BoxLeft REAL, "
                       "BoxTop REAL, ScaleTop REAL)"),
        QStringLiteral("CREATE INDEX TimeLineEventByTimeLine ON TimeLineEvent (TimeLineId, EventId)"),
        QStringLiteral("CREATE TABLE Format (EventId INTEGER, ") + FormatColumns + u')',
        QStringLiteral("CREATE INDEX FormatByTimeLine ON Format (TimelineId, EventId)"),
        QStringLiteral("CREATE TABLE FormatTL (") + FormatColumns + u')',
        QStringLiteral("CREATE INDEX FormatTLByTimeLine ON FormatTL (TimelineId)"),
        QStringLiteral("CREATE TABLE Parms (ParmName TEXT, ParmValue TEXT)"),
        QStringLiteral("PRAGMA user_version = %1").arg(ProjectDatabase::SchemaVersion),
        QStringLiteral("PRAGMA application_id = %1").arg(ProjectDatabase::ApplicationId),
    };
}

// The columns of every table as the schema creates them; EventEra is the one an older project may lack.
QMap<QString, QStringList> schemaColumns()
{
    QMap<QString, QStringList> columns;
    for (const QString &sql : schemaStatements()) {
        if (!sql.startsWith(u"CREATE TABLE "))
            continue;
        const qsizetype open = sql.indexOf(u'(');
        const QString table = sql.mid(13, open - 13).trimmed();
        const QString body = sql.mid(open + 1, sql.lastIndexOf(u')') - open - 1);
        QStringList names;
        for (const QString &column : body.split(u','))
            names << column.trimmed().section(u' ', 0, 0);
        columns.insert(table, names);
    }
    return columns;
}

// Columns added after files were first made, all nullable: written by this build whenever it may write,
// and read as absent (null) from files that lack them, so that older builds still read newer files.
struct LaterColumn
{
    const char16_t *table;
    const char16_t *column;
    const char16_t *type;
};
constexpr LaterColumn LaterColumns[] = {
    {u"TimeLine", u"TimeScale", u"INTEGER"},
    {u"TimeLine", u"YearsPerWidth", u"REAL"},
    {u"TimeLineEvent", u"ScaleTop", u"REAL"},
    {u"Event", u"EndDate", u"REAL"},
    {u"Event", u"EndEra", u"INTEGER"},
    {u"Format", u"PictureBorderColor", u"INTEGER"},
    {u"Format", u"PictureBorderWidth", u"INTEGER"},
    {u"Format", u"LineColor", u"INTEGER"},
    {u"Format", u"LineStyle", u"INTEGER"},
    {u"FormatTL", u"PictureBorderColor", u"INTEGER"},
    {u"FormatTL", u"PictureBorderWidth", u"INTEGER"},
    {u"FormatTL", u"LineColor", u"INTEGER"},
    {u"FormatTL", u"LineStyle", u"INTEGER"},
};

bool isOptionalColumn(const QString &table, const QString &column)
{
    if (table == u"Event" && column == u"EventEra")
        return true;
    return std::any_of(std::begin(LaterColumns), std::end(LaterColumns),
                       [&](const LaterColumn &c) { return table == c.table && column == c.column; });
}

QString journalOf(const QString &path)
{
    return path + QStringLiteral("-journal");
}

// A journal left by a writer that died: the engine rolls it back, but only through a connection that
// may write, which a file that is not ours must never get.
bool hasJournal(const QString &path)
{
    return QFileInfo(journalOf(path)).size() > 0;
}

sqlite3 *sqliteHandle(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw StoreError(QStringLiteral("The database driver gives no SQLite handle"));
    return *static_cast<sqlite3 *const *>(handle.constData());
}

int compareNoCase(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    const QStringView va(static_cast<const QChar *>(a), lengthA / 2);
    const QStringView vb(static_cast<const QChar *>(b), lengthB / 2);
    return textrule::compareNames(va, vb);
}

QString nextConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("quillmarsh-project-%1").arg(++counter);
}

} // namespace

const QStringList &ProjectDatabase::tableNames()
{
    static const QStringList names = {QStringLiteral("Event"),         QStringLiteral("Element"),
                                      QStringLiteral("EventElement"),  QStringLiteral("TimeLine"),
                                      QStringLiteral("TimeLineEvent"), QStringLiteral("Format"),
                                      QStringLiteral("FormatTL"),      QStringLiteral("Parms")};
    return names;
}

bool hasSqliteHeader(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    static const QByteArray header("SQLite format 3\0", 16);
    return f.read(16) == header;
}

ProjectDatabase::ProjectDatabase() : mConnectionName(nextConnectionName()) {}

ProjectDatabase::~ProjectDatabase()
{
    close();
}

bool ProjectDatabase::isOpen() const
{
    return mDb.isValid() && mDb.isOpen();
}

void ProjectDatabase::connect(const QString &path, bool readOnly)
{
    mDb = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), mConnectionName);
    mDb.setDatabaseName(path);
    // Another writer (the window and qmtool on one file) is waited for, not failed on.
    mDb.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=10000")
                                   : QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    // A read-only connection to a WAL project makes -wal and -shm files it cannot remove itself.
    mRemoveWalFiles = readOnly && !QFileInfo::exists(path + QStringLiteral("-wal")) &&
                      !QFileInfo::exists(path + QStringLiteral("-shm"));
    if (!mDb.open()) {
        const QString err = mDb.lastError().text();
        close();
        throw NotAProjectError(NotAProject, err);
    }
    mPath = path;
    mReadOnly = readOnly;
    // A project file comes from anywhere: what its schema holds (triggers, views, defaults) never
    // runs functions with side effects, and nothing may write the schema behind the engine's back.
    sqlite3 *sqlite = sqliteHandle(mDb);
    sqlite3_db_config(sqlite, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
    sqlite3_db_config(sqlite, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
    registerCollation();
}

void ProjectDatabase::registerCollation()
{
    sqlite3 *sqlite = sqliteHandle(mDb);
    if (sqlite3_create_collation_v2(sqlite, textrule::Collation, SQLITE_UTF16_ALIGNED, nullptr, &compareNoCase,
                                    nullptr) != SQLITE_OK)
        throw StoreError(QStringLiteral("Cannot register the name collation"),
                         QString::fromUtf8(sqlite3_errmsg(sqlite)));
}

void ProjectDatabase::open(const QString &path, Mode mode)
{
    close();
    // Checked before the engine sees the file: it would create a missing one, and it must not
    // touch one that is not ours.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        throw NotAProjectError(NotAProject, QStringLiteral("no such file"));
    if (!hasSqliteHeader(path))
        throw NotAProjectError(NotAProject, QStringLiteral("not an SQLite database"));

    // A journal beside the file is either a live writer's (another program is changing the project)
    // or a crashed one's; only a journal whose writer is gone may be rolled back or copied.
    if (hasJournal(path))
        waitForWriter(path);
    try {
        checkProject(path);
    } catch (const NotAProjectError &) {
        if (!hasJournal(path) || !isProjectOnceRecovered(path))
            throw;
        // A project left by a crash: the first read of a writing connection rolls the journal back.
        connect(path, false);
        try {
            SqlQuery(*this, QStringLiteral("SELECT count(*) FROM sqlite_master")).exec();
        } catch (const StoreError &e) {
            close();
            throw StoreError(QStringLiteral("The project was left unfinished by a crash and cannot be recovered"),
                             e.engineText());
        }
        close();
        checkProject(path);
    }
    const bool hasEras = eventHasEras();
    if (mode == Mode::ReadOnly) {
        // Older projects are read as they are, their dates all of the plain era.
        if (!hasEras)
            execSql(*this, QStringLiteral("CREATE TEMP VIEW Event AS SELECT *, 0 AS EventEra FROM main.Event"));
        return;
    }

    close();
    connect(path, false);
    // The engine quietly opens a file it may not write as read-only; every change would then fail.
    if (sqlite3_db_readonly(sqliteHandle(mDb), "main") == 1) {
        close();
        throw StoreError(QStringLiteral("The project file cannot be changed (it is read-only or on a read-only "
                                        "disk)"),
                         QDir::toNativeSeparators(path));
    }
    // Every change needs a journal beside the file.
    if (!QFileInfo(info.absolutePath()).isWritable()) {
        close();
        throw StoreError(QStringLiteral("The project cannot be changed: the folder that holds it is read-only"),
                         QDir::toNativeSeparators(info.absolutePath()));
    }
    if (!hasEras) {
        try {
            execSql(*this, QStringLiteral("ALTER TABLE Event ADD COLUMN EventEra INTEGER DEFAULT 0"));
        } catch (const StoreError &e) {
            close();
            throw StoreError(QStringLiteral("The project cannot be brought up to date"), e.engineText());
        }
    }
    try {
        for (const LaterColumn &c : LaterColumns) {
            const QString table = QString::fromUtf16(c.table);
            const QString column = QString::fromUtf16(c.column);
            if (!hasColumn(table, column))
                execSql(
                    *this,
                    QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3").arg(table, column, QString::fromUtf16(c.type)));
        }
    } catch (const StoreError &e) {
        close();
        throw StoreError(QStringLiteral("The project cannot be brought up to date"), e.engineText());
    }
}

void ProjectDatabase::checkProject(const QString &path)
{
    connect(path, true);
    QStringList missing;
    try {
        const QMap<QString, QStringList> columns = schemaColumns();
        for (auto it = columns.cbegin(); it != columns.cend(); ++it) {
            SqlQuery q(*this, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? "
                                             "COLLATE NOCASE"));
            q.bind(it.key()).exec();
            if (!q.next()) {
                missing << QStringLiteral("table ") + it.key();
                continue;
            }
            q.finish();
            for (const QString &column : it.value()) {
                if (!isOptionalColumn(it.key(), column) && !hasColumn(it.key(), column))
                    missing << it.key() + u'.' + column;
            }
        }
    } catch (const StoreError &e) {
        close();
        throw NotAProjectError(NotAProject, e.engineText());
    }
    if (!missing.isEmpty()) {
        close();
        throw NotAProjectError(NotAProject, QStringLiteral("missing ") + missing.join(QStringLiteral(", ")));
    }
    checkOrigin();
}

void ProjectDatabase::checkOrigin()
{
    int version = 0;
    int application = 0;
    QStringList planted;
    try {
        SqlQuery v(*this, QStringLiteral("PRAGMA user_version"));
        v.exec();
        version = v.next() ? v.value(0).toInt() : 0;
        v.finish();
        SqlQuery a(*this, QStringLiteral("PRAGMA application_id"));
        a.exec();
        application = a.next() ? a.value(0).toInt() : 0;
        a.finish();
        // This program makes tables and indexes only: anything else would run on its writes.
        SqlQuery q(*this, QStringLiteral("SELECT type, name FROM sqlite_master WHERE type NOT IN ('table', 'index') "
                                         "ORDER BY type, name"));
        q.exec();
        while (q.next())
            planted << q.value(0).toString() + u' ' + q.value(1).toString();
    } catch (const StoreError &e) {
        close();
        throw NotAProjectError(NotAProject, e.engineText());
    }
    if (application == 0 || application == ApplicationId) {
        if (version <= SchemaVersion && planted.isEmpty())
            return;
    }
    close();
    if (application != 0 && application != ApplicationId)
        throw NotAProjectError(NotAProject, QStringLiteral("the file belongs to another program"));
    if (version > SchemaVersion)
        throw StoreError(QStringLiteral("This project was made by a newer version of Quillmarsh and cannot be opened "
                                        "by this one"),
                         QStringLiteral("version %1").arg(version));
    if (!planted.isEmpty())
        throw StoreError(QStringLiteral("This project holds database code that Quillmarsh does not make, so it is not "
                                        "opened (nothing in it was changed)"),
                         planted.join(QStringLiteral(", ")));
}

bool ProjectDatabase::isBeingWritten(const QString &path)
{
    // The engine's own test for a live writer: someone holds the reserved lock of the file. Asked
    // through the engine so that the locks of this process's other connections stay as they are.
    sqlite3 *raw = nullptr;
    bool held = false;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_file *file = nullptr;
        if (sqlite3_file_control(raw, "main", SQLITE_FCNTL_FILE_POINTER, &file) == SQLITE_OK && file &&
            file->pMethods) {
            int reserved = 0;
            held = file->pMethods->xCheckReservedLock(file, &reserved) == SQLITE_OK && reserved != 0;
        }
    }
    sqlite3_close(raw);
    return held;
}

void ProjectDatabase::waitForWriter(const QString &path)
{
    QElapsedTimer waited;
    waited.start();
    bool told = false;
    while (isBeingWritten(path)) {
        if (!whileWaiting && !told) {
            qInfo().noquote() << QStringLiteral("Waiting for another program that is changing this project…");
            told = true;
        }
        if (whileWaiting ? !whileWaiting() : waited.elapsed() > DefaultWriterWaitMs)
            throw StoreError(QStringLiteral("Another program is changing this project; it was not opened. Try again "
                                            "when that program has finished"));
        QThread::msleep(100);
    }
}

bool ProjectDatabase::isProjectOnceRecovered(const QString &path)
{
    // The file and its journal are recovered as copies, so that a file that is not a project stays
    // exactly as it was.
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString copy = dir.filePath(QStringLiteral("check.qmp"));
    if (!QFile::copy(path, copy) || !QFile::copy(journalOf(path), journalOf(copy)))
        return false;
    ProjectDatabase probe;
    try {
        probe.connect(copy, false);
        SqlQuery(probe, QStringLiteral("SELECT count(*) FROM sqlite_master")).exec();
        probe.close();
        probe.checkProject(copy);
    } catch (const StoreError &) {
        return false;
    }
    return true;
}

bool ProjectDatabase::eventHasEras()
{
    return hasColumn(QStringLiteral("Event"), QStringLiteral("EventEra"));
}

void ProjectDatabase::create(const QString &path)
{
    close();
    if (QFileInfo::exists(path))
        throw StoreError(QStringLiteral("Cannot create a project over an existing file"), path);
    connect(path, false);
    try {
        TransactionGuard guard(*this);
        execScript(schemaStatements());
        guard.commit();
    } catch (...) {
        close();
        QFile::remove(path);
        throw;
    }
}

void ProjectDatabase::execScript(const QStringList &statements)
{
    for (const QString &sql : statements)
        execSql(*this, sql);
}

void ProjectDatabase::close()
{
    if (mDb.isValid()) {
        mDb.close();
        mDb = QSqlDatabase();
        QSqlDatabase::removeDatabase(mConnectionName);
        if (mRemoveWalFiles)
            removeWalFiles(mPath);
    }
    mRemoveWalFiles = false;
    mPath.clear();
    mReadOnly = false;
    mTransactionDepth = 0;
}

bool ProjectDatabase::hasColumn(const QString &table, const QString &column)
{
    return mDb.record(table).indexOf(column) >= 0;
}

void ProjectDatabase::removeWalFiles(const QString &path)
{
    // The engine removes them when the last connection that may write closes; a file we may not
    // write keeps them, as it would have without us.
    if (!QFileInfo::exists(path + QStringLiteral("-wal")) || !QFileInfo(path).isWritable())
        return;
    sqlite3 *raw = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(raw, 1000);
        sqlite3_exec(raw, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    sqlite3_close(raw);
}

bool ProjectDatabase::runControl(const char *sql)
{
    QSqlQuery q(mDb);
    const bool ok = q.exec(QString::fromLatin1(sql));
    if (!ok)
        mLastControlError = q.lastError().text();
    return ok;
}

void ProjectDatabase::beginTransaction()
{
    if (mTransactionDepth++ > 0)
        return;
    // A write transaction takes the write lock at once: one that reads first and writes later could
    // not get it while another process writes, and would fail instead of waiting its turn.
    if (!runControl(mReadOnly ? "BEGIN" : "BEGIN IMMEDIATE")) {
        mTransactionDepth = 0;
        throw StoreError(QStringLiteral("Cannot start a transaction"), mLastControlError);
    }
}

void ProjectDatabase::commitTransaction()
{
    if (mTransactionDepth == 0)
        return;
    if (--mTransactionDepth == 0 && !runControl("COMMIT")) {
        const QString err = mLastControlError;
        runControl("ROLLBACK");
        throw StoreError(QStringLiteral("Cannot commit the changes"), err);
    }
}

void ProjectDatabase::rollbackTransaction()
{
    if (mTransactionDepth == 0)
        return;
    if (--mTransactionDepth == 0)
        runControl("ROLLBACK");
}

} // namespace qm
