// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventformatcommand.h"

#include "layout/timelinecanvas.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/sqlquery.h"

namespace qm {

void copyLabelLook(const clFormat &from, clFormat &to)
{
    to.TextBackColor = from.TextBackColor;
    to.TextForeColor = from.TextForeColor;
    to.TextFont = from.TextFont;
    to.TextFontSize = from.TextFontSize;
    to.TextShowBorder = from.TextShowBorder;
    to.TextSolid = from.TextSolid;
    to.TextBold = from.TextBold;
    to.TextItalic = from.TextItalic;
    to.DateBackColor = from.DateBackColor;
    to.DateForeColor = from.DateForeColor;
    to.DateFont = from.DateFont;
    to.DateFontSize = from.DateFontSize;
    to.DateShowBorder = from.DateShowBorder;
    to.DateSolid = from.DateSolid;
    to.DateBold = from.DateBold;
    to.DateItalic = from.DateItalic;
    to.LineVisible = from.LineVisible;
    to.PictureBorderColor = from.PictureBorderColor;
    to.PictureBorderWidth = from.PictureBorderWidth;
    to.LineColor = from.LineColor;
    to.LineStyle = from.LineStyle;
}

EventFormatCommand::EventFormatCommand(TimelineCanvas &canvas, std::vector<qint32> ids, const clFormat &look,
                                       bool makeDefault, const QString &text)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, text), mIds(std::move(ids)), mMakeDefault(makeDefault),
      mBefore(QStringLiteral("Format"), QStringLiteral("TimelineId = ? AND EventId = ?")),
      mDefaultBefore(QStringLiteral("FormatTL"), QStringLiteral("TimelineId = ?"))
{
    QList<QVariantList> keys;
    const std::unordered_map<qint32, clFormat> stored = clFormat::GetEventFormats(db(), timelineId());
    for (const qint32 id : mIds) {
        keys.append(QVariantList{timelineId(), id});
        const auto it = stored.find(id);
        clFormat f = it == stored.end() ? clFormat() : it->second;
        copyLabelLook(look, f);
        mAfter.emplace_back(id, f);
    }
    mBefore.read(db(), keys);
    if (mMakeDefault) {
        mDefaultBefore.read(db(), QList<QVariantList>{QVariantList{timelineId()}});
        mDefaultAfter.GetFormat(db(), 0, timelineId());
        copyLabelLook(look, mDefaultAfter);
    }
}

void EventFormatCommand::redo()
{
    TransactionGuard guard(db());
    clFormat::SaveEventFormats(db(), timelineId(), mAfter);
    if (mMakeDefault)
        mDefaultAfter.Save(db(), 0, timelineId());
    guard.commit();
    show();
}

void EventFormatCommand::undo()
{
    TransactionGuard guard(db());
    mBefore.restore(db());
    if (mMakeDefault)
        mDefaultBefore.restore(db());
    guard.commit();
    show();
}

void EventFormatCommand::show()
{
    Globals &gl = g();
    // The timeline record the window keeps must not write the old default back later.
    if (mMakeDefault && gl.CurTimeLine && gl.CurTimeLine->Id == timelineId())
        gl.CurTimeLine->DefaultFormat.GetFormat(db(), 0, timelineId());
    if (!shown())
        return;
    const std::unordered_map<qint32, clFormat> stored = clFormat::GetEventFormats(db(), timelineId());
    TimelineCanvas &c = canvas();
    for (const qint32 id : mIds) {
        const auto it = stored.find(id);
        if (!c.IsOnCanvas(id))
            continue;
        const clFormat f = it == stored.end() ? clFormat() : it->second;
        c.LoadUple(id).ApplyFormat(f);
        if (gl.SelectedId == id && gl.CurFormat)
            gl.CurFormat->Eq(f);
    }
    layoutChanged();
}

} // namespace qm
