// SPDX-License-Identifier: GPL-3.0-or-later
#include "prediction.h"

#include "photontally.h"
#include "probabilitymap.h"

namespace veltrin {

void Prediction::clear()
{
    m_marks.clear();
    m_revealed = false;
}

std::vector<Prediction::Score> Prediction::scores(const PhotonTally &photons,
                                                  const ProbabilityMap &map) const
{
    const double brightest = map.brightest().value;
    std::vector<Score> scores;
    for (const Vec2 mark : m_marks)
        scores.push_back({mark, photons.shareNear(mark, nearRadius),
                          brightest > 0 ? map.near(mark) / brightest : 0});
    return scores;
}

} // namespace veltrin
