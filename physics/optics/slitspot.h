// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "source.h"

namespace veltrin {

/// The bright spot one slit casts on a line behind the screen: how wide it is, from where the
/// probability has fallen to half of its middle's on one side to the same on the other. The
/// middle lies straight on from the source through the slit.
class SlitSpot
{
public:
    /// The spot's width, twips, `distance` behind the screen, measured no farther than `reach`
    /// either side of its middle: a spot wider than that is `2 * reach`.
    static double width(double slitWidth, Source source, double wavenumber, double distance,
                        double reach);
};

} // namespace veltrin
