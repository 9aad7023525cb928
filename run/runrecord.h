// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "choices.h"

#include <QString>
#include <array>
#include <vector>

namespace veltrin {

/// The values one run is drawn with, taken from the parameter fields when Start is pressed.
struct RunValues
{
    double k = 0;          ///< mirror constant, the number in nOsKruh
    double frequency = 0;  ///< radians of phase per twip of path, the number in nKmitočet
    double delayCount = 0; ///< the wait after each detector position, from nSpomaleni
    BarStyle bars;
    double rayLength = 0; ///< length of the reflected rays
};

/// One run as it stands on the drawing: what it read, how it began, and the probability at
/// each detector position it has drawn so far. Enough to draw the run again and to tell its
/// numbers.
struct RunRecord
{
    QString kText;         ///< nOsKruh as the run read it
    QString frequencyText; ///< nKmitočet as the run read it
    RunValues values;
    bool firstRun = true;              ///< it painted over the prompt and asked nothing
    bool erasedAll = false;            ///< asked "Delete probability", it was answered Yes
    std::vector<double> probabilities; ///< bar heights in twips, by detector position
    /// Where the spirals drawn so far lie, in twips: left, top, right, bottom; none yet where
    /// left > right.
    std::array<float, 4> spiralBounds{1, 1, 0, 0};
};

} // namespace veltrin
