// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "timescale.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace qm {

// A colour as the project stores it (red + 256 x green + 65536 x blue) and back.
QColor colorFromLong(qint32 value);
qint32 longFromColor(const QColor &color);

// Whole twips from a fractional position, halves to even as the stored positions were always rounded;
// clamped to the 32-bit range.
qint32 roundTwips(double value);
// A format size from a fractional one, halves to even, clamped to the 16-bit range the format stores.
qint16 roundToInt16(double value);

// The font of a label; the size is in points with the zoom already applied.
struct LabelFont
{
    QString name;
    double size = 8.0;
    bool bold = false;
    bool italic = false;

    friend bool operator==(const LabelFont &, const LabelFont &) = default;
};

// A text on the canvas: an event's name or date, or a timeline's title or subtitle.
struct CanvasLabel
{
    QRectF rect;
    QString caption;
    QString tag;
    LabelFont font;
    qint32 foreColor = 0;
    qint32 backColor = 0xFFFFFF;
    bool solid = false;  // opaque background, else the canvas shows through
    bool border = false; // single line around it
    bool wordWrap = false;
    // Sized to its caption on one line whenever caption or font change; off once a name was wrapped.
    bool autoSize = true;
    bool visible = true;
};

// A straight line: the time axis or a box's connector.
struct CanvasLine
{
    QPointF p1;
    QPointF p2;
    qint32 color = 0;
    bool dashed = false; // the selection's mark, over any style
    bool visible = true;
    // The format's style: 0 solid, 1 dashed, 2 dotted (clFormat::LineStyles).
    int style = 0;
};

// A period drawn to scale: a bar along the axis from its start to its end, in its box's colour.
struct CanvasBar
{
    qint32 id = 0;
    QRectF rect;
    qint32 color = 0;
};

// An event's picture, stretched over its rectangle; a null image shows as an empty frame. An event
// without a picture has none shown: its rectangle shrinks to the point the name label hangs from.
struct CanvasPicture
{
    QRectF rect;
    QImage image;
    bool border = false; // the selection's mark
    bool visible = true;
    // The format's border round the picture, twips at the zoom shown; none at 0.
    double frameWidth = 0.0;
    qint32 frameColor = 0;
    // The size the box's format gives the picture, at the zoom shown, kept while no picture shows.
    QSizeF formatSize;
};

// The four parts of one event on the canvas.
struct CanvasBox
{
    qint32 id = 0;
    CanvasPicture picture;
    CanvasLabel name;
    CanvasLabel date;
    CanvasLine connector;
    // The connector's colour as the format gives it; the selection's red stands in for it meanwhile.
    qint32 lineColor = 0;
    // Stacking among boxes: larger is in front.
    quint64 z = 0;

    // Everything the box may paint on, for skipping boxes outside the area being drawn.
    QRectF bounds() const;
    // What the connector and, to scale, the date hang from: the picture's bottom, or the name's
    // where no picture shows.
    double hangY() const { return picture.visible ? picture.rect.bottom() : name.rect.bottom(); }
    // The part that holds the box for the mouse: its picture, or its name where no picture shows.
    const QRectF &grabRect() const { return picture.visible ? picture.rect : name.rect; }
};

// The pointer under the selected box; above it, pointing down, where the subtitle leaves no room below.
struct CanvasMarker
{
    QRectF rect;
    bool visible = false;
    bool pointsDown = false;
};

// One category of the legend: the swatch of its colour and its element's name.
struct LegendEntry
{
    qint32 color = 0;
    QRectF swatch;
    CanvasLabel label;
};

// The key to the category colours, where the user put it; laid out by the canvas at the zoom shown.
struct CanvasLegend
{
    std::vector<LegendEntry> entries;
    // Its top-left corner at full size, as the file keeps it.
    QPointF at;
    QRectF rect;
    // Shown when there are categories and the user did not hide it.
    bool visible = false;
};

// Everything the canvas of one timeline shows, in twips of the canvas (x right, y down), with the
// boxes keyed by event id.
class CanvasModel
{
public:
    double width = 0.0;
    double height = 0.0;
    CanvasLine axis;
    CanvasLabel lblLabel;
    CanvasLabel lblSub;
    CanvasMarker imPointer;
    qint32 backColor = 0xFFC0C0;
    QImage wallpaper;
    bool useWallpaper = false;
    CanvasLegend legend;
    // The colour of the first category each box's event falls in, by event id; boxes of none are absent.
    std::unordered_map<qint32, qint32> categoryColors;
    // Drawn to scale: the scale at the zoom shown, the marks on the axis and the labels of the major ones.
    std::optional<TimeScale> timeScale;
    std::vector<CanvasLine> axisMarks;
    std::vector<CanvasLabel> axisLabels;
    std::vector<CanvasBar> periodBars;

    bool hasBox(qint32 id) const { return mBoxes.count(id) != 0; }
    CanvasBox *box(qint32 id);
    const CanvasBox *box(qint32 id) const;
    // A new, empty box for the event in front of all others; an existing box of the event is replaced.
    CanvasBox &addBox(qint32 id);
    // Puts a box back as it was (undoing work that failed half way), keeping its stacking.
    void restoreBox(const CanvasBox &box);
    bool removeBox(qint32 id);
    void clearBoxes();
    std::size_t boxCount() const { return mBoxes.size(); }
    // The boxes in enumeration order: ascending event id.
    const std::map<qint32, CanvasBox> &boxes() const { return mBoxes; }
    std::vector<qint32> boxIds() const;

    void BringToFront(qint32 id);
    // The boxes that reach into the area, back to front.
    std::vector<const CanvasBox *> boxesInZOrder(const QRectF &area) const;

private:
    std::map<qint32, CanvasBox> mBoxes;
    quint64 mTopZ = 0;
};

} // namespace qm
