// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaledlayout.h"

#include "indicatorstyle.h"
#include "twips.h"

#include <QFontInfo>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <map>

namespace veltrin {

namespace {

bool captionFits(const QRadioButton *button, const QFont &font, bool lineHeight)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect room =
        button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button);
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(button->text()) <= room.width() &&
           (!lineHeight || metrics.height() <= room.height());
}

QFont scaledFont(QFont font, double factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(font.pixelSize() * factor)));
    else
        font.setPointSizeF(std::max(1.0, font.pointSizeF() * factor));
    return font;
}

/// Gives a caption a larger font, up to the one given, as far as its text fits its field.
void growCaption(QWidget *control, const QFont &largest)
{
    const auto *field = qobject_cast<const QLineEdit *>(control);
    if (!field || control->font().pointSizeF() <= 0 || largest.pointSizeF() <= 0)
        return;
    constexpr int lineEditMargin = 2; // QLineEdit keeps this much free on each side
    const QRect room = field->contentsRect().marginsRemoved(field->textMargins());
    const int width = room.width() - 2 * lineEditMargin;
    const QFont scaled = control->font();
    // In steps of a tenth of the growth, from the largest down.
    for (int step = 10; step > 0; --step) {
        QFont font = scaled;
        font.setPointSizeF(scaled.pointSizeF() +
                           (largest.pointSizeF() - scaled.pointSizeF()) * step / 10);
        const QFontMetrics metrics(font);
        if (metrics.horizontalAdvance(field->text()) <= width &&
            metrics.height() <= room.height()) {
            control->setFont(font);
            return;
        }
    }
}

} // namespace

ScaledLayout::ScaledLayout() = default;
ScaledLayout::~ScaledLayout() = default;

double ScaledLayout::scaleToFit(QSize size)
{
    return std::min(double(size.width()) / picturePixels.width(),
                    double(size.height()) / picturePixels.height());
}

QFont ScaledLayout::fittingFont(const std::vector<QRadioButton *> &buttons, QFont font,
                                bool lineHeight)
{
    constexpr int smallestReadable = 8; // pixels
    for (int pixels = QFontInfo(font).pixelSize();; --pixels) {
        font.setPixelSize(pixels);
        const bool fits = std::ranges::all_of(buttons, [&](const QRadioButton *button) {
            return captionFits(button, font, lineHeight);
        });
        if (fits || pixels <= smallestReadable)
            return font;
    }
}

void ScaledLayout::add(QWidget *control, bool caption)
{
    std::optional<QFont> font;
    if (control->testAttribute(Qt::WA_SetFont))
        font = control->font();
    m_entries.push_back({control, control->geometry(), font, caption});
    if (qobject_cast<QRadioButton *>(control)) {
        if (!m_indicators)
            m_indicators = std::make_unique<IndicatorStyle>();
        control->setStyle(m_indicators.get());
    }
}

void ScaledLayout::apply(double scale, QPoint origin, double labelScale)
{
    if (m_indicators)
        m_indicators->setScale(scale);
    std::map<QWidget *, std::vector<QRadioButton *>> frames;
    for (const Entry &entry : m_entries) {
        QWidget *control = entry.control;
        if (!control)
            continue;
        const bool inWindow = control->parentWidget() && control->parentWidget()->isWindow();
        control->setGeometry(
            scaledRect(entry.design, scale).translated(inWindow ? origin : QPoint()));
        if (!entry.font)
            continue;
        control->setFont(scale == 1 ? *entry.font : scaledFont(*entry.font, scale));
        if (entry.caption && labelScale > 1)
            growCaption(control, scaledFont(*entry.font, scale * labelScale));
        if (auto *button = qobject_cast<QRadioButton *>(control); button && scale != 1)
            frames[button->parentWidget()].push_back(button);
    }
    // An indicator's size is rounded to whole pixels, and the style's margins keep theirs, so a
    // scaled caption may run out of width beside its indicator. The heights scale with the
    // fonts; and at the design scale the layout's fonts stand as they are.
    for (const auto &[frame, buttons] : frames) {
        const QFont font = fittingFont(buttons, buttons.front()->font(), false);
        for (QRadioButton *button : buttons)
            button->setFont(font);
    }
}

} // namespace veltrin
