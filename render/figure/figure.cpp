// SPDX-License-Identifier: GPL-3.0-or-later
#include "figure.h"

#include "runhistory.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace veltrin {

namespace {

constexpr qreal margin = 8;
constexpr qreal legendGap = 10;
constexpr int captionFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;

/// Where a caption's text stands, as wide as the text needs.
QRectF captionRect(const FigureCaption &caption)
{
    const QFontMetricsF metrics(caption.font);
    QRectF rect(caption.pixels);
    rect.setWidth(std::max(rect.width(), metrics.horizontalAdvance(caption.text) + 2));
    return rect;
}

} // namespace

Figure::Figure(const RunHistory &history, std::vector<FigureCaption> captions)
    : m_style(SceneStyle::figure()), m_captions(std::move(captions)),
      m_legend(history.runs(), m_style)
{
    FigureStrokes strokes(m_style);
    history.drawAgain(strokes);
    m_strokes = strokes.strokes();
    QRectF scene = FigureStrokes::bounds(m_strokes);
    for (const FigureCaption &caption : m_captions)
        scene |= captionRect(caption);
    // On whole pixels, so that the scene's pixels stay pixels in a picture of the figure.
    m_crop = scene.adjusted(-margin, -margin, margin, margin).toAlignedRect();
    m_size = m_crop.size();
    const qreal legendHeight = m_legend.height(m_size.width() - 2 * margin);
    if (legendHeight > 0) {
        // Below the scene, as wide as it is.
        m_legendArea = QRectF(margin, m_size.height() - margin + legendGap,
                              m_size.width() - 2 * margin, legendHeight);
        m_size.setHeight(m_legendArea.bottom() + margin);
    }
}

void Figure::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), m_size), QColor::fromRgb(m_style.background));
    painter.save();
    painter.translate(-m_crop.topLeft());
    for (const FigureStrokes::Stroke &stroke : m_strokes) {
        painter.setPen(QPen(QColor::fromRgb(stroke.colour), stroke.width, Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        if (stroke.centre)
            painter.drawEllipse(*stroke.centre, stroke.radius, stroke.radius);
        for (const QPolygonF &piece : stroke.pieces) {
            if (piece.size() == 1)
                painter.drawPoint(piece.front());
            else
                painter.drawPolyline(piece);
        }
    }
    painter.setPen(QColor::fromRgb(m_style.prompt));
    for (const FigureCaption &caption : m_captions) {
        painter.setFont(caption.font);
        painter.drawText(captionRect(caption), captionFlags, caption.text);
    }
    painter.restore();
    m_legend.paint(painter, m_legendArea);
    painter.restore();
}

QString Figure::description() const
{
    QStringList entries;
    for (const FigureLegend::Entry &entry : m_legend.entries())
        entries << entry.text;
    return entries.join(QStringLiteral("; "));
}

} // namespace veltrin
