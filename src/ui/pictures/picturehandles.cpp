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

QRectF PictureHandles::cornerHandle() const
{
    return QRectF(mPreview.right() - mSide / 2, mPreview.bottom() - mSide / 2, mSide, mSide);
}

QSizeF PictureHandles::startSize(const QSize &image, const QSizeF &before)
{
    if (image.width() <= 0 || image.height() <= 0)
        return before;
    const double width = std::max(StartWidth, before.width());
    return QSizeF(width, std::max(MinSide, std::round(width * image.height() / image.width())));
}

void PictureHandles::pressCorner(const QPointF &at)
{
    mHeld = Corner;
    mPressedAt = at;
    mPressedSize = mPreview.size();
}

bool PictureHandles::moveCorner(const QPointF &at, bool free)
{
    if (mHeld != Corner)
        return false;
    const QSizeF before = mPreview.size();
    // The far edges of the corner handle stay in the room.
    const double mostWidth = mLimitRight - mSide / 2 - mPreview.left();
    const double mostHeight = mLimitBottom - mSide / 2 - mPreview.top();
    double width = mPressedSize.width() + at.x() - mPressedAt.x();
    double height = mPressedSize.height() + at.y() - mPressedAt.y();
    if (free) {
        width = std::clamp(width, MinSide, std::max(MinSide, mostWidth));
        height = std::clamp(height, MinSide, std::max(MinSide, mostHeight));
    } else {
        const double aspect = mPressedSize.height() / std::max(1.0, mPressedSize.width());
        // The largest width whose height still fits, and the smallest whose height stays above MinSide.
        const double most = std::max(MinSide, std::min(mostWidth, mostHeight / std::max(aspect, 1e-9)));
        const double least = std::max(MinSide, MinSide / std::max(aspect, 1e-9));
        width = std::clamp(width, std::min(least, most), most);
        height = width * aspect;
    }
    mPreview.setSize(QSizeF(width, height));
    return mPreview.size() != before;
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
