#pragma once

#include "colour.h"

#include <QString>

namespace veltrin {

class Surface;

/// The values one run is drawn with, taken from the parameter fields at its start.
struct RunValues
{
    double k = 0;          ///< mirror constant, the number in nOsKruh
    double frequency = 0;  ///< radians of phase per twip of path, the number in nKmitočet
    double delayCount = 0; ///< the wait after each detector position, from nSpomaleni
    double barOffset = 0;  ///< twips right of the detector position
    Colour barColour = Colour::rgb(0, 0, 0);
    double rayLength = 0; ///< length of the reflected rays
};

struct BarStyle
{
    double offset = 0;
    Colour colour = Colour::rgb(0, 0, 0);
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
