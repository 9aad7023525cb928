// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathsum.h"

#include "cossin.h"
#include "mirror.h"

#include <cassert>
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
VELTRIN_AVX2_CLONE void phasesOf(double xd, double frequency, const double *incoming,
                                 const double *depth, const double *height2, double *phase,
                                 int count)
{
    for (int i = 0; i < count; ++i) {
        const double across = xd - depth[i] - scene::X0;
        const double r = std::sqrt(height2[i] + across * across);
        phase[i] = (incoming[i] + r) * frequency;
    }
}

} // namespace

PathSum::PathSum(double k, double frequency) : PathSum(k, frequency, Mirror::sampleCount) {}

PathSum::PathSum(double k, double frequency, int arrows)
    : m_frequency(frequency), m_stride(Mirror::sampleCount / arrows),
      m_firstSample(Mirror::firstSample + m_stride / 2), m_arrowLength(arrowLength * m_stride),
      m_incoming(arrows), m_depth(arrows), m_height2(arrows), m_phase(arrows), m_cos(arrows),
      m_sin(arrows), m_spiral(arrows + 1)
{
    assert(arrows > 0 && Mirror::sampleCount % arrows == 0);
    const Mirror mirror(k);
    for (int i = 0; i < arrows; ++i) {
        const int j = sampleOf(i);
        const double xm = mirror.depth(Mirror::parameter(j));
        const double height = Mirror::lowerY(j) - scene::Y0;
        m_depth[i] = xm;
        // Measured from the source plane to the depth xm, not to X0 + xm: the same for every
        // path, so the spiral's shape does not change.
        m_incoming[i] = scene::XS - xm;
        m_height2[i] = height * height;
    }
}

void PathSum::sumAt(double xd, double startY)
{
    const int n = int(m_phase.size());
    phasesOf(xd, m_frequency, m_incoming.data(), m_depth.data(), m_height2.data(), m_phase.data(),
             n);
    cosSinOf(m_phase, m_cos, m_sin);
    // Head to tail, in the order of the samples.
    double cx = xd;
    double cy = startY;
    m_spiral[0] = {float(cx), float(cy)};
    for (int i = 0; i < n; ++i) {
        cx += m_arrowLength * m_cos[i];
        cy += m_arrowLength * m_sin[i];
        m_spiral[i + 1] = {float(cx), float(cy)};
    }
    m_probability = ((cy - startY) * (cy - startY) + (cx - xd) * (cx - xd)) * probabilityScale;
}

} // namespace veltrin
