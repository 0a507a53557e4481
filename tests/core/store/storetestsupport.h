// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/clformat.h"
#include "store/projectdatabase.h"
#include "store/sqlquery.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <gtest/gtest.h>

namespace qmtest {

// Runs statements on a connection of the test's own, outside the program's checks: a file as another
// program, or an older build, would leave it.
inline void rawExec(const QString &path, const QStringList &statements)
{
    {
        QSqlDatabase raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        raw.setDatabaseName(path);
        ASSERT_TRUE(raw.open());
        QSqlQuery q(raw);
        for (const QString &s : statements)
            ASSERT_TRUE(q.exec(s)) << s.toStdString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
}

// The first column of the first row of a query, read through a connection of its own, so that
// what it sees is what was really committed to the file.
inline QVariant committedValue(const QString &projectPath, const QString &sql, const QVariantList &values = {})
{
    qm::ProjectDatabase second;
    second.open(projectPath, qm::ProjectDatabase::Mode::ReadOnly);
    qm::SqlQuery q(second, sql);
    for (const QVariant &v : values)
        q.bind(v);
    q.exec();
    return q.next() ? q.value(0) : QVariant();
}

inline int committedCount(const QString &projectPath, const QString &sql, const QVariantList &values = {})
{
    return committedValue(projectPath, sql, values).toInt();
}

// The committed rows of a table, or of those meeting a condition.
inline int committedRows(const QString &projectPath, const QString &table, const QString &where = {},
                         const QVariantList &values = {})
{
    const QString sql = QStringLiteral("SELECT COUNT(*) FROM ") + table;
    return committedCount(projectPath, where.isEmpty() ? sql : sql + QStringLiteral(" WHERE ") + where, values);
}

// Every member away from its default, so that a column read into the wrong member shows.
inline qm::clFormat unusualFormat()
{
    qm::clFormat f;
    f.TextBackColor = 0x102030;
    f.TextForeColor = 0x405060;
    f.TextMaxWidth = 4321;
    f.TextMaxHeight = 765;
    f.TextFont = "Georgia \"Pro\"";
    f.TextFontSize = 14;
    f.TextShowBorder = true;
    f.TextSolid = true;
    f.TextBold = false;
    f.TextItalic = true;
    f.DateBackColor = 0x0000FF;
    f.DateForeColor = 0x00FF00;
    f.DateFont = "Arial";
    f.DateFontSize = 9;
    f.DateShowBorder = false;
    f.DateSolid = true;
    f.DateBold = true;
    f.DateItalic = false;
    f.PictureIsCustom = true;
    f.PictureName = "map.png";
    f.PictureWidth = 320;
    f.PictureHeight = 240;
    f.LineVisible = false;
    f.Scheme = 3;
    f.PictureBorderColor = 0x0080FF;
    f.PictureBorderWidth = 40;
    f.LineColor = 0x00FFFF;
    f.LineStyle = qm::clFormat::LineDotted;
    return f;
}

} // namespace qmtest
