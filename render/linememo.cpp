// SPDX-License-Identifier: GPL-3.0-or-later
#include "linememo.h"

#include "picture.h"

#include <QPainter>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <new>

namespace veltrin {

namespace {

// Zeroed memory, as the system hands it out; the pen is white.
constexpr QRgb background = 0;

/// Mixes all bits of the value into all bits of the hash: the coordinates of lines often
/// differ only in their high bits, and the memo picks slots by the low ones.
std::uint64_t hashOf(double value, std::uint64_t seed)
{
    // +0.0 folds -0.0 into 0.0, which compares equal to it.
    std::uint64_t z = seed ^ std::bit_cast<std::uint64_t>(value + 0.0);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

} // namespace

std::size_t LineMemo::KeyHash::operator()(const Key &key) const
{
    std::uint64_t hash = hashOf(key.width, std::uint64_t(key.style));
    for (const double value : {key.ax, key.ay, key.bx, key.by})
        hash = hashOf(value, hash);
    return std::size_t(hash);
}

const LineMemo::Spans *LineMemo::pixelsOf(QPointF a, QPointF b, const QPen &pen,
                                          const QImage &target)
{
    if (pen.style() != Qt::SolidLine) // a dash pattern would belong in the key
        return nullptr;
    // QPainter fades a line thinner than a device pixel, which a fill in its colour would not.
    if (pen.widthF() * target.devicePixelRatio() < 1)
        return nullptr;
    follow(target);
    const int style = int(pen.style()) | int(pen.capStyle()) | int(pen.joinStyle());
    const Key key{a.x(), a.y(), b.x(), b.y(), pen.widthF(), style};
    const auto known = m_known.find(key);
    if (known != m_known.end())
        return &known->second;

    Key &seen = m_seen[KeyHash()(key) % m_seen.size()];
    if (!(seen == key) || m_known.size() >= capacity) {
        seen = key;
        return nullptr;
    }
    seen = Key();
    return &m_known.emplace(key, rasterize(a, b, pen)).first->second;
}

void LineMemo::follow(const QImage &target)
{
    // Pixels learnt on another kind of image would be wrong.
    if (m_size == target.size() && m_format == target.format() &&
        m_ratio == target.devicePixelRatio())
        return;
    m_known.clear();
    m_seen.fill(Key());
    m_size = target.size();
    m_format = target.format();
    m_ratio = target.devicePixelRatio();
    m_scratch = QImage(); // made when a line first comes again
}

void LineMemo::makeScratch()
{
    // Memory the system hands out zeroed, untouched until a line passes over it, rather than
    // a whole picture filled: a picture's worth of fresh pages costs more than a run's lines.
    const qsizetype stride = qsizetype(m_size.width()) * 4;
    void *const zeroed = std::calloc(std::size_t(stride) * std::size_t(m_size.height()) + 1, 1);
    if (!zeroed)
        throw std::bad_alloc();
    m_scratch = QImage(static_cast<uchar *>(zeroed), m_size.width(), m_size.height(), stride,
                       m_format, std::free, zeroed);
    if (m_scratch.isNull())
        std::free(zeroed);
    m_scratch.setDevicePixelRatio(m_ratio);
}

LineMemo::Spans LineMemo::rasterize(QPointF a, QPointF b, const QPen &pen)
{
    if (m_scratch.isNull())
        makeScratch();
    {
        QPainter painter(&m_scratch);
        followPictureRatio(painter, m_scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen white(pen);
        white.setColor(Qt::white);
        painter.setPen(white);
        painter.drawLine(a, b);
    }
    // Every pixel the pen can reach, with a pixel to spare.
    const double ratio = m_scratch.devicePixelRatio();
    const double reach = pen.widthF() / 2 + 2;
    const QRectF logical = QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach);
    const QRect box = QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect() &
                      m_scratch.rect();

    Spans spans;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(m_scratch.scanLine(y));
        for (int x = box.left(); x <= box.right(); ++x) {
            if (line[x] == background)
                continue;
            const int left = x;
            while (x <= box.right() && line[x] != background)
                line[x++] = background;
            spans.push_back({y, left, x - 1});
        }
    }
    return spans;
}

} // namespace veltrin
