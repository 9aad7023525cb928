// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitystage.h"

#include "mirror.h"
#include "runrecord.h"
#include "scenemarks.h"

#include <algorithm>

namespace veltrin {

ProbabilityStage::ProbabilityStage(Surface &surface, const RunValues &values)
    : m_surface(surface), m_values(values), m_pathSum(values.k, values.frequency)
{
    using namespace scene;
    const float baseline = float(spiralBaseline);
    surface.drawLine({float(X0), baseline}, {float(lineEnd), baseline});

    // The incoming rays, drawn again at every position from beyond the source plane, over the
    // earlier bars: lower and upper ray of each ray sample in turn.
    const Mirror mirror(values.k);
    for (int j = Mirror::firstSample; j <= Mirror::lastSample; ++j) {
        if (!Mirror::isRaySample(j))
            continue;
        const float x = float(mirror.lowerX(j));
        for (const float y : {float(Mirror::lowerY(j)), float(Mirror::upperY(j))})
            m_rays.push_back({{float(lineEnd), y}, {x, y}});
    }
}

double ProbabilityStage::drawNextPosition()
{
    using namespace scene;
    const double xd = detectorX(m_next++);
    for (const auto &[from, to] : m_rays)
        m_surface.drawLine(from, to);

    m_pathSum.sumAt({xd, Y0}, {xd, spiralBaseline});
    const std::span<const Vec2> chain = m_pathSum.chain();
    m_spiral.resize(chain.size());
    std::ranges::transform(chain, m_spiral.begin(), [](Vec2 p) {
        return PointF{float(p.x), float(p.y)};
    });
    m_surface.drawChain(m_spiral);

    const double probability = m_pathSum.probability();
    const float barX = float(xd + m_values.bars.offset);
    m_surface.drawLine({barX, float(Y0)}, {barX, float(Y0 - probability)}, m_values.bars.colour);
    return probability;
}

} // namespace veltrin
