// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "plotpanel.h"
#include "vec2.h"

#include <vector>

namespace veltrin {

/// The detector's arrows head to tail, scaled to fill the panel, and their resultant as a bold
/// arrow from the chain's start to its end.
class ChainPanel : public PlotPanel
{
    Q_OBJECT

public:
    explicit ChainPanel(QWidget *parent = nullptr);

    /// The chain's start and every arrow's head, in twips.
    void setChain(std::vector<Vec2> chain, const QColor &resultantColour);
    /// Hidden while the pupil predicts where the light goes: the arrows would tell.
    void setChainShown(bool shown);
    bool isChainShown() const { return m_shown; }

    QSize sizeHint() const override { return {260, 220}; }
    QSize minimumSizeHint() const override { return {160, 140}; }

protected:
    void paintContent(QPainter &painter) override;

private:
    std::vector<Vec2> m_chain;
    QColor m_resultantColour = Qt::black;
    bool m_shown = true;
};

} // namespace veltrin
