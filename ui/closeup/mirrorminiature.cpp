// SPDX-License-Identifier: GPL-3.0-or-later
#include "mirrorminiature.h"

#include "arrowpainter.h"
#include "closeup.h"
#include "mirror.h"
#include "mirrorcolours.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace veltrin {

namespace {

// The part of the scene shown, twips: the mirror, the axis and the source plane, with a
// margin for the labels.
const QRectF shownScene(QPointF(scene::X0 - 250, scene::YTOP - 150),
                        QPointF(scene::XS + 250, scene::YBOT + 150));

} // namespace

MirrorMiniature::MirrorMiniature(QWidget *parent) : PlotPanel(parent) {}

void MirrorMiniature::setCloseUp(std::shared_ptr<const CloseUp> closeUp)
{
    m_closeUp = std::move(closeUp);
    update();
}

void MirrorMiniature::setPathArrow(int arrow)
{
    if (arrow == m_pathArrow)
        return;
    m_pathArrow = arrow;
    update();
}

QSize MirrorMiniature::minimumContentSize() const
{
    // The labels beside one another along the axis, and the mirror tall enough for them.
    const QFontMetrics metrics = fontMetrics();
    const int labels = metrics.horizontalAdvance(tr("source plane")) +
                       metrics.horizontalAdvance(tr("focus")) +
                       metrics.horizontalAdvance(tr("detector"));
    return {std::max(200, labels + 60), std::max(130, 6 * metrics.height())};
}

QTransform MirrorMiniature::sceneToView() const
{
    const QRectF room = contentRect();
    const double scale =
        std::min(room.width() / shownScene.width(), room.height() / shownScene.height());
    QTransform transform;
    transform.translate(room.center().x(), room.center().y());
    transform.scale(scale, scale);
    transform.translate(-shownScene.center().x(), -shownScene.center().y());
    return transform;
}

void MirrorMiniature::paintContent(QPainter &painter)
{
    if (!m_closeUp)
        return;
    const QTransform toView = sceneToView();
    paintMarks(painter, toView);
    paintMirror(painter, toView);
    const int arrow = m_pathArrow >= 0 && m_pathArrow < int(m_closeUp->arrows().size())
                          ? m_pathArrow
                          : m_closeUp->leastTimeArrow();
    paintPath(painter, toView, arrow);
}

void MirrorMiniature::paintMirror(QPainter &painter, const QTransform &toView) const
{
    // Every sample and its image above the axis, in its shade.
    const Mirror mirror(m_closeUp->k());
    // About a point every pixel and a half is as smooth as every sample, and far quicker.
    const int stride = std::max(1, int(1.5 / toView.m22()));
    std::vector<QPointF> lower;
    std::vector<QPointF> upper;
    for (int first = Mirror::firstSample; first <= Mirror::lastSample;) {
        const int shade = MirrorColours::shadeOf(first);
        int last = first;
        while (last < Mirror::lastSample && MirrorColours::shadeOf(last + 1) == shade)
            ++last;
        lower.clear();
        upper.clear();
        // From the end of the shade before, so that the shades join.
        for (int j = std::max(first - 1, Mirror::firstSample);; j = std::min(j + stride, last)) {
            lower.push_back(toView.map(QPointF(mirror.lowerX(j), Mirror::lowerY(j))));
            upper.push_back(toView.map(QPointF(mirror.lowerX(j), Mirror::upperY(j))));
            if (j == last)
                break;
        }
        painter.setPen(QPen(MirrorColours::shade(shade), 3.5, Qt::SolidLine, Qt::FlatCap));
        painter.drawPolyline(lower.data(), int(lower.size()));
        painter.drawPolyline(upper.data(), int(upper.size()));
        first = last + 1;
    }

    // Where a coarse sum takes its arrows from, where they can be told apart.
    const std::span<const CloseUp::Arrow> arrows = m_closeUp->arrows();
    const double spacing = toView.m22() * double(Mirror::sampleCount) / double(arrows.size());
    if (spacing < 4)
        return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const CloseUp::Arrow &arrow : arrows)
        painter.drawEllipse(toView.map(QPointF(scene::X0 + arrow.depth, scene::Y0 + arrow.height)),
                            1.1, 1.1);
    painter.setBrush(Qt::NoBrush);
}

