// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paintersurface.h"

#include <QPointer>
#include <array>
#include <functional>

class QLineEdit;
class QWidget;

namespace veltrin {

class Canvas;

/// The surface of the real window: a run draws on the canvas's picture through a ScenePainter,
/// reads and writes the window's hidden fields, asks its question as the window asks it, and
/// each screen update repaints just what changed.
class WindowSurface : public PainterSurface
{
public:
    using FieldEditors = std::array<QLineEdit *, fieldCount>;
    /// Asks a Yes/No question on behalf of the window; true for Yes.
    using Question = std::function<bool(QWidget *window, const QString &prompt)>;

    /// The window the question is asked over; the editors are indexed by Field.
    WindowSurface(QWidget *window, Canvas *canvas, const FieldEditors &fields, Question question);

    /// Replaces the question box, for tests that answer it themselves.
    void setQuestion(Question question) { m_question = std::move(question); }
    /// Draws from now on in this style; between a run's positions, when nothing is being drawn.
    void setSceneStyle(const SceneStyle &style) { m_painter.setStyle(style); }

    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    bool askYesNo(const QString &prompt) override;
    void present() override;

protected:
    /// Throws where the drawing area is gone.
    ScenePainter &painter() override;

private:
    QLineEdit *editor(Field field) const;

    QPointer<QWidget> m_window;
    QPointer<Canvas> m_canvas;
    FieldEditors m_fields;
    Question m_question;
};

} // namespace veltrin
