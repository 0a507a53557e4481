// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace qm {

// The window area that shows the canvas, in twips: the inner width, the inner height below the tool
// strip, and the thickness of each scroll bar (taken off the other side when that bar is shown).
struct CanvasViewport
{
    double width = 0.0;
    double height = 0.0;
    double hBarHeight = 0.0;
    double vBarWidth = 0.0;
};

// Canvas size and scroll bar settings; the horizontal bar counts in steps of ScrollUnit twips
// (canvas left = -(value x ScrollUnit)), the vertical one in twips.
struct ScrollExtents
{
    double canvasWidth = 0.0;
    double canvasHeight = 0.0;
    int ScrollUnit = 1;
    bool hVisible = false;
    int hMaximum = 0;
    int hPageStep = 0;
    int hLineStep = 0;
    bool vVisible = false;
    int vMaximum = 0;
    int vPageStep = 0;
    int vLineStep = 0;

    friend bool operator==(const ScrollExtents &, const ScrollExtents &) = default;
};

// Overflows up to these many twips scroll by 1, then by 10 twips; beyond the second by 100.
inline constexpr double FineScrollLimit = 30000.0;
inline constexpr double MediumScrollLimit = 300000.0;

// The canvas reaches 4 x minDist past the rightmost name label and is never narrower than the viewport.
ScrollExtents computeScrollExtents(double rightmostName, double canvasHeight, int minDist,
                                   const CanvasViewport &viewport);

} // namespace qm
