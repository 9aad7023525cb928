// SPDX-License-Identifier: GPL-3.0-or-later
#include "glasslayer.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace veltrin;

namespace {

constexpr double pi = std::numbers::pi;

/// Half a wavelength inside glass of index n, twips.
double halfWaveInGlass(double wavenumber, double n)
{
    return pi / (wavenumber * n);
}

/// The layer's reflection with every echo in closed form (the Airy formula), for a phase δ of
/// the round trip through the glass: F sin²(δ/2) / (1 + F sin²(δ/2)), F = 4r² / (1 − r²)².
double airyReflection(double n, double delta)
{
    const double r = (n - 1) / (n + 1);
    const double f = 4 * r * r / ((1 - r * r) * (1 - r * r));
    const double s = std::sin(delta / 2);
    return f * s * s / (1 + f * s * s);
}

} // namespace

// Nothing for a layer too thin to turn the back's arrow, four times one surface's share a quarter
// wave in, nothing again half a wave in: the period is half a wavelength in the glass, not in air.
TEST(GlassLayer, TwoArrowsSwingFromNothingToSixteenPercentEveryHalfWavelengthInTheGlass)
{
    for (double n : {1.5, 2.2}) {
        for (double k : {0.01, 0.027}) {
            const double half = halfWaveInGlass(k, n);
            const double r = (n - 1) / (n + 1);
            for (int periods : {0, 3}) {
                EXPECT_NEAR(GlassLayer(n, periods * half).reflection(k, false), 0, 1e-12);
                EXPECT_NEAR(GlassLayer(n, (periods + 0.5) * half).reflection(k, false), 4 * r * r,
                            1e-12);
            }
            EXPECT_EQ(GlassLayer(n, 100).reflectionArrows(k, false).size(), 2u);
        }
    }
    EXPECT_NEAR(GlassLayer(1.5, halfWaveInGlass(0.02, 1.5) / 2).reflection(0.02, false), 0.16,
                1e-12);
}

// The echoes bring the peak down to 14.8% for glass of 1.5, and what is not reflected goes
// through, at every thickness.
TEST(GlassLayer, WithEveryEchoItIsTheAiryResultAndNoLightIsLost)
{
    const double k = 0.02;
    for (double n : {1.5, 2.5}) {
        for (double t = 0; t < 400; t += 13.7) {
            const GlassLayer layer(n, t);
            const double reflected = layer.reflection(k, true);
            EXPECT_NEAR(reflected, airyReflection(n, 2 * k * n * t), 1e-12) << n << ", " << t;
            EXPECT_NEAR(reflected + layer.transmission(k), 1, 1e-12) << n << ", " << t;
        }
    }
    const double peak = GlassLayer(1.5, halfWaveInGlass(k, 1.5) / 2).reflection(k, true);
    EXPECT_NEAR(peak, 0.148, 0.0005);
}
