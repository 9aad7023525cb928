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
    m_top = top;
    m_whiteLight = whiteLight;
    m_scaleName = scaleName;
    QString description =
        tr("Colour scale from 0 to %1 twips of bar").arg(QLocale().toString(top, 'f', 1));
    if (!scaleName.isEmpty())
        description += QStringLiteral(" (%1)").arg(scaleName);
    setAccessibleDescription(description);
    update();
}

void ColourBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int top = metrics.height();
    // Two lines beneath for the scale's name.
    const int bottom = height() - 2 * metrics.height() - 4;
    const QRect bar(4, top, 18, bottom - top);
    for (int y = bar.top(); y <= bar.bottom(); ++y) {
        const double t = double(bar.bottom() - y) / std::max(1, bar.height() - 1);
        const QColor colour =
            m_whiteLight ? QColor::fromRgbF(float(t), float(t), float(t)) : viridis(t);
        painter.fillRect(QRect(bar.left(), y, bar.width(), 1), colour);
    }
    painter.setPen(palette().windowText().color());
    painter.drawRect(bar.adjusted(0, 0, -1, -1));
    painter.drawText(QRect(0, 0, width(), top), Qt::AlignLeft | Qt::AlignVCenter, tr("twips"));
    painter.drawText(QRect(0, bottom + 4, width(), height() - bottom - 4),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_scaleName);
    if (m_top <= 0)
        return;
    for (int tick = 0; tick <= 4; ++tick) {
        const double t = tick / 4.0;
        const int y = bar.bottom() - int(std::lround(t * (bar.height() - 1)));
        painter.drawLine(bar.right() + 1, y, bar.right() + 5, y);
        painter.drawText(QRect(bar.right() + 8, y - top / 2, width() - bar.right() - 8, top),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QLocale().toString(t * m_top, 'f', m_top < 10 ? 2 : 0));
    }
}

} // namespace veltrin
