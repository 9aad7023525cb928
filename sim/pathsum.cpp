// SPDX-License-Identifier: GPL-3.0-or-later
#include "pathsum.h"

#include "cossin.h"
#include "mirror.h"

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

PathSum::PathSum(double k, double frequency)
    : m_frequency(frequency), m_incoming(Mirror::sampleCount), m_depth(Mirror::sampleCount),
      m_height2(Mirror::sampleCount), m_phase(Mirror::sampleCount), m_cos(Mirror::sampleCount),
      m_sin(Mirror::sampleCount), m_spiral(Mirror::sampleCount + 1)
{
    const Mirror mirror(k);
    for (int i = 0; i < Mirror::sampleCount; ++i) {
        const int j = Mirror::firstSample + i;
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
    const int n = Mirror::sampleCount;
    phasesOf(xd, m_frequency, m_incoming.data(), m_depth.data(), m_height2.data(), m_phase.data(),
             n);
    cosSinOf(m_phase, m_cos, m_sin);
    // Head to tail, in the order of the samples.
    double cx = xd;
    double cy = startY;
    m_spiral[0] = {float(cx), float(cy)};
    for (int i = 0; i < n; ++i) {
        cx += arrowLength * m_cos[i];
        cy += arrowLength * m_sin[i];
        m_spiral[i + 1] = {float(cx), float(cy)};
    }
    m_probability = ((cy - startY) * (cy - startY) + (cx - xd) * (cx - xd)) * probabilityScale;
}

} // namespace veltrin
