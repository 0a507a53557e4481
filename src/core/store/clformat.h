// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariantList>

#include <unordered_map>
#include <utility>
#include <vector>

namespace qm {

class ProjectDatabase;

// The look of one event box (name label, date label, picture, connector) on one timeline, or a
// timeline's default look when stored without an event.
class clFormat
{
public:
    qint32 TextBackColor = 0xFFFFFF;
    qint32 TextForeColor = 0;
    int TextMaxWidth = 5000;
    int TextMaxHeight = 1000;
    QString TextFont = QStringLiteral("Book Antiqua");
    int TextFontSize = 10;
    bool TextShowBorder = false;
    bool TextSolid = false;
    bool TextBold = false;
    bool TextItalic = false;
    qint32 DateBackColor = 0xFFFFFF;
    qint32 DateForeColor = 0;
    QString DateFont = QStringLiteral("Book Antiqua");
    int DateFontSize = 8;
    bool DateShowBorder = false;
    bool DateSolid = false;
    bool DateBold = false;
    bool DateItalic = false;
    bool PictureIsCustom = false;
    QString PictureName;
    int PictureWidth = 200;
    int PictureHeight = 200;
    bool LineVisible = true;
    int Scheme = 1;
    // Kept in columns that older files lack (read there as these defaults): the picture's border,
    // width in twips at full size (0: none), and the connector's colour and style.
    qint32 PictureBorderColor = 0;
    int PictureBorderWidth = 0;
    qint32 LineColor = 0;
    enum LineStyles { LineSolid = 0, LineDashed = 1, LineDotted = 2 };
    int LineStyle = LineSolid;

    void Eq(const clFormat &other) { *this = other; }
    // Every member but PictureName back to its default.
    void GetDefault();
    // The stored format of the event on the timeline (eventId < 1: the timeline's default format),
    // or the defaults when none is stored.
    void GetFormat(ProjectDatabase &db, qint32 eventId, qint32 timelineId);
    // The Format rows of every event of a timeline at once, read as GetFormat reads each.
    static std::unordered_map<qint32, clFormat> GetEventFormats(ProjectDatabase &db, qint32 timelineId);
    // Stores the format under the same key as GetFormat reads it, creating its row when needed.
    void Save(ProjectDatabase &db, qint32 eventId, qint32 timelineId) const;
    // Save of many events' formats on one timeline, in one transaction.
    static void SaveEventFormats(ProjectDatabase &db, qint32 timelineId,
                                 const std::vector<std::pair<qint32, clFormat>> &formats);

    friend bool operator==(const clFormat &, const clFormat &) = default;

private:
    QVariantList columnValues() const;
    void setColumnValues(const QVariantList &values);
    // The stored columns the file's table has, in the order of columnValues().
    static QStringList columnsOf(ProjectDatabase &db, const QString &table);
};

} // namespace qm
