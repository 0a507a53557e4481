// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "editlabelcommand.h"

#include "layout/cluple.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"
#include "store/clevent.h"
#include "store/cltimeline.h"
#include "store/globals.h"
#include "store/sqlquery.h"

#include <QCoreApplication>

namespace qm {

namespace {

const CanvasLabel *labelOf(const CanvasModel &m, LabelKind kind, qint32 id)
{
    switch (kind) {
    case LabelKind::Title:
        return &m.lblLabel;
    case LabelKind::Subtitle:
        return &m.lblSub;
    case LabelKind::Name:
    case LabelKind::Date:
        if (const CanvasBox *b = m.box(id))
            return kind == LabelKind::Name ? &b->name : &b->date;
    }
    return nullptr;
}

QString captionFor(LabelKind kind, const QString &name)
{
    switch (kind) {
    case LabelKind::Title:
        return QCoreApplication::translate("EditLabelCommand", "edit of the title");
    case LabelKind::Subtitle:
        return QCoreApplication::translate("EditLabelCommand", "edit of the subtitle");
    case LabelKind::Name:
        return QCoreApplication::translate("EditLabelCommand", "edit of %1").arg(name);
    case LabelKind::Date:
        return QCoreApplication::translate("EditLabelCommand", "edit of the date of %1").arg(name);
    }
    return {};
}

bool hasFormatRow(ProjectDatabase &db, qint32 eventId, qint32 timelineId)
{
    SqlQuery q(db, QStringLiteral("SELECT 1 FROM Format WHERE TimelineId = ? AND EventId = ?"));
    q.bind(timelineId).bind(eventId).exec();
    return q.next();
}

} // namespace

LabelLook lookOf(const TimelineCanvas &canvas, LabelKind kind, qint32 id)
{
    LabelLook look;
    const CanvasLabel *label = labelOf(canvas.model(), kind, id);
    if (!label)
        return look;
    const double zoom = canvas.globals().Zoom;
    look.text = label->caption;
    look.font = label->font;
    look.font.size = zoom > 0 ? label->font.size / zoom : label->font.size;
    look.foreColor = label->foreColor;
    look.backColor = label->backColor;
    look.solid = label->solid;
    look.border = label->border;
    return look;
}

EditLabelCommand::EditLabelCommand(TimelineCanvas &canvas, LabelKind kind, qint32 eventId, const LabelLook &before,
                                   const LabelLook &after)
    : CanvasCommand(canvas, canvas.globals().CurTimeLineId, QString()), mKind(kind), mEventId(eventId), mBefore(before),
      mAfter(after)
{
    if (kind == LabelKind::Name || kind == LabelKind::Date) {
        mHadFormat = hasFormatRow(db(), eventId, timelineId());
        mFormatBefore.GetFormat(db(), eventId, timelineId());
        mFormatAfter = mFormatBefore;
        const bool name = kind == LabelKind::Name;
        (name ? mFormatAfter.TextFont : mFormatAfter.DateFont) = after.font.name;
        (name ? mFormatAfter.TextFontSize : mFormatAfter.DateFontSize) = roundToInt16(after.font.size);
        (name ? mFormatAfter.TextBold : mFormatAfter.DateBold) = after.font.bold;
        (name ? mFormatAfter.TextItalic : mFormatAfter.DateItalic) = after.font.italic;
        (name ? mFormatAfter.TextSolid : mFormatAfter.DateSolid) = after.solid;
        (name ? mFormatAfter.TextShowBorder : mFormatAfter.DateShowBorder) = after.border;
        (name ? mFormatAfter.TextForeColor : mFormatAfter.DateForeColor) = after.foreColor;
        (name ? mFormatAfter.TextBackColor : mFormatAfter.DateBackColor) = after.backColor;
    }
    const std::unique_ptr<clEvent> event = mEventId > 0 ? loadEventAside(g(), mEventId) : nullptr;
    setText(captionFor(kind, event ? event->Name : QString()));
}

void EditLabelCommand::redo()
{
    apply(mAfter, true);
}

void EditLabelCommand::undo()
{
    apply(mBefore, false);
}

void EditLabelCommand::writeTitle(const LabelLook &look)
{
    // The shown timeline's record is the one the window saves later: it has to carry the change.
    std::unique_ptr<clTimeLine> other;
    clTimeLine *t = g().CurTimeLine && g().CurTimeLine->Id == timelineId() ? g().CurTimeLine.get() : nullptr;
    if (!t) {
        other = std::make_unique<clTimeLine>(db());
        other->Load(timelineId());
        if (other->Id != timelineId())
            return;
        t = other.get();
    }
    const clTimeLine kept = *t;
    const QString size = QString::number(look.font.size);
    if (mKind == LabelKind::Title) {
        t->LabelCaption = look.text;
        t->LabelFont = look.font.name;
        t->LabelFontSize = size;
        t->LabelBold = look.font.bold;
        t->LabelItalic = look.font.italic;
        t->LabelSolid = look.solid;
        t->LabelShowBorder = look.border;
        t->LabelForeColor = look.foreColor;
        t->LabelBackColor = look.backColor;
    } else {
        t->SubCaption = look.text;
        t->SubFont = look.font.name;
        t->SubFontSize = size;
        t->SubBold = look.font.bold;
        t->SubItalic = look.font.italic;
        t->SubSolid = look.solid;
        t->SubShowBorder = look.border;
        t->SubForeColor = look.foreColor;
        t->SubBackColor = look.backColor;
    }
    try {
        t->Save();
    } catch (...) {
        *t = kept;
        throw;
    }
}

void EditLabelCommand::apply(const LabelLook &look, bool after)
{
    if (mKind == LabelKind::Title || mKind == LabelKind::Subtitle) {
        writeTitle(look);
        if (shown())
            canvas().refreshTitles();
        return;
    }

    const bool name = mKind == LabelKind::Name;
    {
        TransactionGuard guard(db());
        if (name)
            execSql(db(), QStringLiteral("UPDATE Event SET Name = ? WHERE Id = ?"), {look.text, mEventId});
        else
            execSql(db(), QStringLiteral("UPDATE Event SET EventDateStr = ? WHERE Id = ?"),
                    {look.text.left(DateTextLength), mEventId});
        if (after || mHadFormat)
            (after ? mFormatAfter : mFormatBefore).Save(db(), mEventId, timelineId());
        else
            execSql(db(), QStringLiteral("DELETE FROM Format WHERE TimelineId = ? AND EventId = ?"),
                    {timelineId(), mEventId});
        guard.commit();
    }
    if (!shown() || !canvas().IsOnCanvas(mEventId))
        return;
    TimelineCanvas &c = canvas();
    clUple unit = c.LoadUple(mEventId);
    if (name)
        unit.NameLabel().caption = look.text;
    else
        unit.DateLabel().caption = look.text;
    unit.DateLabel().autoSize = true;
    unit.ApplyFormat(after ? mFormatAfter : mFormatBefore);
    layoutChanged();
}

std::unique_ptr<EditLabelCommand> makeLabelEdit(TimelineCanvas &canvas, LabelKind kind, qint32 eventId,
                                                const LabelLook &after)
{
    const LabelLook before = lookOf(canvas, kind, eventId);
    if (before == after)
        return nullptr;
    return std::make_unique<EditLabelCommand>(canvas, kind, eventId, before, after);
}

} // namespace qm
