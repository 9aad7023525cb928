// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictureprinter.h"

#include "choices.h"
#include "paperfigure.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace veltrin {

QString PicturePrinter::caption(std::span<const RunHistory::Entry> runs)
{
    if (runs.empty())
        return tr("Veltrin, before any run");
    QStringList parts;
    for (const RunHistory::Entry &entry : runs) {
        parts << tr("Run %1: K %2, %3")
                     .arg(entry.number)
                     .arg(shownCaptionFor(Field::OsKruh, entry.record.kText),
                          shownCaptionFor(Field::Kmitocet, entry.record.frequencyText));
    }
    return tr("Veltrin: %1").arg(parts.join(QStringLiteral("; ")));
}

std::optional<QRectF> PicturePrinter::print(QPagedPaintDevice &printer, const QImage &picture,
                                            const QString &caption)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return std::nullopt;
    const QRectF page(0, 0, printer.width(), printer.height());
    QFont font = painter.font();
    font.setPointSizeF(10);
    painter.setFont(font);
    constexpr int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF text = painter.boundingRect(page, flags, caption);
    const qreal gap = painter.fontMetrics().height();

    // The picture's own pixels, whatever the screen's density, scaled to the room left.
    const QSizeF room(page.width(), std::max(0.0, page.height() - text.height() - gap));
    const QSizeF size = QSizeF(picture.size()).scaled(room, Qt::KeepAspectRatio);
    const QRectF target(page.left() + (page.width() - size.width()) / 2, page.top(), size.width(),
                        size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture, QRectF(picture.rect()));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(page.left(), target.bottom() + gap, page.width(), text.height()), flags,
                     caption);
    painter.end();
    return target;
}

QPageLayout::Orientation PicturePrinter::orientationFor(QSizeF figure)
{
    return figure.width() > figure.height() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

std::optional<QRectF> PicturePrinter::print(QPagedPaintDevice &printer, const PaperFigure &figure)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return std::nullopt;
    const QSizeF page(printer.width(), printer.height());
    const QSizeF size = figure.size().scaled(page, Qt::KeepAspectRatio);
    const QRectF target(QPointF((page.width() - size.width()) / 2, 0), size);
    painter.translate(target.topLeft());
    painter.scale(size.width() / figure.size().width(), size.height() / figure.size().height());
    figure.paint(painter);
    painter.end();
    return target;
}

} // namespace veltrin
