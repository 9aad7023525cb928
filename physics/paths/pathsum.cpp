// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathsum.h"

#include "cossin.h"

#include <algorithm>
#include <cmath>

#if defined(__x86_64__) && defined(__GNUC__)
#define VELTRIN_AVX2_CLONE __attribute__((target_clones("avx2", "default")))
#else
#define VELTRIN_AVX2_CLONE
#endif

namespace veltrin {

namespace {

// The phases, in a loop free of dependencies that the compiler vectorizes, square roots
// included (this file does not set errno, which only a negative root would): four at a time on
// a processor with AVX2.
VELTRIN_AVX2_CLONE void phasesOf(double dx, double dy, double wavenumber, const double *incoming,
                                 const double *depth, const double *y, double *phase, int count)
{
    for (int i = 0; i < count; ++i) {
        const double across = dx - depth[i] - scene::X0;
        const double up = y[i] - dy;
        const double r = std::sqrt(up * up + across * across);
        phase[i] = (incoming[i] + r) * wavenumber;
    }
}

} // namespace

double PathSum::resultantLengthOf(double probability)
{
    return std::sqrt(probability / probabilityScale);
}

PathSum::PathSum(double k, double wavenumber) : PathSum(Mirror(k).lowerHalf(), wavenumber) {}

PathSum::PathSum(std::span<const MirrorPoint> points, double wavenumber, Source source,
                 double arrowLength)
    : m_wavenumber(wavenumber), m_arrowLength(arrowLength)
{
    std::ranges::copy_if(points, std::back_inserter(m_points), &MirrorPoint::present);
    const std::size_t n = m_points.size();
    m_incoming.reserve(n);
    m_depth.reserve(n);
    m_y.reserve(n);
    for (const MirrorPoint &point : m_points) {
        m_incoming.push_back(source.pathTo(point));
        m_depth.push_back(point.depth);
        m_y.push_back(point.y);
    }
    m_phase.resize(n);
    m_cos.resize(n);
    m_sin.resize(n);
    m_chain.resize(n + 1);
}

void PathSum::turnArrows(Vec2 detector)
{
    phasesOf(detector.x, detector.y, m_wavenumber, m_incoming.data(), m_depth.data(), m_y.data(),
             m_phase.data(), int(m_phase.size()));
    cosSinOf(m_phase, m_cos, m_sin);
}

void PathSum::sumAt(Vec2 detector, Vec2 chainStart)
{
    turnArrows(detector);
    // Head to tail, in the order of the points.
    Vec2 pen = chainStart;
    m_chain[0] = pen;
    for (std::size_t i = 0; i < m_phase.size(); ++i) {
        pen.x += m_arrowLength * m_cos[i];
        pen.y += m_arrowLength * m_sin[i];
        m_chain[i + 1] = pen;
    }
    m_probability = probabilityOf({pen.x - chainStart.x, pen.y - chainStart.y});
}

Vec2 PathSum::resultantAt(Vec2 detector)
{
    turnArrows(detector);
    double sumCos = 0;
    double sumSin = 0;
    for (std::size_t i = 0; i < m_phase.size(); ++i) {
        sumCos += m_cos[i];
        sumSin += m_sin[i];
    }
    return {m_arrowLength * sumCos, m_arrowLength * sumSin};
}

} // namespace veltrin
