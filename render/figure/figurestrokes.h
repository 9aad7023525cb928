// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scenestyle.h"
#include "surface.h"

#include <QHash>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <array>
#include <optional>
#include <vector>

namespace veltrin {

/// A surface that keeps what the runs draw as strokes, for a figure in vector form: only what
/// stays visible, in as few strokes as look the same. Silver erases rather than paints; a line
/// drawn again replaces the earlier one; the mirror's overlapping sample circles become one
/// band; a spiral keeps a point every quarter pixel. Coordinates are pixels of the design scale.
class FigureStrokes : public Surface
{
public:
    struct Stroke
    {
        QRgb colour = 0;
        qreal width = 1;
        std::vector<QPolygonF> pieces; ///< polylines; a single point is a dot
        std::optional<QPointF> centre; ///< a circle instead, of this radius
        qreal radius = 0;
    };

    explicit FigureStrokes(SceneStyle style);

    void setPenWidth(int pixels) override;
    void drawLine(PointF from, PointF to, Colour colour) override;
    void drawCircle(PointF centre, float radius) override;
    void drawChain(std::span<const PointF> points) override;
    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    /// No one is there to answer: No, which keeps what is drawn.
    bool askYesNo(const QString &prompt) override;
    void present() override {}
    void setCoveredLater(std::optional<RectF> area) override;
    bool leavesOut(RectF bounds, int penPixels) const override;

    /// The strokes in the order they are painted; empty ones are left out.
    std::vector<Stroke> strokes();
    /// What the strokes cover, with their pens.
    static QRectF bounds(const std::vector<Stroke> &strokes);

private:
    struct LineKey
    {
        PointF from, to;
        QRgb colour;
        qreal width;
        friend bool operator==(const LineKey &, const LineKey &) = default;
        friend size_t qHash(const LineKey &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.from.x, key.from.y, key.to.x, key.to.y, key.colour,
                              key.width);
        }
    };

    void append(Stroke stroke);
    /// Erases what lies within the area, merged with the erasing that came just before.
    void erase(const QRectF &area);
    void eraseNow();
    bool covered(const QRectF &pixels) const;

    SceneStyle m_style;
    int m_penWidth = 1;
    std::vector<Stroke> m_strokes;
    QHash<LineKey, std::size_t> m_lines; // where each line is, to replace it when drawn again
    std::vector<std::size_t> m_bands;    // the circles a next sample circle may join
    std::optional<QRectF> m_erasing;     // erasing not yet done
    std::optional<QRectF> m_covered;
    std::array<QString, fieldCount> m_fields;
};

} // namespace veltrin
