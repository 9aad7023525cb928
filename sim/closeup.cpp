// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeup.h"

#include "scene.h"
#include "mirror.h"
#include "pathsum.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

CloseUp::CloseUp(double k, double frequency, int arrowCount, int position)
    : m_k(k), m_frequency(frequency), m_position(position)
{
    using namespace scene;
    const double xd = detectorX();
    // The sum of the run itself, started where the run starts its spiral, so that with every
    // sample the chain is the run's to the last bit.
    PathSum pathSum(k, frequency, arrowCount);
    pathSum.sumAt(xd, scene::spiralBaseline);
    m_chain.assign(pathSum.spiral().begin(), pathSum.spiral().end());
    m_probability = pathSum.probability();
    m_arrowLength = PathSum::arrowLength * Mirror::sampleCount / arrowCount;

    const Mirror mirror(k);
    const std::span<const double> phases = pathSum.phases();
    m_arrows.reserve(phases.size());
    for (std::size_t i = 0; i < phases.size(); ++i) {
        const int j = pathSum.sampleOf(int(i));
        const double mirrorX = mirror.lowerX(j);
        const double height = Mirror::lowerY(j) - Y0;
        const double path = (XS - mirrorX) + std::hypot(xd - mirrorX, height);
        m_arrows.push_back({j, height, mirrorX - X0, path, phases[i]});
    }
    const auto shortest = std::ranges::min_element(m_arrows, {}, &Arrow::pathLength);
    m_leastTimeArrow = int(shortest - m_arrows.begin());
}

double CloseUp::detectorX() const
{
    return scene::detectorX(m_position);
}

double CloseUp::detectorDistance() const
{
    return detectorX() - scene::X0;
}

double CloseUp::focalLength() const
{
    return 1 / (4 * m_k);
}

double CloseUp::resultantLength() const
{
    return std::sqrt(m_probability / PathSum::probabilityScale);
}

} // namespace veltrin
