// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"

#include <vector>

namespace veltrin {

struct Experiment;

/// The time each path from the source through the lens to the target takes, against the height
/// where it crosses: flat through the lens, a valley without the glass. Times are counted from
/// the quickest path without the glass.
class LensTimePlot : public PlotPanel
{
    Q_OBJECT

public:
    explicit LensTimePlot(QWidget *parent = nullptr);

    void showFor(const Experiment &experiment);

    QSize sizeHint() const override { return {260, 130}; }

protected:
    void paintContent(QPainter &painter) override;
    QSize minimumContentSize() const override { return {140, 70}; }

private:
    std::vector<double> m_heights; // of each path, map y
    std::vector<double> m_lens;    // each path's time through the lens, twips
    std::vector<double> m_bare;    // and without the glass
};

} // namespace veltrin
