// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelegend.h"

#include "choices.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace veltrin {

namespace {

constexpr QSizeF patch{24, 12};
constexpr qreal patchGap = 6;
constexpr qreal entryGap = 20;
constexpr qreal rowGap = 4;

/// The captions' font, named as the system has it, so that a drawing program that opens the
/// figure finds it.
QFont legendFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(15);
    font.setFamily(QFontInfo(font).family());
    return font;
}

} // namespace

FigureLegend::FigureLegend(std::span<const RunHistory::Entry> runs, const SceneStyle &style)
    : m_font(legendFont())
{
    for (const RunHistory::Entry &run : runs) {
        const Entry entry{entryText(run.record), style.shown(run.record.values.bars.colour)};
        const bool named = std::ranges::any_of(m_entries, [&entry](const Entry &earlier) {
            return earlier.text == entry.text && earlier.colour == entry.colour;
        });
        if (!named)
            m_entries.push_back(entry);
    }
}

QString FigureLegend::entryText(const RunRecord &record)
{
    return tr("K %1, %2")
        .arg(shownCaptionFor(Field::OsKruh, record.kText),
             shownCaptionFor(Field::Kmitocet, record.frequencyText));
}

std::vector<QPointF> FigureLegend::layout(qreal width) const
{
    const QFontMetricsF metrics(m_font);
    const qreal rowHeight = std::max(metrics.height(), patch.height()) + rowGap;
    std::vector<QPointF> places;
    QPointF at(0, 0);
    for (const Entry &entry : m_entries) {
        const qreal entryWidth = patch.width() + patchGap + metrics.horizontalAdvance(entry.text);
        if (at.x() > 0 && at.x() + entryWidth > width)
            at = QPointF(0, at.y() + rowHeight);
        places.push_back(at);
        at.rx() += entryWidth + entryGap;
    }
    return places;
}

qreal FigureLegend::height(qreal width) const
{
    if (m_entries.empty())
        return 0;
    const QFontMetricsF metrics(m_font);
    return layout(width).back().y() + std::max(metrics.height(), patch.height());
}

void FigureLegend::paint(QPainter &painter, const QRectF &area) const
{
    const QFontMetricsF metrics(m_font);
    const qreal lineHeight = std::max(metrics.height(), patch.height());
    const std::vector<QPointF> places = layout(area.width());
    painter.save();
    painter.setFont(m_font);
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &entry = m_entries[i];
        const QPointF at = area.topLeft() + places[i];
        painter.fillRect(QRectF(at + QPointF(0, (lineHeight - patch.height()) / 2), patch),
                         QColor::fromRgb(entry.colour));
        painter.setPen(Qt::black);
        const qreal textLeft = at.x() + patch.width() + patchGap;
        painter.drawText(
            QRectF(textLeft, at.y(), metrics.horizontalAdvance(entry.text) + 1, lineHeight),
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, entry.text);
    }
    painter.restore();
}

} // namespace veltrin
