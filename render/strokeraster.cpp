// SPDX-License-Identifier: GPL-3.0-or-later
#include "strokeraster.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace veltrin {

namespace {

/// Where x runs along a row: from lo to hi, empty where lo > hi.
struct Interval
{
    double lo = 1;
    double hi = 0;

    bool empty() const { return lo > hi; }
    Interval operator&(Interval other) const
    {
        return {std::max(lo, other.lo), std::min(hi, other.hi)};
    }
    /// Both within one convex shape, so the hull of the two is their union.
    Interval operator|(Interval other) const
    {
        if (empty())
            return other;
        if (other.empty())
            return *this;
        return {std::min(lo, other.lo), std::max(hi, other.hi)};
    }
};

constexpr Interval everywhere{-HUGE_VAL, HUGE_VAL};

// Floor and ceiling of a value within the range of int, without the library's calls, which the
// compiler makes where the processor may lack SSE4.1.
int floorOf(double value)
{
    const int truncated = int(value);
    return truncated - (value < truncated);
}

int ceilOf(double value)
{
    const int truncated = int(value);
    return truncated + (value > truncated);
}

/// The x where (x, y) lies within the disc.
Interval discAt(QPointF centre, double radius, double y)
{
    const double dy = y - centre.y();
    const double square = radius * radius - dy * dy;
    if (square < 0)
        return {};
    const double half = std::sqrt(square);
    return {centre.x() - half, centre.x() + half};
}

/// The x where base + x * slope lies within [low, high].
Interval solve(double base, double slope, double low, double high)
{
    if (slope == 0)
        return base >= low && base <= high ? everywhere : Interval{};
    const double a = (low - base) / slope;
    const double b = (high - base) / slope;
    return {std::min(a, b), std::max(a, b)};
}

} // namespace

void StrokeRaster::follow()
{
    uchar *const bits = m_image.bits(); // detaches a picture shared with a copy
    if (bits == m_bits && m_rows.size() == std::size_t(m_image.height()) &&
        m_width == m_image.width())
        return;
    m_bits = bits;
    m_stride = m_image.bytesPerLine();
    m_width = m_image.width();
    m_rows.assign(std::size_t(m_image.height()), Row{});
    m_generation = 1;
}

void StrokeRaster::forget()
{
    if (++m_generation == 0) {
        m_rows.assign(m_rows.size(), Row{});
        m_generation = 1;
    }
}

QRect StrokeRaster::takeChanged()
{
    const QRect changed =
        m_left <= m_right ? QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom)) : QRect();
    m_left = m_top = INT_MAX;
    m_right = m_bottom = INT_MIN;
    return changed;
}

void StrokeRaster::fill(int y, int left, int right, QRgb colour, bool under)
{
    if (y < 0 || y >= int(m_rows.size()))
        return;
    left = std::max(left, 0);
    right = std::min(right, m_width - 1);
    if (left > right)
        return;
    auto *line = reinterpret_cast<QRgb *>(m_bits + y * m_stride);
    Row &row = m_rows[std::size_t(y)];
    if (row.generation == m_generation && row.colour == colour && left <= row.right + 1 &&
        right >= row.left - 1) {
        // Only what lies beyond the row's last span of this colour can change.
        if (left < row.left)
            set(line, y, left, row.left - 1, colour, under);
        if (right > row.right)
            set(line, y, row.right + 1, right, colour, under);
        if (under && (left < row.left || right > row.right)) {
            row = {}; // kept pixels may interrupt the colour
            return;
        }
        row.left = std::min(row.left, left);
        row.right = std::max(row.right, right);
        return;
    }
    set(line, y, left, right, colour, under);
    row = under ? Row{} : Row{left, right, colour, m_generation};
}

