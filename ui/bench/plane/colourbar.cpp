// SPDX-License-Identifier: GPL-3.0-or-later
#include "colourbar.h"

#include "viridis.h"

#include <QLocale>
#include <QPainter>
#include <cmath>

namespace veltrin {

ColourBar::ColourBar(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("colourBar"));
}

void ColourBar::setRange(double top, bool whiteLight, const QString &scaleName)
{
    m_scaleTop = top;
    m_whiteLight = whiteLight;
    m_scaleName = scaleName;
    describe();
    update();
}

void ColourBar::setBarArea(double top, double height)
{
    m_top = top;
    m_height = height;
    update();
}

void ColourBar::setNumbersShown(bool shown)
{
    m_numbersShown = shown;
    describe();
    update();
}

void ColourBar::describe()
{
    QString description = m_numbersShown ? tr("Colour scale from 0 to %1 twips of bar")
                                               .arg(QLocale().toString(m_scaleTop, 'f', 1))
                                         : tr("Colour scale; its numbers are hidden until Reveal");
    if (!m_scaleName.isEmpty())
        description += QStringLiteral(" (%1)").arg(m_scaleName);
    setAccessibleDescription(description);
}

void ColourBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect bar = m_top >= 0 ? QRect(4, int(std::lround(m_top)), 18, int(std::lround(m_height)))
                                 : QRect(4, 0, 18, height());
    for (int y = bar.top(); y <= bar.bottom(); ++y) {
        const double t = double(bar.bottom() - y) / std::max(1, bar.height() - 1);
        const QColor colour =
            m_whiteLight ? QColor::fromRgbF(float(t), float(t), float(t)) : viridis(t);
        painter.fillRect(QRect(bar.left(), y, bar.width(), 1), colour);
    }
    painter.setPen(palette().windowText().color());
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    // The unit along the scale, read from below, as a graph's axis title.
    const int line = metrics.height();
    painter.save();
    painter.translate(width() - 2, bar.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-bar.height() / 2, -line, bar.height(), line), Qt::AlignCenter,
                     m_scaleName.isEmpty() ? tr("twips of bar")
                                           : tr("twips of bar (%1)").arg(m_scaleName));
    painter.restore();
    if (m_scaleTop <= 0 || !m_numbersShown)
        return;
    const int labelsLeft = bar.right() + 8;
    const int labelsWidth = width() - line - 4 - labelsLeft;
    for (int tick = 0; tick <= 4; ++tick) {
        const double t = tick / 4.0;
        const int y = bar.bottom() - int(std::lround(t * (bar.height() - 1)));
        painter.drawLine(bar.right() + 1, y, bar.right() + 5, y);
        // The end labels stay within the scale's height, beside the map's edges.
        QRect label(labelsLeft, y - line / 2, labelsWidth, line);
        if (tick == 0)
            label.moveBottom(bar.bottom());
        else if (tick == 4)
            label.moveTop(bar.top());
        painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                         QLocale().toString(t * m_scaleTop, 'f', m_scaleTop < 10 ? 2 : 0));
    }
}

} // namespace veltrin
