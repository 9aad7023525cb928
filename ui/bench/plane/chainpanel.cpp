// SPDX-License-Identifier: GPL-3.0-or-later
#include "chainpanel.h"

#include "arrowpainter.h"
#include "experiment.h"
#include "mapimage.h"
#include "pathsum.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

/// Where points fall in an area, scaled alike both ways so that the arrows keep their shape.
class Fit
{
public:
    Fit(const QRectF &area, const std::vector<Vec2> &points) : m_area(area)
    {
        double left = points[0].x, right = left, top = points[0].y, bottom = top;
        for (const Vec2 &point : points) {
            left = std::min(left, point.x);
            right = std::max(right, point.x);
            top = std::min(top, point.y);
            bottom = std::max(bottom, point.y);
        }
        const double span = std::max({right - left, bottom - top, 1.0});
        m_scale = std::min(area.width(), area.height()) / span;
        m_centre = QPointF((left + right) / 2, (top + bottom) / 2);
    }
    QPointF operator()(Vec2 point) const
    {
        return m_area.center() + (QPointF(point.x, point.y) - m_centre) * m_scale;
    }

private:
    QRectF m_area;
    double m_scale = 1;
    QPointF m_centre;
};

} // namespace

ChainPanel::ChainPanel(QWidget *parent) : PlotPanel(parent)
{
    setObjectName(QStringLiteral("detectorChain"));
    reserveTitle(tr("Each colour's resultant"));
    reserveTitle(tr("Slits apart: squares add"));
    setTitle(tr("Arrows at the detector"));
}

void ChainPanel::showAt(const Experiment &experiment, Vec2 mapPoint)
{
    if (experiment.element == Experiment::Element::Slits)
        return showSlitsAt(experiment, mapPoint);
    std::vector<Chain> chains;
    if (experiment.element != Experiment::Element::Mirror) {
        // The boundary's or the lens's arrows, each turned by its point's whole path.
        const int fan = experiment.fanAt(mapPoint);
        const ArrowFan arrows = fan < 0 ? ArrowFan{} : experiment.fans()[std::size_t(fan)];
        const Vec2 at = MapGrid::sceneOf(mapPoint);
        for (const double wavenumber : experiment.wavenumbers()) {
            Chain chain{{{0, 0}}, MapImage::colourOf(wavenumber)};
            const double length = PathSum::arrowLength * arrows.amplitude;
            for (std::size_t i = 0; i < arrows.points.size(); ++i) {
                const Vec2 p = arrows.points[i];
                const double phase =
                    wavenumber *
                    (arrows.pathBefore[i] + arrows.index * std::hypot(at.x - p.x, at.y - p.y));
                const Vec2 last = chain.points.back();
                chain.points.push_back(
                    {last.x + length * std::cos(phase), last.y + length * std::sin(phase)});
            }
            chains.push_back(std::move(chain));
        }
        return setChains(std::move(chains));
    }
    const std::vector<MirrorPoint> points = experiment.points();
    for (const double wavenumber : experiment.wavenumbers()) {
        PathSum sum(points, wavenumber, experiment.source);
        sum.sumAt(MapGrid::sceneOf(mapPoint), {});
        chains.push_back(
            {{sum.chain().begin(), sum.chain().end()}, MapImage::colourOf(wavenumber)});
    }
    setChains(std::move(chains));
}

void ChainPanel::showSlitsAt(const Experiment &experiment, Vec2 mapPoint)
{
    const bool apart = experiment.marksPaths();
    const std::vector<ArrowFan> fans = experiment.fans();
    const Vec2 at = MapGrid::sceneOf(mapPoint);
    // Each slit's arrows at one wavenumber, from `start`.
    auto chainOf = [&at](const ArrowFan &arrows, double wavenumber, Vec2 start) {
        std::vector<Vec2> points{start};
        const double length = PathSum::arrowLength * arrows.amplitude;
        for (std::size_t i = 0; i < arrows.points.size(); ++i) {
            const Vec2 p = arrows.points[i];
            const double phase = wavenumber * (arrows.pathBefore[i] +
                                               arrows.index * std::hypot(at.x - p.x, at.y - p.y));
            const Vec2 last = points.back();
            points.push_back(
                {last.x + length * std::cos(phase), last.y + length * std::sin(phase)});
        }
        return points;
    };
    if (experiment.whiteLight) {
        // Seven colours' spirals would hide one another: each colour's total where the slits'
        // arrows add, each colour's every slit's sum from one point where they are apart.
        std::vector<Chain> chains;
        for (const double wavenumber : experiment.wavenumbers()) {
            Vec2 end{0, 0};
            for (const ArrowFan &fan : fans) {
                const Vec2 sum = chainOf(fan, wavenumber, apart ? Vec2{0, 0} : end).back();
                if (apart)
                    chains.push_back({{{0, 0}, sum}, MapImage::colourOf(wavenumber)});
                end = sum;
            }
            if (!apart)
                chains.push_back({{{0, 0}, end}, MapImage::colourOf(wavenumber)});
        }
        setChains(std::move(chains));
        if (apart)
            setTitle(tr("Slits apart: squares add"));
        return;
    }
    // Neighbouring slits told apart by their colours.
    static const QColor slitColours[] = {QColor(200, 60, 40), QColor(40, 120, 200),
                                         QColor(40, 150, 70)};
    std::vector<Chain> slits;
    Vec2 end{0, 0};
    for (std::size_t slit = 0; slit < fans.size(); ++slit) {
        slits.push_back({chainOf(fans[slit], experiment.wavenumber, apart ? Vec2{0, 0} : end),
                         slitColours[slit % std::size(slitColours)]});
        end = slits.back().points.back();
    }
    setSlitChains(std::move(slits), MapImage::colourOf(experiment.wavenumber), apart);
}

