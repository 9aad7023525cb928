// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "axishistogram.h"
#include "linehistogram.h"

#include <memory>

namespace veltrin {

class BenchPhotons;
class ProbabilityMap;

/// The slits' pattern along the vertical line through the detector, built photon by photon: the
/// photons landing in a narrow band about the line, in bins from below the axis (left) to above
/// it (right), with the map's values along the line drawn over them, scaled to the photons.
class SlitHistogram : public AxisHistogram
{
    Q_OBJECT

public:
    explicit SlitHistogram(const BenchPhotons &photons, QWidget *parent = nullptr);

    /// The line through the detector on a map of the photons' experiment: a new band or map
    /// counts the photons kept so far again.
    void showLine(std::shared_ptr<const ProbabilityMap> map, Vec2 detector);
    /// No map yet: no curve and no photons.
    void clearLine();

    const LineHistogram &histogram() const { return m_histogram; }
    /// For a screen reader: the band, how many photons it holds and where the most landed.
    QString description() const;

    QSize sizeHint() const override { return {260, 130}; }

private:
    void landed();
    void showCounts();

    const BenchPhotons &m_photons;
    LineHistogram m_histogram;
    std::shared_ptr<const ProbabilityMap> m_map;
    int m_column = -1; // the map's column the band is about
};

} // namespace veltrin
