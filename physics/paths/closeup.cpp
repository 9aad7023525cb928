// SPDX-License-Identifier: GPL-3.0-or-later
#include "closeup.h"

#include "mirror.h"
#include "pathsum.h"
#include "scene.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

CloseUp::CloseUp(double k, double frequency, int arrowCount, int position)
    : m_k(k), m_frequency(frequency), m_position(position)
{
    using namespace scene;
    const double xd = detectorX();
    // The sum of the run itself, started where the run starts its spiral, so that with every
    // sample the chain is the run's to the last bit. Each arrow of a coarser sum stands for as
    // many samples as it is longer, so that the chain still spans the whole mirror.
    const std::vector<MirrorPoint> points = Mirror(k).lowerHalf(arrowCount);
    m_arrowLength = PathSum::arrowLength * Mirror::sampleCount / arrowCount;
    PathSum pathSum(points, frequency, Source::beam(), m_arrowLength);
    pathSum.sumAt({xd, Y0}, {xd, spiralBaseline});
    m_chain.assign(pathSum.chain().begin(), pathSum.chain().end());
    m_probability = pathSum.probability();

    const std::span<const double> phases = pathSum.phases();
    m_arrows.reserve(phases.size());
    for (std::size_t i = 0; i < phases.size(); ++i) {
        const MirrorPoint &point = points[i];
        const double height = point.y - Y0;
        const double path = (XS - point.x()) + std::hypot(xd - point.x(), height);
        m_arrows.push_back({point.sample, height, point.depth, path, phases[i]});
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
    return scene::focalLength(m_k);
}

double CloseUp::resultantLength() const
{
    return PathSum::resultantLengthOf(m_probability);
}

} // namespace veltrin
