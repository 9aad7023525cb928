// SPDX-License-Identifier: GPL-3.0-or-later
#include "prediction.h"

#include "photontally.h"
#include "probabilitymap.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

std::int64_t squareOf(double at)
{
    return std::int64_t(std::floor(at / Prediction::nearRadius));
}

bool isNear(Vec2 hit, Vec2 mark)
{
    const double dx = hit.x - mark.x;
    const double dy = hit.y - mark.y;
    return dx * dx + dy * dy <= Prediction::nearRadius * Prediction::nearRadius;
}

} // namespace

void Prediction::add(Vec2 mark, const PhotonTally &landed)
{
    m_marks.push_back(mark);
    const std::span<const Vec2> kept = landed.hits();
    m_tallies.push_back({landed.near(mark, nearRadius), kept.size(), m_counted});
    m_work += kept.size();
    bin(m_marks.size() - 1);
}

void Prediction::bin(std::size_t mark)
{
    const Vec2 at = m_marks[mark];
    const std::int64_t left = squareOf(at.x - nearRadius);
    const std::int64_t right = squareOf(at.x + nearRadius);
    const std::int64_t bottom = squareOf(at.y - nearRadius);
    const std::int64_t top = squareOf(at.y + nearRadius);
    if (m_bins.empty() || left < m_firstColumn || bottom < m_firstRow ||
        right >= m_firstColumn + m_columns || top >= m_firstRow + m_rows) {
        // Bins over the reach of every mark so far, filled anew.
        const std::int64_t firstColumn = m_bins.empty() ? left : std::min(left, m_firstColumn);
        const std::int64_t firstRow = m_bins.empty() ? bottom : std::min(bottom, m_firstRow);
        const std::int64_t lastColumn =
            m_bins.empty() ? right : std::max(right, m_firstColumn + m_columns - 1);
        const std::int64_t lastRow = m_bins.empty() ? top : std::max(top, m_firstRow + m_rows - 1);
        m_firstColumn = firstColumn;
        m_firstRow = firstRow;
        m_columns = lastColumn - firstColumn + 1;
        m_rows = lastRow - firstRow + 1;
        m_bins.assign(std::size_t(m_columns * m_rows), {});
        for (std::size_t i = 0; i < mark; ++i)
            bin(i);
    }
    for (std::int64_t row = bottom; row <= top; ++row) {
        for (std::int64_t column = left; column <= right; ++column)
            binAt(column, row)->push_back(std::uint32_t(mark));
    }
}

std::vector<std::uint32_t> *Prediction::binAt(std::int64_t column, std::int64_t row)
{
    column -= m_firstColumn;
    row -= m_firstRow;
    if (column < 0 || row < 0 || column >= m_columns || row >= m_rows)
        return nullptr;
    return &m_bins[std::size_t(row * m_columns + column)];
}

void Prediction::count(std::span<const Vec2> hits)
{
    m_counted += hits.size();
    if (m_marks.empty())
        return;
    for (const Vec2 hit : hits) {
        const std::vector<std::uint32_t> *marks = binAt(squareOf(hit.x), squareOf(hit.y));
        if (!marks)
            continue;
        m_work += marks->size();
        for (const std::uint32_t mark : *marks) {
            if (isNear(hit, m_marks[mark]))
                ++m_tallies[mark].near;
        }
    }
}

void Prediction::photonsCleared()
{
    m_counted = 0;
    for (Tally &tally : m_tallies)
        tally = {};
}

void Prediction::clear()
{
    m_marks.clear();
    m_tallies.clear();
    m_bins.clear();
    m_revealed = false;
}

std::vector<Prediction::Score> Prediction::scores(const ProbabilityMap &map) const
{
    const double brightest = map.brightest().value;
    std::vector<Score> scores;
    for (std::size_t i = 0; i < m_marks.size(); ++i) {
        const Tally &tally = m_tallies[i];
        const std::size_t seen = tally.base + (m_counted - tally.from);
        scores.push_back({m_marks[i], seen > 0 ? double(tally.near) / double(seen) : 0,
                          brightest > 0 ? map.near(m_marks[i]) / brightest : 0});
    }
    return scores;
}

} // namespace veltrin
