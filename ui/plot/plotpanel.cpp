// SPDX-License-Identifier: GPL-3.0-or-later
#include "plotpanel.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

namespace veltrin {

QColor PlotPanel::ink()
{
    return {40, 40, 40};
}

QColor PlotPanel::faintInk()
{
    return {150, 150, 150};
}

PlotPanel::PlotPanel(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PlotPanel::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    updateGeometry();
    update();
}

void PlotPanel::reserveTitle(const QString &title)
{
    m_reserved << title;
    updateGeometry();
}

QFont PlotPanel::titleFont() const
{
    QFont bold = font();
    bold.setBold(true);
    return bold;
}

int PlotPanel::titleWidth() const
{
    const QFontMetrics metrics(titleFont());
    int widest = metrics.horizontalAdvance(m_title);
    for (const QString &title : m_reserved)
        widest = std::max(widest, metrics.horizontalAdvance(title));
    return widest;
}

QSize PlotPanel::minimumSizeHint() const
{
    const QSize content = minimumContentSize();
    const int titleHeight = fontMetrics().height() + margin / 2;
    return {std::max(titleWidth(), content.width()) + 2 * margin + 2,
            content.height() + titleHeight + 2 * margin};
}

void PlotPanel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    QWidget::changeEvent(event);
}

QRect PlotPanel::contentRect() const
{
    const int titleHeight = fontMetrics().height() + margin / 2;
    return rect().adjusted(margin, margin + titleHeight, -margin, -margin);
}

void PlotPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setFont(titleFont());
    painter.setPen(ink());
    painter.drawText(rect().adjusted(margin, margin / 2 + 2, -margin, 0),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_title);
    painter.setFont(font());

    painter.setRenderHint(QPainter::Antialiasing);
    paintContent(painter);
}

} // namespace veltrin
