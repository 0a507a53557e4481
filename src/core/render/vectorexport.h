// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

class QIODevice;
class QPageLayout;

namespace qm {

class CanvasModel;
struct PageSetup;

// The whole canvas as vector graphics at its true size (one twip of canvas is one twip of paper):
// text stays text and pictures are embedded, so the timeline is sharp at any size and has no
// limit of width.
class VectorExport
{
public:
    // One PDF page the canvas's size at full size (the model is at `zoom`), rounded up to whole
    // points as PDF pages are.
    static bool writePdf(const CanvasModel &model, double zoom, QIODevice &device, QString *error);
    // The pages printing makes of the canvas, headed with `title` when there are several.
    static bool writePdfPages(const CanvasModel &model, double zoom, const PageSetup &setup, const QPageLayout &layout,
                              const QString &title, QIODevice &device, QString *error);
    // An SVG drawing in twips at full size, sized in millimetres. Each distinct picture is defined
    // once, as "qmpicture0", "qmpicture1"...; `pictureKeys` learns the cache keys of their images in
    // that order.
    static bool writeSvg(const CanvasModel &model, double zoom, QIODevice &device, QString *error,
                         std::vector<qint64> *pictureKeys = nullptr);
};

} // namespace qm
