// SPDX-FileCopyrightText: Quillmarsh developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvasmodel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace qm {

QColor colorFromLong(qint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 longFromColor(const QColor &color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

namespace {

template <typename T> T roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double lo = std::numeric_limits<T>::min();
    constexpr double hi = std::numeric_limits<T>::max();
    // The default rounding mode rounds halves to even.
    return static_cast<T>(std::clamp(std::nearbyint(value), lo, hi));
}

QRectF lineBounds(const CanvasLine &line)
{
    return QRectF(line.p1, line.p2).normalized();
}

} // namespace

qint32 roundTwips(double value)
{
    return roundHalfEven<qint32>(value);
}

qint16 roundToInt16(double value)
{
    return roundHalfEven<qint16>(value);
}

QRectF CanvasBox::bounds() const
{
    QRectF r = picture.rect | date.rect;
    if (name.visible)
        r |= name.rect;
    if (connector.visible)
        r |= lineBounds(connector);
    return r;
}

CanvasBox *CanvasModel::box(qint32 id)
{
    const auto it = mBoxes.find(id);
    return it == mBoxes.end() ? nullptr : &it->second;
}

const CanvasBox *CanvasModel::box(qint32 id) const
{
    const auto it = mBoxes.find(id);
    return it == mBoxes.end() ? nullptr : &it->second;
}

CanvasBox &CanvasModel::addBox(qint32 id)
{
    CanvasBox &b = mBoxes[id];
    b = CanvasBox();
    b.id = id;
    b.z = ++mTopZ;
    return b;
}

void CanvasModel::restoreBox(const CanvasBox &box)
{
    mBoxes[box.id] = box;
    mTopZ = std::max(mTopZ, box.z);
}

bool CanvasModel::removeBox(qint32 id)
{
    return mBoxes.erase(id) != 0;
}

void CanvasModel::clearBoxes()
{
    mBoxes.clear();
    mTopZ = 0;
}

std::vector<qint32> CanvasModel::boxIds() const
{
    std::vector<qint32> ids;
    ids.reserve(mBoxes.size());
    for (const auto &entry : mBoxes)
        ids.push_back(entry.first);
    return ids;
}

void CanvasModel::BringToFront(qint32 id)
{
    if (CanvasBox *b = box(id))
        b->z = ++mTopZ;
}

std::vector<const CanvasBox *> CanvasModel::boxesInZOrder(const QRectF &area) const
{
    std::vector<const CanvasBox *> list;
    for (const auto &entry : mBoxes) {
        // Lines and borders are drawn half outside their geometry; a little slack keeps them whole.
        if (entry.second.bounds().adjusted(-30, -30, 30, 30).intersects(area))
            list.push_back(&entry.second);
    }
    std::sort(list.begin(), list.end(), [](const CanvasBox *a, const CanvasBox *b) { return a->z < b->z; });
    return list;
}

} // namespace qm
