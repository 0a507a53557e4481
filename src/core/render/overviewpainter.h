// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "layout/canvasmodel.h"

#include <QImage>
#include <QSize>

namespace qm {

// The whole canvas drawn small for the overview strip: the backdrop colour, the axis and each box as
// a block where its picture stands, the selected box marked. Only shapes, no text or pictures, so that
// a timeline of tens of thousands of boxes draws within a frame.
QImage paintOverview(const CanvasModel &model, const QSize &size, qint32 selectedId);

// Canvas twips per pixel of the strip along each axis: the whole canvas fills the strip.
QPointF overviewScale(const CanvasModel &model, const QSize &size);

} // namespace qm
