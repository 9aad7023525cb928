// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterhandlers.h"

#include "choices.h"
#include "textform.h"

#include <QLineEdit>
#include <QScrollBar>

namespace veltrin {

ParameterHandlers::ParameterHandlers(const WindowSurface::FieldEditors &fields,
                                     QScrollBar *scrollBar, QObject *parent)
    : QObject(parent), m_fields(fields), m_scrollBar(scrollBar)
{
}

void ParameterHandlers::choose(const Choice &choice)
{
    write(choice.field, choice.value);
}

void ParameterHandlers::write(Field field, double value)
{
    m_fields[static_cast<int>(field)]->setText(numberToText(value));
}

void ParameterHandlers::HScroll1_Change()
{
    const int position = m_scrollBar->value();
    write(Field::Spomaleni, position);
    const double count = textToNumber(m_fields[static_cast<int>(Field::Spomaleni)]->text());
    write(Field::Spomaleni, SpeedBar::delayCount(count));
}

} // namespace veltrin
