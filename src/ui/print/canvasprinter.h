// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>

#include <functional>

class QPrinter;

namespace qm {

class CanvasModel;

// Prints the whole canvas at its true size on landscape pages of a printer, cut as the page grid
// shows, drawn by the same renderer as the screen (so it is as sharp as the printer, not a copy of
// the screen's pixels).
class CanvasPrinter
{
public:
    // Told before each page (counting from 1); false stops the printing.
    using Progress = std::function<bool(int page, int pageCount)>;

    // The printable area of the printer's page in landscape, in whole twips; the printer's
    // orientation is left as it was.
    static QSize pageTwips(QPrinter &printer);
    // Prints every page, down each strip of the canvas and strip after strip, with no empty sheet at
    // the end; the printer is in landscape while it prints and has its own orientation back after.
    // False, with the reason in `error`, when printing could not start or was stopped.
    static bool print(QPrinter &printer, const CanvasModel &model, QString *error, const Progress &progress = {});
    // The same onto a printer already set to landscape, as the print preview hands it over.
    static bool printPages(QPrinter &printer, const CanvasModel &model, QString *error, const Progress &progress = {});
};

// Puts a printer in landscape for as long as it lives, then back as it was.
class LandscapeWhileAlive
{
public:
    explicit LandscapeWhileAlive(QPrinter &printer);
    ~LandscapeWhileAlive();
    LandscapeWhileAlive(const LandscapeWhileAlive &) = delete;
    LandscapeWhileAlive &operator=(const LandscapeWhileAlive &) = delete;

private:
    QPrinter &mPrinter;
    int mOrientation;
};

} // namespace qm
