// SPDX-License-Identifier: GPL-3.0-or-later
#include "probabilitystage.h"

#include "mirror.h"
#include "runrecord.h"
#include "scenemarks.h"

#include <algorithm>

namespace veltrin {

namespace {

/// The incoming rays, drawn again at every position from beyond the source plane, over the
/// earlier bars: lower and upper ray of each ray sample in turn.
std::vector<std::pair<PointF, PointF>> incomingRays(double k)
{
    using namespace scene;
    std::vector<std::pair<PointF, PointF>> rays;
    const Mirror mirror(k);
    for (int j = Mirror::firstSample; j <= Mirror::lastSample; ++j) {
        if (!Mirror::isRaySample(j))
            continue;
        const float x = float(mirror.lowerX(j));
        for (const float y : {float(Mirror::lowerY(j)), float(Mirror::upperY(j))})
            rays.push_back({{float(lineEnd), y}, {x, y}});
    }
    return rays;
}

void drawBaseline(Surface &surface)
{
    using namespace scene;
    const float baseline = float(spiralBaseline);
    surface.drawLine({float(X0), baseline}, {float(lineEnd), baseline});
}

void drawBar(Surface &surface, const RunValues &values, int position, double probability)
{
    using namespace scene;
    const float barX = float(detectorX(position) + values.bars.offset);
    surface.drawLine({barX, float(Y0)}, {barX, float(Y0 - probability)}, values.bars.colour);
}

} // namespace

ProbabilityStage::ProbabilityStage(Surface &surface, const RunValues &values)
    : m_surface(surface), m_values(values), m_rays(incomingRays(values.k)),
      m_pathSum(values.k, values.frequency)
{
    drawBaseline(surface);
}

double ProbabilityStage::drawNextPosition()
{
    using namespace scene;
    const int position = m_next++;
    const double xd = detectorX(position);
    for (const auto &[from, to] : m_rays)
        m_surface.drawLine(from, to);

    m_pathSum.sumAt({xd, Y0}, {xd, spiralBaseline});
    const std::span<const Vec2> chain = m_pathSum.chain();
    m_spiral.resize(chain.size());
    std::ranges::transform(chain, m_spiral.begin(), [](Vec2 p) {
        return PointF{float(p.x), float(p.y)};
    });
    m_surface.drawChain(m_spiral);
    if (!m_spiral.empty()) {
        const auto [left, right] = std::ranges::minmax(m_spiral, {}, &PointF::x);
        const auto [top, bottom] = std::ranges::minmax(m_spiral, {}, &PointF::y);
        const bool first = m_spiralBounds[0] > m_spiralBounds[2];
        m_spiralBounds = {first ? left.x : std::min(m_spiralBounds[0], left.x),
                          first ? top.y : std::min(m_spiralBounds[1], top.y),
                          first ? right.x : std::max(m_spiralBounds[2], right.x),
                          first ? bottom.y : std::max(m_spiralBounds[3], bottom.y)};
    }

    const double probability = m_pathSum.probability();
    drawBar(m_surface, m_values, position, probability);
    return probability;
}

void ProbabilityStage::drawBarsAgain(Surface &surface, const RunValues &values,
                                     std::span<const double> probabilities, bool withRays,
                                     std::span<const double> coveredUpTo)
{
    drawBaseline(surface);
    if (probabilities.empty())
        return;
    // Bars start on the axis, so a later bar of the same place, pen and colour that reaches as
    // high covers every pixel of this one, whatever was drawn between them.
    const auto drawUncovered = [&](int i) {
        if (std::size_t(i) >= coveredUpTo.size() || !(coveredUpTo[i] >= probabilities[i]))
            drawBar(surface, values, i, probabilities[i]);
    };
    const int last = int(probabilities.size()) - 1;
    for (int i = 0; i < last; ++i)
        drawUncovered(i);
    if (withRays) {
        for (const auto &[from, to] : incomingRays(values.k))
            surface.drawLine(from, to);
    }
    drawUncovered(last);
}

} // namespace veltrin
