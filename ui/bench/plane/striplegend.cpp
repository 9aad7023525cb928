// SPDX-License-Identifier: GPL-3.0-or-later
#include "striplegend.h"

#include "mirrorstrip.h"

#include <QPainter>

namespace veltrin {

namespace {

constexpr int gap = 6; // pixels between a patch and its word, and between the entries

} // namespace

StripLegend::StripLegend(QWidget *parent)
    : QWidget(parent), m_title(tr("Mirror strip:")), m_kept(tr("kept")), m_cut(tr("cut away"))
{
    setObjectName(QStringLiteral("stripLegend"));
    setAccessibleName(tr("Key to the mirror strip"));
    setToolTip(tr("On the strip beside the map, the bright strips of the mirror are kept and the "
                  "dark ones cut away."));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize StripLegend::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int patch = metrics.height();
    return {metrics.horizontalAdvance(m_title) + metrics.horizontalAdvance(m_kept) +
                metrics.horizontalAdvance(m_cut) + 2 * patch + 5 * gap,
            metrics.height()};
}

void StripLegend::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int patch = metrics.height();
    const QColor ink = palette().windowText().color();
    int x = 0;
    auto word = [&](const QString &text) {
        painter.setPen(ink);
        painter.drawText(QRect(x, 0, metrics.horizontalAdvance(text), height()),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        x += metrics.horizontalAdvance(text) + gap;
    };
    auto swatch = [&](QRgb colour) {
        const QRect box(x, (height() - patch) / 2 + 2, patch, patch - 4);
        painter.fillRect(box, QColor(colour));
        painter.setPen(ink);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        x += patch + gap / 2;
    };
    word(m_title);
    swatch(MirrorStrip::keptColour);
    word(m_kept);
    swatch(MirrorStrip::cutColour);
    word(m_cut);
}

} // namespace veltrin
