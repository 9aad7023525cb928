// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasslayer.h"

#include "lightpath.h"

#include <cmath>

namespace veltrin {

namespace {

// Echoes shorter than this add nothing a probability shows.
constexpr double shortestEcho = 1e-13;

double squaredLengthOfSum(const std::vector<Vec2> &arrows)
{
    Vec2 sum;
    for (const Vec2 &arrow : arrows) {
        sum.x += arrow.x;
        sum.y += arrow.y;
    }
    return sum.x * sum.x + sum.y * sum.y;
}

/// The arrows of the paths that leave the glass from `inside`, each a round trip longer than the
/// one before, until they fade.
void addEchoes(LightPath inside, double index, double thickness, double wavenumber,
               std::vector<Vec2> &arrows)
{
    for (;;) {
        const LightPath out = LightPath(inside).cross(index, 1);
        arrows.push_back(out.arrow(wavenumber));
        if (!(std::abs(out.amplitude()) >= shortestEcho))
            return;
        // Back from the far surface and again from the near one, inside the glass.
        inside.reflect(index, 1).go(thickness, index).reflect(index, 1).go(thickness, index);
    }
}

} // namespace

std::vector<Vec2> GlassLayer::reflectionArrows(double wavenumber, bool echoes) const
{
    const double n = m_index;
    const double t = m_thickness;
    // The front surface turns the light back into air from the denser glass: turned round.
    std::vector<Vec2> arrows{LightPath().reflect(1, n).arrow(wavenumber)};
    if (!echoes) {
        arrows.push_back(LightPath().go(t, n).reflect(n, 1).go(t, n).arrow(wavenumber));
        return arrows;
    }
    addEchoes(LightPath().cross(1, n).go(t, n).reflect(n, 1).go(t, n), n, t, wavenumber, arrows);
    return arrows;
}

std::vector<Vec2> GlassLayer::transmissionArrows(double wavenumber) const
{
    std::vector<Vec2> arrows;
    addEchoes(LightPath().cross(1, m_index).go(m_thickness, m_index), m_index, m_thickness,
              wavenumber, arrows);
    return arrows;
}

double GlassLayer::reflection(double wavenumber, bool echoes) const
{
    return squaredLengthOfSum(reflectionArrows(wavenumber, echoes));
}

double GlassLayer::transmission(double wavenumber) const
{
    return squaredLengthOfSum(transmissionArrows(wavenumber));
}

std::vector<double> GlassLayer::reflections(std::span<const double> wavenumbers, bool echoes) const
{
    std::vector<double> values;
    values.reserve(wavenumbers.size());
    for (double wavenumber : wavenumbers)
        values.push_back(reflection(wavenumber, echoes));
    return values;
}

} // namespace veltrin
