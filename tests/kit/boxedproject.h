// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kit/project.h"
#include "layout/textmeasurer.h"
#include "layout/timelinecanvas.h"

namespace qmtest {

constexpr int PictureCount = 30;

// PictureCount pictures of a few hundred pixels (pic0.png ...), as scanned or downloaded
// illustrations are, in the project's own library.
void writePictures(qm::Globals &g);

// A project whose one timeline holds `count` boxes, a day apart, placed in five rows so that the
// whole timeline still fits a JPEG picture. Events and boxes are written in one transaction, the
// boxes as plain rows: a long-used project, not the placement engine at work. With pictures, each
// box shows one of the library's pictures.
struct BoxedProject : TempProject
{
    enum class Pictures { None, Library };
    explicit BoxedProject(int count, Pictures pictures = Pictures::None);

    qint32 timelineId = 0;
};

// A boxed project loaded on a canvas, measured with the fonts of the system (which need a GUI
// application object).
struct LoadedBoxes : BoxedProject
{
    explicit LoadedBoxes(int count, Pictures pictures = Pictures::None);
    QPointF centreOf(qint32 id) const { return canvas.model().box(id)->picture.rect.center(); }

    const qm::FontTextMeasurer measurer;
    qm::TimelineCanvas canvas{g, measurer};
};

} // namespace qmtest
