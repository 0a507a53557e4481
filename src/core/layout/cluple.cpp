// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluple.h"

#include "picturecache.h"
#include "store/canvasstate.h"
#include "store/clevent.h"
#include "store/clformat.h"
#include "store/cltimeline.h"
#include "store/picturelibrary.h"
#include "textmeasurer.h"

#include <algorithm>
#include <stdexcept>

namespace qm {

namespace {

// The gap between picture and name, and between axis and date, at full size.
constexpr double PartGap = 50.0;

void setLabelLook(CanvasLabel &label, const QString &font, int size, double zoom, bool bold, bool italic, qint32 fore,
                  qint32 back, bool solid, bool border)
{
    label.font = LabelFont{font, size * zoom, bold, italic};
    label.foreColor = fore;
    label.backColor = back;
    label.solid = solid;
    label.border = border;
}

} // namespace

void FitLabel(const CanvasState &g, const TextMeasurer &measurer, CanvasLabel &label, const QString &text)
{
    label.caption = text;
    label.autoSize = true;
    AutoSizeLabel(label, measurer);

    bool ok = false;
    double maxWidth = label.tag.isEmpty() ? 0.0 : label.tag.section(u'\t', 1, 1).trimmed().toDouble(&ok);
    if (!ok)
        maxWidth = g.CurTimeLine ? g.CurTimeLine->DefaultFormat.TextMaxWidth : clFormat().TextMaxWidth;

    // Only a label strictly wider than the limit wraps: one exactly as wide stays on one line.
    if (label.rect.width() > maxWidth) {
        label.rect.setWidth(maxWidth);
        label.wordWrap = true;
        label.rect.setHeight(measurer.wrappedHeight(label.font, text, maxWidth));
        label.autoSize = false;
    }
}

clUple::clUple(CanvasState &g, const TextMeasurer &measurer, PictureCache *pictures)
    : mG(&g), mMeasurer(&measurer), mPictures(pictures)
{}

bool clUple::isBound() const
{
    return mModel && mModel->hasBox(mId);
}

CanvasBox &clUple::box() const
{
    CanvasBox *b = mModel ? mModel->box(mId) : nullptr;
    if (!b)
        throw std::logic_error("layout unit used without a box on the canvas");
    return *b;
}

CanvasPicture &clUple::Picture() const
{
    return box().picture;
}

CanvasLine &clUple::Connector() const
{
    return box().connector;
}

CanvasLabel &clUple::NameLabel() const
{
    return box().name;
}

CanvasLabel &clUple::DateLabel() const
{
    return box().date;
}

CanvasLine &clUple::Axis() const
{
    if (!mModel)
        throw std::logic_error("layout unit used before Init");
    return mModel->axis;
}

void clUple::Init(CanvasModel &model, qint32 id)
{
    mModel = &model;
    mId = id;
    MeasureLimits();
}

void clUple::MeasureLimits()
{
    const CanvasBox &b = box();
    const QRectF &pic = b.picture.rect;
    Right = roundTwips(std::max({pic.right(), b.name.rect.right(), b.date.rect.right()}));
    // The name always lies right of the picture: it never decides the left edge.
    Left = roundTwips(std::min(pic.left(), b.date.rect.left()));
    Top = roundTwips(pic.top());
    Bottom = roundTwips(std::max({pic.bottom(), b.name.rect.bottom(), mModel->timeScale ? b.date.rect.bottom() : 0.0}));
}

void clUple::ApplyFormat(const clFormat &f)
{
    CanvasBox &b = box();
    const double zoom = mG->Zoom;
    b.picture.formatSize = QSizeF(f.PictureWidth * zoom, f.PictureHeight * zoom);
    b.picture.rect.setSize(b.picture.visible ? b.picture.formatSize : QSizeF(0, 0));
    b.picture.frameWidth = f.PictureBorderWidth * zoom;
    b.picture.frameColor = f.PictureBorderColor;
    b.connector.visible = f.LineVisible;
    b.connector.style = f.LineStyle;
    // A selected box keeps the selection's red until it is unmarked.
    if (!b.connector.dashed)
        b.connector.color = f.LineColor;
    b.lineColor = f.LineColor;

    setLabelLook(b.name, f.TextFont, f.TextFontSize, zoom, f.TextBold, f.TextItalic, f.TextForeColor, f.TextBackColor,
                 f.TextSolid, f.TextShowBorder);
    b.name.tag = QString::number(f.TextMaxHeight) + u'\t' + QString::number(f.TextMaxWidth);

    setLabelLook(b.date, f.DateFont, f.DateFontSize, zoom, f.DateBold, f.DateItalic, f.DateForeColor, f.DateBackColor,
                 f.DateSolid, f.DateShowBorder);
    if (b.date.autoSize)
        AutoSizeLabel(b.date, *mMeasurer);

    FitLabel(*mG, *mMeasurer, b.name, b.name.caption);
    Arrange();
}

clFormat clUple::ExtractFormat() const
{
    const CanvasBox &b = box();
    const double zoom = mG->Zoom;
    clFormat f;
    const QSizeF picture = b.picture.visible ? b.picture.rect.size() : b.picture.formatSize;
    f.PictureWidth = roundToInt16(picture.width() / zoom);
    f.PictureHeight = roundToInt16(picture.height() / zoom);
    f.LineVisible = b.connector.visible;
    f.PictureBorderWidth = std::max(0, static_cast<int>(roundToInt16(b.picture.frameWidth / zoom)));
    f.PictureBorderColor = b.picture.frameColor;
    f.LineColor = b.lineColor;
    f.LineStyle = b.connector.style;

    f.TextBackColor = b.name.backColor;
    f.TextForeColor = b.name.foreColor;
    f.TextFont = b.name.font.name;
    f.TextFontSize = roundToInt16(b.name.font.size / zoom);
    f.TextBold = b.name.font.bold;
    f.TextItalic = b.name.font.italic;
    f.TextSolid = b.name.solid;
    f.TextShowBorder = b.name.border;
    // A box never formatted keeps the limits of a new record rather than turning them into zero.
    if (!b.name.tag.isEmpty()) {
        f.TextMaxHeight = roundToInt16(b.name.tag.section(u'\t', 0, 0).trimmed().toDouble());
        f.TextMaxWidth = roundToInt16(b.name.tag.section(u'\t', 1, 1).trimmed().toDouble());
    }

    f.DateBackColor = b.date.backColor;
    f.DateForeColor = b.date.foreColor;
    f.DateFont = b.date.font.name;
    f.DateFontSize = roundToInt16(b.date.font.size / zoom);
    f.DateSolid = b.date.solid;
    f.DateShowBorder = b.date.border;
    f.DateBold = b.date.font.bold;
    f.DateItalic = b.date.font.italic;
    return f;
}

void clUple::Arrange()
{
    CanvasBox &b = box();
    const QRectF &pic = b.picture.rect;
    const double gap = PartGap * mG->Zoom;
    const double x = pic.left() + pic.width() * 0.5;
    // Without a picture the name takes its place, and the connector meets the name's lower left corner.
    if (b.picture.visible)
        b.name.rect.moveTopLeft(QPointF(pic.left() + pic.width() + gap, pic.top()));
    else
        b.name.rect.moveTopLeft(pic.topLeft());
    b.connector.p1 = QPointF(x, b.hangY());
    b.connector.p2 = QPointF(x, mModel->axis.p2.y());
    b.date.rect.moveTopLeft(QPointF(x - b.date.rect.width() * 0.5, mModel->axis.p1.y() + gap));
    if (mModel->timeScale) {
        // To scale the axis band carries the marks: the date hangs under the picture, in the box's row,
        // and the connector runs on from it down to the axis.
        b.date.rect.moveTop(b.hangY() + gap);
        b.connector.p1.setY(b.date.rect.top() + b.date.rect.height());
    }
    MeasureLimits();
}

void clUple::ApplyPicture(const QString &source, const QString &name)
{
    CanvasBox &b = box();
    const QString kind = QStringLiteral("I");
    b.picture.visible = !isNoPicture(source);
    if (!b.picture.visible)
        b.picture.image = QImage();
    else
        b.picture.image =
            mPictures ? mPictures->picture(*mG, source, kind, name) : LoadLibraryPicture(*mG, source, kind, name);
    if (!b.picture.visible)
        b.picture.rect.setSize(QSizeF(0, 0));
    else if (!b.picture.formatSize.isEmpty())
        b.picture.rect.setSize(b.picture.formatSize);
}

void clUple::ApplyEvent(const clEvent &event)
{
    CanvasBox &b = box();
    ApplyPicture(event.ImageSource, event.ImageName);
    b.date.caption = event.EndDate && event.EventDate
                         ? periodCaption(event.EventDateStr, *event.EventDate, *event.EndDate, mG->dateOrder)
                         : event.EventDateStr;
    if (b.date.autoSize)
        AutoSizeLabel(b.date, *mMeasurer);
    b.date.tag = event.EventDate ? event.EventDate->Render() : QString();
    FitLabel(*mG, *mMeasurer, b.name, event.Name);
}

} // namespace qm
