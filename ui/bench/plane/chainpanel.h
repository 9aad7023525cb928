// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"
#include "vec2.h"

#include <vector>

namespace veltrin {

struct Experiment;

/// The detector's arrows, scaled to fill the panel: for one wavenumber its arrows head to tail
/// and their resultant as a bold arrow from the chain's start to its end; for white light each
/// colour's resultant from one point, in its colour, so that the colours' lengths and turns
/// compare.
class ChainPanel : public PlotPanel
{
    Q_OBJECT

public:
    struct Chain
    {
        std::vector<Vec2> points; ///< the start and every arrow's head, twips
        QColor colour;
    };

    explicit ChainPanel(QWidget *parent = nullptr);

    /// The arrows of the experiment's every wavenumber at a map point.
    void showAt(const Experiment &experiment, Vec2 mapPoint);
    /// One chain drawn whole, or the resultants of several.
    void setChains(std::vector<Chain> chains);
    /// Hidden while the pupil predicts where the light goes: the arrows would tell.
    void setChainShown(bool shown);
    bool isChainShown() const { return m_shown; }

    QSize sizeHint() const override { return {260, 220}; }
    QSize minimumSizeHint() const override { return {160, 140}; }

protected:
    void paintContent(QPainter &painter) override;

private:
    void paintChain(QPainter &painter, const Chain &chain) const;
    void paintResultants(QPainter &painter) const;

    std::vector<Chain> m_chains;
    bool m_shown = true;
};

} // namespace veltrin
