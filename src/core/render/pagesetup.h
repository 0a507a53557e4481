// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <optional>

namespace qm {

// How a timeline goes onto paper: the sheet, its margins and how large the timeline is printed.
// Stored with the timeline as a short text; a timeline without one prints with the defaults.
struct PageSetup
{
    enum class Paper { A4, Letter, A3, Printer };
    enum class Fit { OnePage, Pages, Percent };

    Paper paper = Paper::A4;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
    // Millimetres: left, top, right, bottom.
    QMarginsF margins{10, 10, 10, 10};
    Fit fit = Fit::OnePage;
    // A poster this many sheets wide by high; 0 high lets the height take what the width leaves.
    int pagesWide = 2;
    int pagesHigh = 0;
    // Percent of the timeline's true size (one twip of the canvas at full size on one twip of paper).
    int percent = 100;

    friend bool operator==(const PageSetup &, const PageSetup &) = default;

    // One landscape page of the locale's usual paper (Letter where it is used, else A4).
    static PageSetup defaults();
    // The stored text, such as "paper=A4;orientation=landscape;margins=10,10,10,10;fit=one"; a text
    // that cannot be read gives the defaults, each part that can be read is kept.
    static PageSetup fromText(const QString &text);
    QString toText() const;

    // Parts given as the command line gives them ("A4", "landscape", "one" | "N-wide" | "NxM" |
    // "PERCENT%"); false, with a message, for a value that is not one of those.
    bool setPaper(const QString &text, QString *error);
    bool setOrientation(const QString &text, QString *error);
    bool setFit(const QString &text, QString *error);
    QString fitText() const;
    static QString paperName(Paper paper);

    // The sheet; the printer's own paper is the locale's paper where there is no printer.
    QPageSize pageSize() const;
    QPageLayout pageLayout(const QPageSize &printerPaper = QPageSize()) const;
};

} // namespace qm
