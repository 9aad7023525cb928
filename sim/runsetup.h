#pragma once

#include "colour.h"

#include <QString>

namespace veltrin {

class Surface;

/// How a run's probability bars look: their colour, and how far right of the detector
/// position they stand, so that runs at different frequencies stand side by side.
struct BarStyle
{
    double offset = 0; ///< twips
    Colour colour = Colour::rgb(0, 0, 0);
};

/// The values one run is drawn with, taken from the parameter fields at its start.
struct RunValues
{
    double k = 0;          ///< mirror constant, the number in nOsKruh
    double frequency = 0;  ///< radians of phase per twip of path, the number in nKmitočet
    double delayCount = 0; ///< the wait after each detector position, from nSpomaleni
    BarStyle bars;
    double rayLength = 0; ///< length of the reflected rays
};

/// Bars of Low, Middle and High stand side by side in red, green and blue; a text that is
/// none of the three frequencies gives black bars at offset 0.
BarStyle decodeFrequency(const QString &text);

/// The reflected rays are long enough to reach past the focus of each mirror; a text that is
/// none of the four constants gives rays of no length.
double decodeRayLength(const QString &text);

/// The first stage of Start: reads the parameters, hides the prompt on the first run or asks
/// whether to delete the earlier probability bars, and draws the axis and the vertex line.
class RunSetup
{
public:
    static RunValues run(Surface &surface);
};

} // namespace veltrin
