// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourlegend.h"

#include "mirrorcolours.h"

#include <QPainter>

namespace veltrin {

namespace {

constexpr int gap = 8; // pixels between the texts and the bar

} // namespace

ColourLegend::ColourLegend(QWidget *parent)
    : QWidget(parent), m_caption(tr("Colour of the mirror point:")),
      m_nearEnd(tr("next to the axis")), m_farEnd(tr("at the edge"))
{
    setAccessibleName(tr("Colour key"));
    setAccessibleDescription(tr("The arrows, the mirror and the graph are coloured by the "
                                "mirror point: from dark violet next to the axis through blue "
                                "and green to yellow at the mirror's edge."));
    setToolTip(accessibleDescription());
}

QSize ColourLegend::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int texts = metrics.horizontalAdvance(m_caption) + metrics.horizontalAdvance(m_nearEnd) +
                      metrics.horizontalAdvance(m_farEnd);
    return {texts + barWidth + 4 * gap, metrics.height() + 6};
}

void ColourLegend::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int barHeight = metrics.height() - 4;
    const int middle = height() / 2;
    int x = 0;
    const auto text = [&](const QString &words) {
        painter.drawText(QRect(x, 0, metrics.horizontalAdvance(words), height()),
                         Qt::AlignLeft | Qt::AlignVCenter, words);
        x += metrics.horizontalAdvance(words) + gap;
    };
    painter.setPen(palette().color(QPalette::WindowText));
    text(m_caption);
    x += gap;
    text(m_nearEnd);

    const QRect bar(x, middle - barHeight / 2, barWidth, barHeight);
    for (int shade = 0; shade < MirrorColours::shades; ++shade) {
        const int left = bar.left() + bar.width() * shade / MirrorColours::shades;
        const int right = bar.left() + bar.width() * (shade + 1) / MirrorColours::shades;
        painter.fillRect(QRect(left, bar.top(), right - left, bar.height()),
                         MirrorColours::shade(shade));
    }
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    x = bar.right() + 1 + gap;
    painter.setPen(palette().color(QPalette::WindowText));
    text(m_farEnd);
}

} // namespace veltrin
