// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "render/pagesetup.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QPrinter;

namespace qm {

class CanvasModel;
class PrintPages;

// Prints the canvas on the pages its page setup makes, drawn by the same renderer as the screen
// (so it is as sharp as the printer, not a copy of the screen's pixels).
class CanvasPrinter
{
public:
    // Told before each page (counting from 1); false stops the printing.
    using Progress = std::function<bool(int page, int pageCount)>;

    // The sheet the setup asks for on this printer: its own paper when the setup says so.
    static QPageLayout layoutFor(QPrinter &printer, const PageSetup &setup);
    // The pages of the canvas (at `zoom`) on that sheet.
    static PrintPages pagesFor(QPrinter &printer, const CanvasModel &model, double zoom, const PageSetup &setup);
    // Prints every page with the setup's sheet, with no empty sheet at the end; the printer has its
    // own page layout back after. False, with the reason in `error`, when printing could not start
    // or was stopped.
    static bool print(QPrinter &printer, const CanvasModel &model, double zoom, const PageSetup &setup,
                      const QString &title, QString *error, const Progress &progress = {});
    // The same onto a printer already given the setup's sheet, as the print preview hands it over.
    static bool printPages(QPrinter &printer, const CanvasModel &model, double zoom, const PageSetup &setup,
                           const QString &title, QString *error, const Progress &progress = {});
};

// Gives a printer a page layout for as long as it lives, then its own back.
class PageLayoutWhileAlive
{
public:
    PageLayoutWhileAlive(QPrinter &printer, const QPageLayout &layout);
    ~PageLayoutWhileAlive();
    PageLayoutWhileAlive(const PageLayoutWhileAlive &) = delete;
    PageLayoutWhileAlive &operator=(const PageLayoutWhileAlive &) = delete;

private:
    QPrinter &mPrinter;
    QPageLayout mBefore;
};

} // namespace qm
