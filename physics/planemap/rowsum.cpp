// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowsum.h"

#include "rowsumjob.h"
#include "scene.h"

#include <cassert>
#include <cmath>
#include <numbers>

namespace veltrin {

namespace {

RowSum::Lanes widestLanes()
{
#if defined(VELTRIN_ROWSUM_X86)
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq"))
        return RowSum::Lanes::Avx512;
    if (__builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma"))
        return RowSum::Lanes::Avx2;
#endif
    return RowSum::Lanes::Baseline;
}

// Whether the points are two halves that mirror each other across the axis, point for point.
bool halvesMirrorEachOther(std::span<const MirrorPoint> points)
{
    if (points.size() % 2 != 0)
        return false;
    const std::size_t half = points.size() / 2;
    for (std::size_t i = 0; i < half; ++i) {
        const MirrorPoint &lower = points[i];
        const MirrorPoint &upper = points[half + i];
        if (lower.present != upper.present || lower.depth != upper.depth ||
            lower.y - scene::Y0 != scene::Y0 - upper.y)
            return false;
    }
    return true;
}

} // namespace

RowSum::Lanes RowSum::lanes()
{
    static const Lanes chosen = widestLanes();
    return chosen;
}

const char *RowSum::nameOf(Lanes lanes)
{
    switch (lanes) {
    case Lanes::Avx512:
        return "AVX-512";
    case Lanes::Avx2:
        return "AVX2";
    case Lanes::Baseline:
        break;
    }
    return "baseline";
}

RowSum::RowSum(std::span<const MirrorPoint> points, double wavenumber, Source source,
               double arrowLength)
    : m_arrowLength(arrowLength), m_turnsPerTwip(wavenumber / (2 * std::numbers::pi))
{
    m_symmetric =
        halvesMirrorEachOther(points) && (!source.isPoint() || source.at().y == scene::Y0);
    for (const MirrorPoint &point : points) {
        if (!point.present)
            continue;
        m_x.push_back(float(point.x()));
        m_y.push_back(point.y);
        // Exactly here, in double precision: the source's leg is up to a hundred turns long,
        // where a float would keep only a thousandth of a turn.
        const double turns = source.pathTo(point) * m_turnsPerTwip;
        m_sourceTurns.push_back(float(turns - std::floor(turns)));
    }
}

RowSum::RowSum(const ArrowFan &fan, double wavenumber, double arrowLength)
    : m_arrowLength(arrowLength * fan.amplitude),
      m_turnsPerTwip(fan.index * wavenumber / (2 * std::numbers::pi))
{
    const double turnsPerTwip = wavenumber / (2 * std::numbers::pi);
    for (std::size_t i = 0; i < fan.points.size(); ++i) {
        m_x.push_back(float(fan.points[i].x));
        m_y.push_back(fan.points[i].y);
        const double turns = fan.pathBefore[i] * turnsPerTwip;
        m_sourceTurns.push_back(float(turns - std::floor(turns)));
    }
}

void RowSum::resultants(double y, std::span<const double> xs, std::span<double> sumX,
                        std::span<double> sumY) const
{
    resultants(lanes(), y, xs, sumX, sumY);
}

void RowSum::resultants(Lanes lanes, double y, std::span<const double> xs, std::span<double> sumX,
                        std::span<double> sumY) const
{
    assert(sumX.size() >= xs.size() && sumY.size() >= xs.size());
    const int blocks = int((xs.size() + rowsum::block - 1) / rowsum::block);
    const std::size_t padded = std::size_t(blocks) * rowsum::block;
    std::vector<float> detectorX(padded, xs.empty() ? 0.0f : float(xs.back()));
    for (std::size_t i = 0; i < xs.size(); ++i)
        detectorX[i] = float(xs[i]);
    std::vector<float> riseSquared(m_y.size());
    for (std::size_t i = 0; i < m_y.size(); ++i)
        riseSquared[i] = float((m_y[i] - y) * (m_y[i] - y));
    std::vector<double> x(padded);
    std::vector<double> yParts(padded);

    const rowsum::Job job{m_x.data(),
                          riseSquared.data(),
                          m_sourceTurns.data(),
                          int(m_x.size()),
                          float(m_turnsPerTwip),
                          detectorX.data(),
                          blocks,
                          x.data(),
                          yParts.data()};
    switch (lanes) {
#if defined(VELTRIN_ROWSUM_X86)
    case Lanes::Avx512:
        rowsum::sumAvx512(job);
        break;
    case Lanes::Avx2:
        rowsum::sumAvx2(job);
        break;
#endif
    default:
        rowsum::sumBaseline(job);
        break;
    }
    for (std::size_t i = 0; i < xs.size(); ++i) {
        sumX[i] = m_arrowLength * x[i];
        sumY[i] = m_arrowLength * yParts[i];
    }
}

} // namespace veltrin
