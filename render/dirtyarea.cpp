// SPDX-License-Identifier: GPL-3.0-or-later
#include "dirtyarea.h"

#include <algorithm>

namespace veltrin {

namespace {

qint64 area(const QRect &rect)
{
    return qint64(rect.width()) * rect.height();
}

/// The bounding rectangle of two non-empty rectangles; QRect's own handles empty ones too and
/// is not inlined, which shows when the thousands of mirror circles are added one by one.
QRect joined(const QRect &a, const QRect &b)
{
    return QRect(QPoint(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
                 QPoint(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

// Beyond this many rectangles the bookkeeping costs more than repainting a little extra.
constexpr std::size_t maxRects = 32;

} // namespace

void DirtyArea::add(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    // Merge into a rectangle where the union wastes little: neighbouring circles of the mirror
    // and the arrows of one spiral grow one rectangle, a ray crossing a spiral stays apart.
    const qint64 rectArea = area(rect);
    for (QRect &existing : m_rects) {
        const QRect both = joined(existing, rect);
        if (area(both) <= area(existing) + rectArea + 64) {
            existing = both;
            return;
        }
    }
    if (m_rects.size() == maxRects) {
        QRect all = rect;
        for (const QRect &existing : m_rects)
            all = joined(all, existing);
        m_rects.assign(1, all);
        return;
    }
    m_rects.push_back(rect);
}

QRegion DirtyArea::take()
{
    QRegion region;
    for (const QRect &rect : m_rects)
        region += rect;
    m_rects.clear();
    return region;
}

} // namespace veltrin
