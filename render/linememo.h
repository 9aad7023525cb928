// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPen>
#include <QPointF>
#include <array>
#include <unordered_map>
#include <vector>

namespace veltrin {

/// The pixels QPainter gives a line that is drawn again and again, learnt the second time the
/// line comes, so that every later time costs a fill instead of a fresh rasterization: each
/// detector position of a run draws the same rays anew. The pixels come from QPainter itself,
/// drawn once on a scratch image like the target; the colour is the caller's.
class LineMemo
{
public:
    /// A row of device pixels, left and right both included.
    struct Span
    {
        int y;
        int left;
        int right;
    };
    using Spans = std::vector<Span>;

    /// The pixels of the line from a to b, in logical pixels, as QPainter strokes it with the
    /// pen on the target; nullptr for a line not seen before, which the caller draws itself.
    const Spans *pixelsOf(QPointF a, QPointF b, const QPen &pen, const QImage &target);

private:
    struct Key
    {
        double ax = 0, ay = 0, bx = 0, by = 0;
        double width = -1;
        int style = 0; // pen style, cap and join

        friend bool operator==(const Key &, const Key &) = default;
    };
    struct KeyHash
    {
        std::size_t operator()(const Key &key) const;
    };

    Spans rasterize(QPointF a, QPointF b, const QPen &pen);
    void follow(const QImage &target);

    // Beyond this many lines a run draws nothing again that would pay for remembering.
    static constexpr std::size_t capacity = 512;

    std::unordered_map<Key, Spans, KeyHash> m_known;
    std::array<Key, 1024> m_seen{}; // lines met once, by hash slot
    void makeScratch();

    QImage m_scratch; // all background outside a rasterization
    QSize m_size;     // the target's, which the scratch takes
    QImage::Format m_format = QImage::Format_Invalid;
    qreal m_ratio = 0;
};

} // namespace veltrin
