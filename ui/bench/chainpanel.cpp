// SPDX-License-Identifier: GPL-3.0-or-later
#include "chainpanel.h"

#include "arrowpainter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace veltrin {

ChainPanel::ChainPanel(QWidget *parent) : PlotPanel(parent)
{
    setObjectName(QStringLiteral("detectorChain"));
    setTitle(tr("Arrows at the detector"));
}

void ChainPanel::setChain(std::vector<Vec2> chain, const QColor &resultantColour)
{
    m_chain = std::move(chain);
    m_resultantColour = resultantColour;
    update();
}

void ChainPanel::setChainShown(bool shown)
{
    m_shown = shown;
    update();
}

void ChainPanel::paintContent(QPainter &painter)
{
    if (!m_shown) {
        painter.setPen(faintInk());
        painter.drawText(contentRect(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("Hidden until Reveal"));
        return;
    }
    if (m_chain.size() < 2)
        return;
    const QRectF area = QRectF(contentRect()).adjusted(4, 4, -4, -4);
    double left = m_chain[0].x, right = left, top = m_chain[0].y, bottom = top;
    for (const Vec2 &point : m_chain) {
        left = std::min(left, point.x);
        right = std::max(right, point.x);
        top = std::min(top, point.y);
        bottom = std::max(bottom, point.y);
    }
    // The same scale both ways, so that the chain keeps its shape.
    const double span = std::max({right - left, bottom - top, 1.0});
    const double scale = std::min(area.width(), area.height()) / span;
    const QPointF centre((left + right) / 2, (top + bottom) / 2);
    auto toView = [&](Vec2 point) {
        return area.center() + (QPointF(point.x, point.y) - centre) * scale;
    };
    QPainterPath path(toView(m_chain[0]));
    for (std::size_t i = 1; i < m_chain.size(); ++i)
        path.lineTo(toView(m_chain[i]));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(faintInk(), 1));
    painter.drawPath(path);
    const QPointF from = toView(m_chain.front());
    const QPointF to = toView(m_chain.back());
    painter.setPen(QPen(m_resultantColour, 2.5));
    painter.drawLine(from, to);
    painter.setBrush(m_resultantColour);
    ArrowPainter::head(painter, from, to, 10);
}

} // namespace veltrin
