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
/// compare. For the slits, each slit's chain with its own sum: head to tail and their total
/// where the arrows add, apart from one point where marks tell the way and only squares add.
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
    /// Each slit's chain, from the lowest slit, with its own sum; `apart` where each starts at
    /// one point and no total is drawn, else each where the one before ends and the total too.
    void setSlitChains(std::vector<Chain> slits, QColor total, bool apart);
    /// Whether the slits' chains are shown apart, their squares adding.
    bool showsSlitsApart() const { return !m_slits.empty() && m_apart; }
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
    void paintSlits(QPainter &painter) const;
    void showSlitsAt(const Experiment &experiment, Vec2 mapPoint);

    std::vector<Chain> m_chains;
    std::vector<Chain> m_slits; // the slits' chains, shown instead of m_chains where any
    QColor m_total;
    bool m_apart = false;
    bool m_shown = true;
};

} // namespace veltrin
