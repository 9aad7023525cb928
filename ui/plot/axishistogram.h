// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"

#include <span>
#include <vector>

namespace veltrin {

/// The photons that landed at each detector position on the axis, as columns that grow toward
/// the run's bars, drawn as outlines behind them: with many photons the two agree.
class AxisHistogram : public PlotPanel
{
    Q_OBJECT

public:
    explicit AxisHistogram(QWidget *parent = nullptr);

    /// The run's bars, one per detector position, and their colour.
    void setBars(std::span<const double> bars, const QColor &colour);
    /// The photons landed at each position, as many as there are bars.
    void setCounts(std::span<const qint64> counts, qint64 total);
    /// The detector position to mark, −1 for none.
    void setPosition(int position);

    QSize sizeHint() const override { return {400, 170}; }
    QSize minimumSizeHint() const override { return {240, 120}; }

protected:
    void paintContent(QPainter &painter) override;

private:
    std::vector<double> m_bars;
    std::vector<double> m_columns; ///< the photons' share of the bars' sum, in bar heights
    QColor m_colour;
    int m_position = -1;
};

} // namespace veltrin
