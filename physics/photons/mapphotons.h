// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "planephotons.h"

namespace veltrin {

class ProbabilityMap;

/// Photons that follow a probability map: each point of its grid stands for the cell around
/// it, cut where the map ends; coordinates are the map's.
class MapPhotons : public PlanePhotons
{
public:
    explicit MapPhotons(const ProbabilityMap &map);
};

} // namespace veltrin
