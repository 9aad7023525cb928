// SPDX-License-Identifier: GPL-3.0-or-later
#include "captionfit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

namespace veltrin {

namespace {

/// Where the style puts the caption, and the caption.
std::pair<QRect, QString> captionPlace(const QWidget *widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool radio = qobject_cast<const QRadioButton *>(button);
        return {button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                      : QStyle::SE_PushButtonContents,
                                                &option, button),
                button->text()};
    }
    if (const auto *frame = qobject_cast<const QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                           QStyle::SC_GroupBoxLabel, frame);
        // The label's own rectangle is as wide as the title; its room ends at the frame's edge.
        return {label.adjusted(0, 0, frame->width() - label.right() - 1, 0), frame->title()};
    }
    if (const auto *field = qobject_cast<const QLineEdit *>(widget)) {
        constexpr int margin = 2; // QLineEdit keeps this much free on each side
        return {field->contentsRect()
                    .marginsRemoved(field->textMargins())
                    .adjusted(margin, 0, -margin, 0),
                field->text()};
    }
    return {};
}

} // namespace

void growToFitCaption(QWidget *widget)
{
    const QFontMetrics metrics(widget->font());
    // The style centres the line in its room, so a taller control moves the line down too:
    // grow a pixel at a time until the ink ends within the control.
    for (int grown = 0; grown < widget->fontMetrics().height(); ++grown) {
        const auto [room, caption] = captionPlace(widget);
        if (caption.isEmpty())
            return;
        const int wider = std::max(0, metrics.horizontalAdvance(caption) - room.width());
        const int baseline = room.y() + (room.height() - metrics.height()) / 2 + metrics.ascent();
        const bool tooShort =
            metrics.tightBoundingRect(caption).bottom() + baseline >= widget->height();
        if (!wider && !tooShort)
            return;
        widget->resize(widget->width() + wider, widget->height() + tooShort);
    }
}

} // namespace veltrin
