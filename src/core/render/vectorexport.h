// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QIODevice;

namespace qm {

class CanvasModel;

// The whole canvas as vector graphics at its true size (one twip of canvas is one twip of paper):
// text stays text and pictures are embedded, so the timeline is sharp at any size and has no
// limit of width.
class VectorExport
{
public:
    // One PDF page the canvas's size, rounded up to whole points as PDF pages are.
    static bool writePdf(const CanvasModel &model, QIODevice &device, QString *error);
    // An SVG drawing in twips, sized in millimetres.
    static bool writeSvg(const CanvasModel &model, QIODevice &device, QString *error);
};

} // namespace qm
