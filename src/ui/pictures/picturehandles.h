// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRectF>
#include <QSize>

namespace qm {

// The size handles of the picture chooser's preview, in twips: one centred on the right edge sets
// the width, one centred on the bottom edge the height, and one on the bottom-right corner both,
// keeping the picture's proportions unless told to go free. A drag stops where the picture would
// shrink to 30 twips or a handle would leave the room it has.
class PictureHandles
{
public:
    enum Handle { None, Width, Height, Corner };
    static constexpr double MinSide = 30.0;
    // A newly chosen picture is about 1.5 cm wide at full size.
    static constexpr double StartWidth = 850.0;

    // The size a newly chosen picture starts with: its own proportions, StartWidth wide or as wide as
    // the size it replaces when that is wider. A picture without a size keeps the old size.
    static QSizeF startSize(const QSize &image, const QSizeF &before);

    PictureHandles(const QRectF &preview, double handleSide, double limitRight, double limitBottom);

    const QRectF &preview() const { return mPreview; }
    QRectF widthHandle() const;
    QRectF heightHandle() const;
    QRectF cornerHandle() const;
    Handle held() const { return mHeld; }

    void press(Handle handle, double at);
    // Takes the corner at the pointer's position.
    void pressCorner(const QPointF &at);
    // The held corner follows the pointer: the width follows it and the height keeps the proportions
    // the picture had when pressed, or with `free` each follows the pointer alone.
    bool moveCorner(const QPointF &at, bool free);
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
    QPointF mPressedAt;
    QSizeF mPressedSize;
};

} // namespace qm
