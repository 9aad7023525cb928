#include "pathsum.h"

#include "mirror.h"

#include <cmath>

namespace veltrin {

PathSum::PathSum(double k, double frequency)
    : m_frequency(frequency), m_incoming(Mirror::sampleCount), m_depth(Mirror::sampleCount),
      m_height2(Mirror::sampleCount), m_phase(Mirror::sampleCount),
      m_spiral(Mirror::sampleCount + 1)
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
    // The phases first, in a loop free of dependencies that the compiler can vectorize.
    const int n = Mirror::sampleCount;
    for (int i = 0; i < n; ++i) {
        const double across = xd - m_depth[i] - scene::X0;
        const double r = std::sqrt(m_height2[i] + across * across);
        m_phase[i] = (m_incoming[i] + r) * m_frequency;
    }
    double cx = xd;
    double cy = startY;
    m_spiral[0] = {float(cx), float(cy)};
    for (int i = 0; i < n; ++i) {
        cx += arrowLength * std::cos(m_phase[i]);
        cy += arrowLength * std::sin(m_phase[i]);
        m_spiral[i + 1] = {float(cx), float(cy)};
    }
    m_probability = ((cy - startY) * (cy - startY) + (cx - xd) * (cx - xd)) * probabilityScale;
}

} // namespace veltrin
