// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonsampler.h"

#include "photonrandom.h"

#include <algorithm>
#include <cmath>

namespace veltrin {

PhotonSampler::PhotonSampler(std::span<const double> weights)
{
    m_cumulative.reserve(weights.size());
    double sum = 0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        const double w = weights[i];
        if (std::isfinite(w) && w > 0) {
            sum += w;
            m_lastWeighted = i;
        }
        m_cumulative.push_back(sum);
    }
}

std::size_t PhotonSampler::cellAt(double u) const
{
    // A cell without weight shares its running sum with the cell before it, so the first sum
    // beyond the target is always a weighted cell's.
    const double target = u * total();
    const auto it = std::upper_bound(m_cumulative.begin(), m_cumulative.end(), target);
    return std::min(std::size_t(it - m_cumulative.begin()), m_lastWeighted);
}

std::size_t PhotonSampler::draw(PhotonRandom &random) const
{
    return cellAt(random.uniform());
}

} // namespace veltrin
