// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runhistory.h"
#include "scenestyle.h"

#include <QCoreApplication>
#include <QFont>
#include <QRectF>
#include <QRgb>
#include <vector>

class QPainter;

namespace veltrin {

/// The legend of a figure: each run on it by its K and frequency, beside a patch of its bars'
/// colour, in rows as wide as the figure. A run made again with the same K and frequency draws
/// the same bars, and is named once.
class FigureLegend
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::FigureLegend)

public:
    struct Entry
    {
        QString text;
        QRgb colour;
    };

    FigureLegend(std::span<const RunHistory::Entry> runs, const SceneStyle &style);

    /// How the legend names a run, its numbers in the desktop's language.
    static QString entryText(const RunRecord &record);

    const std::vector<Entry> &entries() const { return m_entries; }
    /// The height the legend takes laid out in this width, in pixels of the design scale.
    qreal height(qreal width) const;
    /// Paints the legend in the area, laid out in its width.
    void paint(QPainter &painter, const QRectF &area) const;

private:
    /// Where each entry's patch and text begin, laid out in this width.
    std::vector<QPointF> layout(qreal width) const;

    QFont m_font;
    std::vector<Entry> m_entries;
};

} // namespace veltrin
