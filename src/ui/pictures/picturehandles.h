// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>

namespace qm {

// The two size handles of the picture chooser's preview, in twips: one centred on the right edge
// sets the width, one centred on the bottom edge the height. A drag stops where the picture would
// shrink to 30 twips or the handle would leave the room it has.
class PictureHandles
{
public:
    enum Handle { None, Width, Height };
    static constexpr double MinSide = 30.0;

    PictureHandles(const QRectF &preview, double handleSide, double limitRight, double limitBottom);

    const QRectF &preview() const { return mPreview; }
    QRectF widthHandle() const;
    QRectF heightHandle() const;
    Handle held() const { return mHeld; }

    void press(Handle handle, double at);
    // The pointer is at `at` along the held handle's axis; returns whether the picture changed size.
    bool move(double at);
    void release() { mHeld = None; }
    // Sizes the preview as the event's format has it.
    void setSize(double width, double height);

private:
    QRectF mPreview;
    double mSide;
    double mLimitRight;
    double mLimitBottom;
    Handle mHeld = None;
    double mLast = 0.0;
};

} // namespace qm