void MirrorMiniature::paintMarks(QPainter &painter, const QTransform &toView) const
{
    using namespace scene;
    const QPointF axisStart = toView.map(QPointF(X0, Y0));
    const QPointF axisEnd = toView.map(QPointF(XS, Y0));
    const QPointF planeTop = toView.map(QPointF(XS, YTOP));
    const QPointF planeBottom = toView.map(QPointF(XS, YBOT));
    const QFontMetricsF metrics(painter.font());

    painter.setPen(QPen(faintInk(), 1));
    painter.drawLine(axisStart, axisEnd);
    painter.drawLine(toView.map(QPointF(X0, YTOP)), toView.map(QPointF(X0, YBOT)));
    painter.setPen(QPen(faintInk(), 1, Qt::DashLine));
    painter.drawLine(planeTop, planeBottom);

    painter.setPen(ink());
    const QString plane = tr("source plane");
    painter.drawText(QPointF(planeTop.x() - metrics.horizontalAdvance(plane) - 4,
                             planeTop.y() + metrics.ascent()),
                     plane);

    // Every path comes from below the axis, so the labels go above it; the focus's a line
    // higher where it would meet the detector's.
    const QPointF focus = toView.map(QPointF(X0 + m_closeUp->focalLength(), Y0));
    const QPointF detector = toView.map(QPointF(m_closeUp->detectorX(), Y0));
    const QString focusLabel = tr("focus");
    const QString detectorLabel = tr("detector");
    const double focusHalf = metrics.horizontalAdvance(focusLabel) / 2;
    const double detectorHalf = metrics.horizontalAdvance(detectorLabel) / 2;
    const bool apart = std::abs(focus.x() - detector.x()) > focusHalf + detectorHalf + 6;
    const double above = 6 + metrics.descent();
    painter.setPen(QPen(ink(), 1.5));
    painter.drawLine(focus + QPointF(-4, -4), focus + QPointF(4, 4));
    painter.drawLine(focus + QPointF(-4, 4), focus + QPointF(4, -4));
    painter.drawText(
        QPointF(focus.x() - focusHalf, focus.y() - above - (apart ? 0 : metrics.height())),
        focusLabel);
    // Clear of the mirror when the detector stands at its vertex, and within the panel at
    // the far end.
    const double rightmost = contentRect().right() - 2 * detectorHalf;
    painter.drawText(
        QPointF(std::min(std::max(axisStart.x() + 8, detector.x() - detectorHalf), rightmost),
                detector.y() - above),
        detectorLabel);
}

void MirrorMiniature::paintPath(QPainter &painter, const QTransform &toView, int arrow) const
{
    const CloseUp::Arrow &through = m_closeUp->arrows()[std::size_t(arrow)];
    const QPointF source = toView.map(QPointF(scene::XS, scene::Y0 + through.height));
    const QPointF point =
        toView.map(QPointF(scene::X0 + through.depth, scene::Y0 + through.height));
    const QPointF detector = toView.map(QPointF(m_closeUp->detectorX(), scene::Y0));

    painter.setPen(QPen(ink(), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF legs[] = {source, point, detector};
    painter.drawPolyline(legs, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink());
    ArrowPainter::head(painter, source, (source + point) / 2, 8);
    ArrowPainter::head(painter, point, (point + detector) / 2, 8);
    painter.drawEllipse(detector, 4, 4);
    painter.setBrush(Qt::NoBrush);
    ArrowPainter::ring(painter, point);
}

} // namespace veltrin
