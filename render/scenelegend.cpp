// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenelegend.h"

#include "choices.h"
#include "twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace veltrin {

namespace {

// Between the buttons and the top ray, 1550 twips down; ending on the right where the axis ends,
// 11500 twips from the left.
constexpr int rowTop = 64;
constexpr int rowHeight = 24;
constexpr int right = 11500 / twipsPerPixel;
constexpr QSize patch{24, 12};
constexpr int patchGap = 6;
constexpr int entryGap = 18;

QFont legendFont(const SceneStyle &style)
{
    QFont font(QStringLiteral("MS Sans Serif")); // the captions' font
    font.setPointSizeF(12 * style.labelScale);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

QRect SceneLegend::area(const SceneStyle &style)
{
    const QFontMetrics metrics(legendFont(style));
    int width = 0;
    for (const Choice &choice : choicesFor(Field::Kmitocet))
        width += (width ? entryGap : 0) + patch.width() + patchGap +
                 metrics.horizontalAdvance(choice.shownCaption());
    return {right - width, rowTop, width, rowHeight};
}

void SceneLegend::paint(QPainter &painter, const SceneStyle &style)
{
    if (!style.legend)
        return;
    const QFont font = legendFont(style);
    const QFontMetrics metrics(font);
    painter.save();
    painter.setFont(font);
    const QRect row = area(style);
    int x = row.left();
    for (const Choice &choice : choicesFor(Field::Kmitocet)) {
        const QRect swatch(QPoint(x, row.center().y() - patch.height() / 2), patch);
        painter.fillRect(swatch, QColor::fromRgb(style.shown(choice.bars.colour)));
        x += patch.width() + patchGap;
        const QString caption = choice.shownCaption();
        painter.setPen(QColor::fromRgb(style.foreground));
        painter.drawText(QRect(x, row.top(), metrics.horizontalAdvance(caption), row.height()),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
        x += metrics.horizontalAdvance(caption) + entryGap;
    }
    painter.restore();
}

} // namespace veltrin
