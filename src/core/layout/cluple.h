// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "canvasmodel.h"

#include <QtGlobal>

namespace qm {

class CanvasState;
class PictureCache;
class TextMeasurer;
class clEvent;
class clFormat;

// The layout unit: a light view over one box of the canvas and the axis that knows how the parts
// hang on the picture and keeps the limits that placement and dragging use to keep boxes apart.
class clUple
{
public:
    // Pictures are read through `pictures` when given, straight from the library otherwise.
    clUple(CanvasState &g, const TextMeasurer &measurer, PictureCache *pictures = nullptr);

    // Whole twips, valid after MeasureLimits (which Init and Arrange run).
    qint32 Right = 0;
    qint32 Left = 0;
    qint32 Top = 0;
    qint32 Bottom = 0;

    // The parts of the bound box; a box that left the canvas raises std::logic_error.
    CanvasPicture &Picture() const;
    CanvasLine &Connector() const;
    CanvasLabel &NameLabel() const;
    CanvasLabel &DateLabel() const;
    CanvasLine &Axis() const;
    qint32 id() const { return mId; }
    bool isBound() const;

    // Binds the unit to the box of the event and the axis of the model, then measures.
    void Init(CanvasModel &model, qint32 id);
    void MeasureLimits();
    // Sizes, colours, fonts, borders and text limits from the format; fits the name; arranges.
    void ApplyFormat(const clFormat &format);
    // The format as the box shows it, sizes divided by the zoom.
    clFormat ExtractFormat() const;
    // Hangs connector, date label and name label on the picture, then measures.
    void Arrange();
    // Picture, date text and name of the event; the date keeps its place until the next Arrange.
    void ApplyEvent(const clEvent &event);
    // The event's picture from its library, or none for "No picture" (the picture's size then waits
    // in the box for a picture to come back); the parts keep their places until the next Arrange.
    void ApplyPicture(const QString &source, const QString &name);

private:
    CanvasBox &box() const;

    CanvasState *mG;
    const TextMeasurer *mMeasurer;
    PictureCache *mPictures;
    CanvasModel *mModel = nullptr;
    qint32 mId = -1;
};

// Sets the label's caption and wraps it at the largest text width when it is wider: the width in the
// label's tag ("TextMaxHeight<Tab>TextMaxWidth"), else that of the shown timeline's default format.
// The width is not zoomed, so zooming in wraps names earlier.
void FitLabel(const CanvasState &g, const TextMeasurer &measurer, CanvasLabel &label, const QString &text);

} // namespace qm
