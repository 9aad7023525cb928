#pragma once

#include "dirtyarea.h"
#include "linememo.h"
#include "surface.h"

#include <QPainter>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

class QLineEdit;

namespace veltrin {

class Canvas;

/// The surface of the real window: draws into the canvas's retained picture with QPainter,
/// aliased, and marks the pixels of sub-pixel spiral arrows itself, so that every point of a
/// spiral shows in exactly the pixel it lies in. A line drawn again and again, like the rays at
/// every detector position, is filled with the pixels QPainter gave it before.
class QtSurface : public Surface
{
public:
    using FieldEditors = std::array<QLineEdit *, fieldCount>;
    /// Asks a Yes/No question on behalf of the window; true for Yes.
    using Question = std::function<bool(QWidget *window, const QString &prompt)>;

    /// The window parents the question box; the editors are indexed by Field.
    QtSurface(QWidget *window, Canvas *canvas, const FieldEditors &fields);
    ~QtSurface() override;

    /// Replaces the question box, for tests that answer it themselves.
    void setQuestion(Question question) { m_question = std::move(question); }
    /// Makes pumpWindowEvents report the window as closing from now on.
    void requestStop() { m_stopRequested = true; }

    void setScaleTwips() override;
    void setPenWidth(int pixels) override;
    void drawLine(PointF from, PointF to, Colour colour) override;
    void drawCircle(PointF centre, float radius) override;
    void drawChain(std::span<const PointF> points) override;
    QString text(Field field) const override;
    void setText(Field field, const QString &text) override;
    bool askYesNo(const QString &prompt) override;
    void present() override;
    bool pumpWindowEvents() override;

private:
    QPainter &painter();
    void usePen(Colour colour);
    QRgb resolve(Colour colour) const;
    /// Fills a line drawn before with the pixels QPainter gave it; false for a new line.
    bool fillFromMemo(QPointF a, QPointF b, QRgb colour);
    void markPixels(std::span<const PointF> points, QRgb colour);
    /// Adds changed device pixels to the area the next screen update shows.
    void markDevicePixels(const QRect &changed);
    void endPainting();

    QPointer<QWidget> m_window;
    QPointer<Canvas> m_canvas;
    FieldEditors m_fields;
    Question m_question;
    std::optional<QPainter> m_painter;
    QRgb m_foreground = 0; // the scheme's colours as the painting began
    QRgb m_rayColour = 0;
    DirtyArea m_dirty;
    LineMemo m_lines;
    int m_penWidth = 1;
    QPen m_lineShape; // the pen's width and ends, as the memo knows lines by; colour aside
    std::optional<Colour> m_penColour;
    bool m_stopRequested = false;
};

/// The "Delete probability" kind of box: Yes and No, Yes the default, no icon, the
/// program's name as caption.
bool askWithMessageBox(QWidget *window, const QString &prompt);

} // namespace veltrin
