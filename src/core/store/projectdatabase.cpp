// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectdatabase.h"

#include "sqlquery.h"
#include "storeerror.h"
#include "textrule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlRecord>

#include <sqlite3.h>

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
    "LineVisible INTEGER, Scheme INTEGER");

QStringList schemaStatements()
{
    return {
        QStringLiteral("CREATE TABLE Event (Id INTEGER PRIMARY KEY AUTOINCREMENT, EventDate REAL, "
                       "EventEra INTEGER DEFAULT 0, EventDateStr TEXT, Name TEXT, Description TEXT, "
                       "ImageName TEXT, ImageSource TEXT)"),
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
                       "ImageName TEXT, WallSource TEXT, WallName TEXT, UseWallpaper INTEGER)"),
        QStringLiteral("CREATE TABLE TimeLineEvent (TimeLineId INTEGER, EventId INTEGER, BoxLeft REAL, "
                       "BoxTop REAL)"),
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
    mDb.setConnectOptions(readOnly ? QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000")
                                   : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!mDb.open()) {
        const QString err = mDb.lastError().text();
        close();
        throw NotAProjectError(NotAProject, err);
    }
    mPath = path;
    mReadOnly = readOnly;
    registerCollation();
}

void ProjectDatabase::registerCollation()
{
    const QVariant handle = mDb.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw StoreError(QStringLiteral("The database driver gives no SQLite handle"));
    auto *sqlite = *static_cast<sqlite3 *const *>(handle.constData());
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

    connect(path, true);
    QStringList missing;
    try {
        for (const QString &table : tableNames()) {
            SqlQuery q(*this, QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? "
                                             "COLLATE NOCASE"));
            q.bind(table).exec();
            if (!q.next())
                missing << table;
        }
    } catch (const StoreError &e) {
        close();
        throw NotAProjectError(NotAProject, e.engineText());
    }
    if (!missing.isEmpty()) {
        close();
        throw NotAProjectError(NotAProject, QStringLiteral("missing tables: ") + missing.join(QStringLiteral(", ")));
    }
    if (mode == Mode::ReadOnly)
        return;

    close();
    connect(path, false);
    // The engine quietly opens a file it may not write as read-only; every change would then fail.
    const QVariant handle = mDb.driver()->handle();
    if (sqlite3_db_readonly(*static_cast<sqlite3 *const *>(handle.constData()), "main") == 1) {
        close();
        throw StoreError(QStringLiteral("The project file cannot be changed (it is read-only or on a read-only "
                                        "disk)"),
                         QDir::toNativeSeparators(path));
    }
    try {
        if (!hasColumn(QStringLiteral("Event"), QStringLiteral("EventEra")))
            execSql(*this, QStringLiteral("ALTER TABLE Event ADD COLUMN EventEra INTEGER DEFAULT 0"));
    } catch (const StoreError &e) {
        close();
        throw NotAProjectError(NotAProject, e.engineText());
    }
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
    }
    mPath.clear();
    mReadOnly = false;
    mTransactionDepth = 0;
}

bool ProjectDatabase::hasColumn(const QString &table, const QString &column)
{
    return mDb.record(table).indexOf(column) >= 0;
}

void ProjectDatabase::beginTransaction()
{
    if (mTransactionDepth++ == 0 && !mDb.transaction()) {
        mTransactionDepth = 0;
        throw StoreError(QStringLiteral("Cannot start a transaction"), mDb.lastError().text());
    }
}

void ProjectDatabase::commitTransaction()
{
    if (mTransactionDepth == 0)
        return;
    if (--mTransactionDepth == 0 && !mDb.commit()) {
        const QString err = mDb.lastError().text();
        mDb.rollback();
        throw StoreError(QStringLiteral("Cannot commit the changes"), err);
    }
}

void ProjectDatabase::rollbackTransaction()
{
    if (mTransactionDepth == 0)
        return;
    if (--mTransactionDepth == 0)
        mDb.rollback();
}

} // namespace qm
