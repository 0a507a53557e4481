// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "lookcommands.h"

#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/sqlquery.h"
#include "store/storedvalues.h"

namespace qm {

namespace {

const QString FormatCondition = QStringLiteral("TimelineId = ? AND EventId = ?");

// The box shows the format the file holds for it now.
void showStoredFormat(TimelineCanvas &canvas, qint32 id, qint32 timelineId)
{
    Globals &g = canvas.globals();
    if (!canvas.IsOnCanvas(id))
        return;
    clFormat f;
    f.GetFormat(g.ProjectDb, id, timelineId);
    canvas.LoadUple(id).ApplyFormat(f);
    if (g.SelectedId == id && g.CurFormat)
        g.CurFormat->Eq(f);
}

} // namespace

PasteFormatCommand::PasteFormatCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const clFormat &format,
                                       const QString &text)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, text), mIds(std::move(ids)), mFormat(format)
{
    for (const qint32 id : mIds)
        mBefore.push_back(RowSnapshot::matching(db(), QStringLiteral("Format"), FormatCondition, {timelineId(), id}));
}

void PasteFormatCommand::redo()
{
    TransactionGuard guard(db());
    for (const qint32 id : mIds)
        mFormat.Save(db(), id, timelineId());
    guard.commit();
    showFormats();
}

void PasteFormatCommand::undo()
{
    TransactionGuard guard(db());
    for (const RowSnapshot &rows : mBefore)
        rows.restore(db());
    guard.commit();
    showFormats();
}

void PasteFormatCommand::showFormats()
{
    if (!shown())
        return;
    for (const qint32 id : mIds)
        showStoredFormat(canvas(), id, timelineId());
    layoutChanged();
}

EventPictureCommand::EventPictureCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const QString &source,
                                         const QString &name, std::optional<PictureLook> look, const QString &text)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, text), mSource(source), mName(name), mLook(look)
{
    for (const qint32 id : ids) {
        Before b;
        b.id = id;
        SqlQuery q(db(), QStringLiteral("SELECT ImageSource, ImageName FROM Event WHERE Id = ?"));
        q.bind(id).exec();
        // An event deleted while a window still named it gets nothing: no format row for a dead id.
        if (!q.next())
            continue;
        b.source = q.value(0);
        b.name = q.value(1);
        q.finish();
        mIds.push_back(id);
        if (mLook)
            b.format = RowSnapshot::matching(db(), QStringLiteral("Format"), FormatCondition, {timelineId(), id});
        mBefore.push_back(std::move(b));
    }
}

void EventPictureCommand::redo()
{
    if (mIds.empty()) {
        setObsolete(true);
        return;
    }
    TransactionGuard guard(db());
    for (const qint32 id : mIds) {
        execSql(db(), QStringLiteral("UPDATE Event SET ImageSource = ?, ImageName = ? WHERE Id = ?"),
                {storedvalues::fromText(mSource), storedvalues::fromText(mName), id});
        if (mLook) {
            clFormat f;
            f.GetFormat(db(), id, timelineId());
            f.PictureWidth = mLook->width;
            f.PictureHeight = mLook->height;
            f.LineVisible = mLook->lineVisible;
            f.Save(db(), id, timelineId());
        }
    }
    guard.commit();
    showPictures();
}

void EventPictureCommand::undo()
{
    TransactionGuard guard(db());
    for (const Before &b : mBefore) {
        execSql(db(), QStringLiteral("UPDATE Event SET ImageSource = ?, ImageName = ? WHERE Id = ?"),
                {b.source, b.name, b.id});
        b.format.restore(db());
    }
    guard.commit();
    showPictures();
}

void EventPictureCommand::showPictures()
{
    if (!shown())
        return;
    TimelineCanvas &c = canvas();
    for (const qint32 id : mIds) {
        if (!c.IsOnCanvas(id))
            continue;
        SqlQuery q(db(), QStringLiteral("SELECT ImageSource, ImageName FROM Event WHERE Id = ?"));
        q.bind(id).exec();
        clUple unit = c.LoadUple(id);
        if (q.next())
            unit.ApplyPicture(q.value(0).toString(), q.value(1).toString());
        q.finish();
        unit.Arrange();
        if (mLook)
            showStoredFormat(c, id, timelineId());
    }
    layoutChanged();
}

DefaultPictureCommand::DefaultPictureCommand(TimelineCanvas &canvas, qint32 timelineId, const QString &source,
                                             const QString &name, const QString &text)
    : CanvasCommand(canvas, timelineId, text), mSource(source), mName(name)
{
    SqlQuery q(db(), QStringLiteral("SELECT ImageSource, ImageName FROM TimeLine WHERE Id = ?"));
    q.bind(timelineId).exec();
    if (q.next()) {
        mSourceBefore = q.value(0);
        mNameBefore = q.value(1);
    }
}

void DefaultPictureCommand::redo()
{
    apply(storedvalues::fromText(mSource), storedvalues::fromText(mName));
}

void DefaultPictureCommand::undo()
{
    apply(mSourceBefore, mNameBefore);
}

void DefaultPictureCommand::apply(const QVariant &source, const QVariant &name)
{
    execSql(db(), QStringLiteral("UPDATE TimeLine SET ImageSource = ?, ImageName = ? WHERE Id = ?"),
            {source, name, timelineId()});
    // The record the window keeps must not write the old default back with its next save.
    Globals &gl = g();
    if (gl.CurTimeLine && gl.CurTimeLine->Id == timelineId()) {
        gl.CurTimeLine->ImageSource = source.toString();
        gl.CurTimeLine->ImageName = name.toString();
    }
}

BackdropCommand::BackdropCommand(TimelineCanvas &canvas, qint32 timelineId, const Backdrop &after, const QString &text)
    : CanvasCommand(canvas, timelineId, text), mBefore(stored(canvas.globals().ProjectDb, timelineId)), mAfter(after)
{}

Backdrop BackdropCommand::stored(ProjectDatabase &db, qint32 timelineId)
{
    clTimeLine t(db);
    t.Load(timelineId);
    return Backdrop{t.UseWallpaper, t.WallSource, t.WallName, t.BackColor};
}

void BackdropCommand::redo()
{
    apply(mAfter);
}

void BackdropCommand::undo()
{
    apply(mBefore);
}

void BackdropCommand::apply(const Backdrop &b)
{
    execSql(db(),
            QStringLiteral("UPDATE TimeLine SET UseWallpaper = ?, WallSource = ?, WallName = ?, BackColor = ? "
                           "WHERE Id = ?"),
            {storedvalues::fromBool(b.useWallpaper), storedvalues::fromText(b.wallSource),
             storedvalues::fromText(b.wallName), b.backColor, timelineId()});
    if (!shown())
        return;
    Globals &gl = g();
    if (gl.CurTimeLine && gl.CurTimeLine->Id == timelineId()) {
        gl.CurTimeLine->UseWallpaper = b.useWallpaper;
        gl.CurTimeLine->WallSource = b.wallSource;
        gl.CurTimeLine->WallName = b.wallName;
        gl.CurTimeLine->BackColor = b.backColor;
    }
    CanvasModel &m = canvas().model();
    m.backColor = b.backColor;
    m.wallpaper =
        b.useWallpaper ? canvas().pictures().picture(gl, b.wallSource, QStringLiteral("W"), b.wallName) : QImage();
    m.useWallpaper = !m.wallpaper.isNull();
    layoutChanged();
}

} // namespace qm
