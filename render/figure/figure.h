// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "figurelegend.h"
#include "figurestrokes.h"
#include "paperfigure.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace veltrin {

class RunHistory;

/// A caption of a part of the scene, where the window shows it.
struct FigureCaption
{
    QString text;
    QRect pixels; ///< pixels of the design scale
    QFont font;   ///< sized in pixels
};

/// The runs on the drawing as a figure for a worksheet or a page: the scene on white, cropped
/// to what the runs draw and the captions of its parts, and below it a legend naming each run
/// in its bars' colour.
class Figure : public PaperFigure
{
public:
    Figure(const RunHistory &history, std::vector<FigureCaption> captions);

    QSizeF size() const override { return m_size; }
    void paint(QPainter &painter) const override;
    /// The legend's entries.
    QString description() const override;

    const FigureLegend &legend() const { return m_legend; }
    /// The part of the scene the figure shows, in pixels of the design scale; it stands at the
    /// figure's top left, the legend below it.
    const QRectF &crop() const { return m_crop; }

private:
    SceneStyle m_style;
    std::vector<FigureStrokes::Stroke> m_strokes;
    std::vector<FigureCaption> m_captions;
    FigureLegend m_legend;
    QRectF m_crop; // the part of the scene shown, in pixels of the design scale
    QRectF m_legendArea;
    QSizeF m_size;
};

} // namespace veltrin
