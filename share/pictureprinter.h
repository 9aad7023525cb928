// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "runhistory.h"

#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <optional>
#include <span>

class QPagedPaintDevice;

namespace veltrin {

class PaperFigure;

/// Puts the drawing on a page: as large as the page allows with its proportions kept, and below
/// it a line naming the runs on it; or a figure, which names them itself.
class PicturePrinter
{
    Q_DECLARE_TR_FUNCTIONS(veltrin::PicturePrinter)

public:
    /// The line below the picture: each run's number, K and frequency.
    static QString caption(std::span<const RunHistory::Entry> runs);

    /// Paints one page on the printer (or into its PDF file). Returns where the picture went, in
    /// the printer's pixels, or nothing where the printer could not be started.
    static std::optional<QRectF> print(QPagedPaintDevice &printer, const QImage &picture,
                                       const QString &caption);

    /// The way round a page takes a figure of this size largest: landscape where it is wider
    /// than tall.
    static QPageLayout::Orientation orientationFor(QSizeF figure);
    /// Paints the figure on one page, as large as the page allows with its proportions kept,
    /// on white. Returns where it went, in the printer's pixels, or nothing where the printer
    /// could not be started.
    static std::optional<QRectF> print(QPagedPaintDevice &printer, const PaperFigure &figure);
};

} // namespace veltrin
