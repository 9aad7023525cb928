// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paperfigure.h"

#include <QString>

namespace veltrin {

class GlassLayerView;

/// The glass layer's picture as a figure for a worksheet, with its caption below.
class GlassLayerFigure : public PaperFigure
{
public:
    /// Paints `view` as it is now; the view must outlive the figure's painting.
    GlassLayerFigure(const GlassLayerView &view, QString caption);

    QSizeF size() const override { return {800, 640}; }
    void paint(QPainter &painter) const override;
    QString description() const override { return m_caption; }

private:
    QImage m_picture;
    QString m_caption;
};

} // namespace veltrin
