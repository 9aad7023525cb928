// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

namespace veltrin {

/// Sets opaque device pixels of a picture straight, row span by row span: round-ended lines and
/// rings as the device pixels whose centres lie within the pen's band, and spans given by the
/// caller. It remembers what it last set in each row, so that a span laid again over the same
/// colour, like the erase band's thousands of lines a fraction of a pixel apart, costs nothing;
/// whoever draws on the picture otherwise must say so (forget()).
class StrokeRaster
{
public:
    explicit StrokeRaster(QImage &image) : m_image(image) {}

    /// Colours that a stroke laid under them leaves as they are: the bars', where rays pass
    /// beneath them.
    void setKept(std::vector<QRgb> colours) { m_kept = std::move(colours); }

    /// A line from a to b with round ends, width pixels wide; all in device pixels. Laid under
    /// the kept colours, it leaves their pixels.
    void line(QPointF a, QPointF b, double width, QRgb colour, bool under = false);
    /// A circle's ring, width pixels wide around the radius; all in device pixels.
    void ring(QPointF centre, double radius, double width, QRgb colour);
    /// Rows of pixels, each with y, left and right (both included), in one colour.
    template <typename Spans> void spans(const Spans &spans, QRgb colour, bool under = false)
    {
        follow();
        for (const auto &span : spans)
            fill(span.y, span.left, span.right, colour, under);
    }

    /// The picture was drawn on otherwise: what the rows hold is no longer known.
    void forget();
    /// The device pixels changed since the last call, as one rectangle; empty where none.
    QRect takeChanged();

private:
    /// What a row was last given: pixels left to right in a colour, while the generation lasts.
    struct Row
    {
        int left = 0;
        int right = -1;
        QRgb colour = 0;
        std::uint32_t generation = 0;
    };

    /// Takes up the picture's pixels; a picture made anew or detached starts unknown.
    void follow();
    /// Sets the pixels of row y from left to right, clipped to the picture.
    void fill(int y, int left, int right, QRgb colour, bool under = false);
    /// Sets the pixels of row y whose x lies from lo to hi.
    void fillBetween(int y, double lo, double hi, QRgb colour, bool under = false);
    /// The rows whose y lies from top to bottom, within the picture.
    std::pair<int, int> rowsBetween(double top, double bottom) const;
    /// Sets the pixels that differ, and widens the changed area by them.
    void set(QRgb *line, int y, int left, int right, QRgb colour, bool under);
    bool isKept(QRgb pixel) const
    {
        return std::find(m_kept.begin(), m_kept.end(), pixel | 0xff000000) != m_kept.end();
    }

    QImage &m_image;
    uchar *m_bits = nullptr;
    qsizetype m_stride = 0;
    int m_width = 0;
    std::vector<Row> m_rows;
    std::vector<QRgb> m_kept; // opaque
    std::uint32_t m_generation = 1;
    int m_left = INT_MAX, m_top = INT_MAX, m_right = INT_MIN, m_bottom = INT_MIN;
};

} // namespace veltrin
