// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "vec2.h"

#include <span>
#include <vector>

namespace veltrin {

/// A layer of glass lit straight on, at normal incidence: what it reflects and what it lets
/// through. Each surface reflects an arrow of length (n − 1)/(n + 1); the front surface's is
/// turned round, the back's is turned by the trip through the glass and back. Told with two
/// arrows, the reflection swings from nothing to four times one surface's and back every half
/// wavelength in the glass. With every echo, the paths that go back and forth inside the layer
/// join in, each through the surfaces it crosses, and reflected and transmitted light add up to
/// all the light.
class GlassLayer
{
public:
    static constexpr double lowestIndex = 1.0;
    static constexpr double highestIndex = 2.5;

    /// `thickness` in twips.
    GlassLayer(double index, double thickness) : m_index(index), m_thickness(thickness) {}

    double index() const { return m_index; }
    double thickness() const { return m_thickness; }

    /// The reflection's arrows in the order their paths grow, for drawing head to tail: the
    /// front surface's and the back's, then with `echoes` each echo, until the next would be
    /// shorter than a part in 10¹³. Every arrow is a share of one arrow of length 1.
    std::vector<Vec2> reflectionArrows(double wavenumber, bool echoes) const;
    /// The transmitted light's arrows: straight through, then each echo.
    std::vector<Vec2> transmissionArrows(double wavenumber) const;

    /// The probability that the light is reflected: the squared length of the arrows' sum.
    double reflection(double wavenumber, bool echoes) const;
    /// The probability that it goes through, with every echo.
    double transmission(double wavenumber) const;

    /// The reflection for each wavenumber, as white light's colours take it.
    std::vector<double> reflections(std::span<const double> wavenumbers, bool echoes) const;

private:
    double m_index;
    double m_thickness;
};

} // namespace veltrin