void StrokeRaster::set(QRgb *line, int y, int left, int right, QRgb colour, bool under)
{
    QRgb differs = 0; // a loop without early exit, which the compiler vectorizes
    for (int x = left; x <= right; ++x)
        differs |= line[x] ^ colour;
    if (!differs)
        return;
    int first = right + 1, last = left - 1;
    under = under && !m_kept.empty();
    for (int x = left; x <= right; ++x) {
        if (line[x] == colour || (under && isKept(line[x])))
            continue;
        line[x] = colour;
        first = std::min(first, x);
        last = x;
    }
    m_left = std::min(m_left, first);
    m_right = std::max(m_right, last);
    m_top = std::min(m_top, y);
    m_bottom = std::max(m_bottom, y);
}

void StrokeRaster::fillBetween(int y, double lo, double hi, QRgb colour, bool under)
{
    // Clamped first: a stroke may reach far beyond the picture.
    fill(y, ceilOf(std::max(lo, -1.0)), floorOf(std::min(hi, double(m_width))), colour, under);
}

std::pair<int, int> StrokeRaster::rowsBetween(double top, double bottom) const
{
    const double last = double(m_rows.size()) - 1;
    return {ceilOf(std::clamp(top, 0.0, last + 1)), floorOf(std::clamp(bottom, -1.0, last))};
}

void StrokeRaster::line(QPointF a, QPointF b, double width, QRgb colour, bool under)
{
    if (!std::isfinite(a.x() + a.y() + b.x() + b.y() + width))
        return;
    follow();
    const double half = width / 2;
    // Pixel x covers the centre x + 0.5: shift the line instead of every pixel.
    a -= QPointF(0.5, 0.5);
    b -= QPointF(0.5, 0.5);
    if (a.y() > b.y())
        std::swap(a, b);
    const auto [top, bottom] = rowsBetween(a.y() - half, b.y() + half);
    const QPointF d = b - a;
    if (d.x() == 0) {
        // Upright, as the bars: the band between the ends, an end's disc beyond them.
        for (int y = top; y <= bottom; ++y) {
            const Interval span = y < a.y()   ? discAt(a, half, y)
                                  : y > b.y() ? discAt(b, half, y)
                                              : Interval{a.x() - half, a.x() + half};
            if (!span.empty())
                fillBetween(y, span.lo, span.hi, colour, under);
        }
        return;
    }
    if (d.y() == 0) {
        // Level, as the rays and the erase band: the ends' discs reach out of the band.
        const double left = std::min(a.x(), b.x());
        const double right = std::max(a.x(), b.x());
        for (int y = top; y <= bottom; ++y) {
            const double dy = y - a.y();
            const double reach = std::sqrt(std::max(0.0, half * half - dy * dy));
            fillBetween(y, left - reach, right + reach, colour, under);
        }
        return;
    }
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length;
    for (int y = top; y <= bottom; ++y) {
        // Between the ends: along the line within its length, across it within the band.
        const double dy = y - a.y();
        const Interval along = solve(dy * u.y() - a.x() * u.x(), u.x(), 0, length);
        const Interval across = solve(-dy * u.x() - a.x() * u.y(), u.y(), -half, half);
        const Interval span = discAt(a, half, y) | discAt(b, half, y) | (along & across);
        if (!span.empty())
            fillBetween(y, span.lo, span.hi, colour, under);
    }
}

void StrokeRaster::ring(QPointF centre, double radius, double width, QRgb colour)
{
    if (!std::isfinite(centre.x() + centre.y() + radius + width))
        return;
    follow();
    const double outer = radius + width / 2;
    const double inner = std::max(0.0, radius - width / 2);
    centre -= QPointF(0.5, 0.5);
    const auto [top, bottom] = rowsBetween(centre.y() - outer, centre.y() + outer);
    for (int y = top; y <= bottom; ++y) {
        const Interval band = discAt(centre, outer, y);
        if (band.empty())
            continue;
        const Interval hole = discAt(centre, inner, y);
        if (hole.empty()) {
            fillBetween(y, band.lo, band.hi, colour);
            continue;
        }
        // A pixel on the inner edge belongs to the band.
        fillBetween(y, band.lo, hole.lo, colour);
        fillBetween(y, hole.hi, band.hi, colour);
    }
}

} // namespace veltrin