void ChainPanel::setSlitChains(std::vector<Chain> slits, QColor total, bool apart)
{
    m_chains.clear();
    m_slits = std::move(slits);
    m_total = total;
    m_apart = apart;
    setTitle(apart ? tr("Slits apart: squares add") : tr("Arrows at the detector"));
    update();
}

void ChainPanel::setChains(std::vector<Chain> chains)
{
    m_slits.clear();
    m_chains = std::move(chains);
    setTitle(m_chains.size() > 1 ? tr("Each colour's resultant") : tr("Arrows at the detector"));
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
    painter.setRenderHint(QPainter::Antialiasing);
    if (!m_slits.empty())
        paintSlits(painter);
    else if (m_chains.size() == 1)
        paintChain(painter, m_chains.front());
    else if (m_chains.size() > 1)
        paintResultants(painter);
}

void ChainPanel::paintChain(QPainter &painter, const Chain &chain) const
{
    if (chain.points.size() < 2)
        return;
    const Fit toView(QRectF(contentRect()).adjusted(4, 4, -4, -4), chain.points);
    QPainterPath path(toView(chain.points[0]));
    for (std::size_t i = 1; i < chain.points.size(); ++i)
        path.lineTo(toView(chain.points[i]));
    painter.setPen(QPen(faintInk(), 1));
    painter.drawPath(path);
    const QPointF from = toView(chain.points.front());
    const QPointF to = toView(chain.points.back());
    painter.setPen(QPen(chain.colour, 2.5));
    painter.drawLine(from, to);
    painter.setBrush(chain.colour);
    ArrowPainter::head(painter, from, to, 10);
}

void ChainPanel::paintSlits(QPainter &painter) const
{
    std::vector<Vec2> all;
    for (const Chain &slit : m_slits)
        all.insert(all.end(), slit.points.begin(), slit.points.end());
    if (all.size() < 2)
        return;
    const Fit toView(QRectF(contentRect()).adjusted(6, 6, -6, -6), all);
    // Each slit's arrows faint in its colour, its own sum bold over them.
    for (const Chain &slit : m_slits) {
        QColor faint = slit.colour;
        faint.setAlpha(110);
        QPainterPath path(toView(slit.points[0]));
        for (std::size_t i = 1; i < slit.points.size(); ++i)
            path.lineTo(toView(slit.points[i]));
        painter.setPen(QPen(faint, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        const QPointF from = toView(slit.points.front());
        const QPointF to = toView(slit.points.back());
        painter.setPen(QPen(slit.colour, 2));
        painter.drawLine(from, to);
        painter.setBrush(slit.colour);
        ArrowPainter::head(painter, from, to, 8);
    }
    // Added head to tail, the slits' sums make one total; apart, there is none.
    if (m_apart)
        return;
    const QPointF from = toView(m_slits.front().points.front());
    const QPointF to = toView(m_slits.back().points.back());
    painter.setPen(QPen(ink(), 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(m_total, 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    painter.setPen(QPen(ink(), 1));
    painter.setBrush(m_total);
    ArrowPainter::head(painter, from, to, 10);
}

void ChainPanel::paintResultants(QPainter &painter) const
{
    // Every chain starts at the same point; the resultants alone, or seven spirals would hide
    // one another.
    std::vector<Vec2> ends{m_chains.front().points.front()};
    for (const Chain &chain : m_chains) {
        if (!chain.points.empty())
            ends.push_back(chain.points.back());
    }
    const Fit toView(QRectF(contentRect()).adjusted(12, 12, -12, -12), ends);
    const QPointF from = toView(ends.front());
    for (const Chain &chain : m_chains) {
        if (chain.points.empty())
            continue;
        const QPointF to = toView(chain.points.back());
        // Outlined in ink, so that the yellows read on the white panel as well as the blues.
        painter.setPen(QPen(ink(), 4.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(chain.colour, 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(from, to);
        painter.setPen(QPen(ink(), 1));
        painter.setBrush(chain.colour);
        ArrowPainter::head(painter, from, to, 10);
    }
}

} // namespace veltrin
