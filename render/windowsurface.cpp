// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsurface.h"

#include "canvas.h"
#include "surfaceerror.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <utility>

namespace veltrin {

WindowSurface::WindowSurface(QWidget *window, Canvas *canvas, const FieldEditors &fields,
                             Question question)
    : PainterSurface(canvas->image()), m_window(window), m_canvas(canvas), m_fields(fields),
      m_question(std::move(question))
{
}

ScenePainter &WindowSurface::painter()
{
    if (!m_canvas)
        throw SurfaceError(
            QCoreApplication::translate("WindowSurface", "The drawing area is gone"));
    return m_painter;
}

QLineEdit *WindowSurface::editor(Field field) const
{
    QLineEdit *editor = m_fields[static_cast<int>(field)];
    if (!editor)
        throw SurfaceError(
            QCoreApplication::translate("WindowSurface", "The window has no field %1")
                .arg(fieldName(field)));
    return editor;
}

QString WindowSurface::text(Field field) const
{
    return editor(field)->text();
}

void WindowSurface::setText(Field field, const QString &text)
{
    editor(field)->setText(text);
}

bool WindowSurface::askYesNo(const QString &prompt)
{
    present(); // the user answers with the picture in front of them
    return m_question(m_window, prompt);
}

void WindowSurface::present()
{
    const QRegion changed = m_painter.finish();
    if (m_canvas && !changed.isEmpty())
        m_canvas->repaintScene(changed);
}

} // namespace veltrin
