// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowsurface.h"

#include <QObject>

class QScrollBar;

namespace veltrin {

struct Choice;

/// Turns the user's choices into parameter texts: each option button writes the text form of
/// its value into its field, and the scroll bar writes the animation delay.
class ParameterHandlers : public QObject
{
    Q_OBJECT

public:
    ParameterHandlers(const WindowSurface::FieldEditors &fields, QScrollBar *scrollBar,
                      QObject *parent = nullptr);

    /// What a click on the choice's option button does: writes its value into its field. Every
    /// button's click comes here with its row of the choices table.
    void choose(const Choice &choice);

public slots:
    /// Writes the delay count of the bar's position (SpeedBar::delayCount).
    void HScroll1_Change();

private:
    void write(Field field, double value);

    WindowSurface::FieldEditors m_fields;
    QScrollBar *m_scrollBar;
};

} // namespace veltrin
