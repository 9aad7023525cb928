// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixedtextarea.h"

#include <QLabel>

namespace veltrin {

FixedTextArea::FixedTextArea(QLabel *label, int lines, QWidget *parent)
    : QScrollArea(parent), m_label(label)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWidget(label);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // It reads as text on the window's ground; the label it holds takes the focus it needs.
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    label->setAutoFillBackground(false);
    setFixedHeight(lines * label->fontMetrics().lineSpacing() + 2 * label->margin() +
                   2 * frameWidth());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

} // namespace veltrin
