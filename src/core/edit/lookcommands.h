// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvascommand.h"
#include "store/clformat.h"
#include "store/rowsnapshot.h"

#include <optional>
#include <vector>

namespace qm {

// One format given to boxes of a timeline (Paste format, Paste format to all). Undo puts back the
// formats they had, stored or not.
class PasteFormatCommand : public CanvasCommand
{
public:
    PasteFormatCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const clFormat &format, const QString &text);

    void redo() override;
    void undo() override;

private:
    void showFormats();

    std::vector<qint32> mIds;
    clFormat mFormat;
    std::vector<RowSnapshot> mBefore;
};

// The size of an event's picture on the timeline and whether its connector shows, as the picture
// chooser sets them.
struct PictureLook
{
    int width = 0;
    int height = 0;
    bool lineVisible = true;
};

// One picture given to events (the picture chooser, Paste picture, Paste picture to all), with its
// size on the timeline when the chooser set one. Undo gives each event its old picture back. Events
// that no longer exist are left out; with none left, the command does nothing and is dropped.
class EventPictureCommand : public CanvasCommand
{
public:
    EventPictureCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const QString &source, const QString &name,
                        std::optional<PictureLook> look, const QString &text);

    void redo() override;
    void undo() override;

private:
    struct Before
    {
        qint32 id = 0;
        QVariant source;
        QVariant name;
        RowSnapshot format;
    };
    void showPictures();

    std::vector<qint32> mIds;
    QString mSource;
    QString mName;
    std::optional<PictureLook> mLook;
    std::vector<Before> mBefore;
};

// The picture new events of a timeline get: source and name, or "No picture".
class DefaultPictureCommand : public CanvasCommand
{
public:
    DefaultPictureCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &source, const QString &name,
                          const QString &text);

    void redo() override;
    void undo() override;

private:
    void apply(const QVariant &source, const QVariant &name);

    QVariant mSourceBefore;
    QVariant mNameBefore;
    QString mSource;
    QString mName;
};

// What lies behind a timeline: a colour or a tiled wallpaper.
struct Backdrop
{
    bool useWallpaper = false;
    QString wallSource;
    QString wallName;
    qint32 backColor = 0;

    friend bool operator==(const Backdrop &, const Backdrop &) = default;
};

// A timeline's backdrop changed (Select Wallpaper, Select Color).
class BackdropCommand : public CanvasCommand
{
public:
    BackdropCommand(TimelineCanvas &canvas, qint32 timelineId, const Backdrop &after, const QString &text);

    void redo() override;
    void undo() override;
    // The backdrop the timeline has in the file.
    static Backdrop stored(ProjectDatabase &db, qint32 timelineId);

private:
    void apply(const Backdrop &b);

    Backdrop mBefore;
    Backdrop mAfter;
};

} // namespace qm
