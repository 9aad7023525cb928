#include "dirtyarea.h"

namespace veltrin {

namespace {

qint64 area(const QRect &rect)
{
    return qint64(rect.width()) * rect.height();
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
    for (QRect &existing : m_rects) {
        const QRect joined = existing.united(rect);
        if (area(joined) <= area(existing) + area(rect) + 64) {
            existing = joined;
            return;
        }
    }
    if (m_rects.size() == maxRects) {
        QRect all = rect;
        for (const QRect &existing : m_rects)
            all = all.united(existing);
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
