#pragma once

#include <QImage>
#include <QWidget>

namespace veltrin {

/// The window's drawing area. Everything a run draws goes into a retained image, so covering,
/// minimizing or resizing the window never loses the picture; a repaint only copies from it.
class Canvas : public QWidget
{
    Q_OBJECT

public:
    /// The scene reaches 12000 x 10000 twips; the margin takes the round ends of wide pens.
    static constexpr int widthPixels = 12000 / 15 + 10;
    static constexpr int heightPixels = 10000 / 15 + 10;

    explicit Canvas(QWidget *parent = nullptr);

    /// The window's silver: the picture starts in it, and erasing paints it.
    static QColor background();

    /// The retained picture, in device pixels at the canvas's device pixel ratio.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    /// Paints the prompt into the picture, underneath whatever a run draws over it.
    void paintPrompt(const QRect &rect, const QString &text, const QFont &font);

    QSize sizeHint() const override { return {widthPixels, heightPixels}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};

} // namespace veltrin
