// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"
#include "source.h"

#include <optional>
#include <vector>

namespace veltrin {

struct Experiment;

/// How wide the bright spot behind one slit is at the map's far edge, against the slit's width,
/// both on scales of powers of ten: a wide slit's spot as wide as itself, a narrow one's the wider
/// the narrower the slit. The present width is marked, and the map's height.
class SlitSpotPlot : public PlotPanel
{
    Q_OBJECT

public:
    explicit SlitSpotPlot(QWidget *parent = nullptr);

    /// The curve for the experiment's light and source, found again only when those change.
    void showFor(const Experiment &experiment);
    /// The spot's width for the present slit's width, twips.
    double presentSpot() const { return m_presentSpot; }

    QSize sizeHint() const override { return {260, 130}; }

protected:
    void paintContent(QPainter &painter) override;
    QSize minimumContentSize() const override { return {140, 70}; }

private:
    struct Light
    {
        Source source;
        double wavenumber;
        friend bool operator==(const Light &, const Light &) = default;
    };
    std::optional<Light> m_light; // the light the curve was found for
    std::vector<double> m_widths; // of the slit, twips
    std::vector<double> m_spots;  // the spot's for each
    double m_presentWidth = 0;
    double m_presentSpot = 0;
};

} // namespace veltrin
