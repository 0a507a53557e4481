// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturehandles.h"

#include <algorithm>
#include <cmath>

namespace qm {

PictureHandles::PictureHandles(const QRectF &preview, double handleSide, double limitRight, double limitBottom)
    : mPreview(preview), mSide(handleSide), mLimitRight(limitRight), mLimitBottom(limitBottom)
{}

QRectF PictureHandles::widthHandle() const
{
    return QRectF(mPreview.right() - mSide / 2, mPreview.top() + mPreview.height() / 2 - mSide / 2, mSide, mSide);
}

QRectF PictureHandles::heightHandle() const
{
    return QRectF(mPreview.left() + mPreview.width() / 2 - mSide / 2, mPreview.bottom() - mSide / 2, mSide, mSide);
}

void PictureHandles::press(Handle handle, double at)
{
    mHeld = handle;
    mLast = at;
}

bool PictureHandles::move(double at)
{
    if (mHeld == None)
        return false;
    const double size = mHeld == Width ? mPreview.width() : mPreview.height();
    const double edge = mHeld == Width ? mPreview.right() : mPreview.bottom();
    const double limit = mHeld == Width ? mLimitRight : mLimitBottom;
    // Outward: the handle's far edge stays in the room; inward: the picture stays above MinSide.
    // A fast pointer is followed up to the stop instead of leaving the handle short of it.
    const double most = limit - (edge + mSide / 2);
    const double least = -(size - std::floor(MinSide) - 1.0);
    const double d = std::clamp(at - mLast, std::min(least, 0.0), std::max(most, 0.0));
    mLast = at;
    if (d == 0.0)
        return false;
    if (mHeld == Width)
        mPreview.setWidth(size + d);
    else
        mPreview.setHeight(size + d);
    return true;
}

void PictureHandles::setSize(double width, double height)
{
    // Taken as stored, even when larger than the room: the user's size is not changed by looking at it.
    mPreview.setWidth(width);
    mPreview.setHeight(height);
}

} // namespace qm
