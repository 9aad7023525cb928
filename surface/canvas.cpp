#include "canvas.h"

#include "colour.h"

#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>
#include <chrono>
#include <utility>

namespace veltrin {

namespace {

// Off by default: QT_LOGGING_RULES="veltrin.startup.debug=true" turns it on for the startup probe.
Q_LOGGING_CATEGORY(lcStartup, "veltrin.startup", QtInfoMsg)

} // namespace

Canvas::Canvas(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(widthPixels, heightPixels);
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(QSize(widthPixels, heightPixels) * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(background());
}

QColor Canvas::background()
{
    const Colour silver = Colour::silver();
    return QColor(silver.red(), silver.green(), silver.blue());
}

void Canvas::paintPrompt(const QRect &rect, const QString &text, const QFont &font)
{
    QPainter painter(&m_image);
    painter.fillRect(rect, background());
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    update(rect);
}

void Canvas::paintEvent(QPaintEvent *event)
{
    // The program has started once its first frame is out: this paint, the controls' over it
    // and the flush, all done before the loop takes the next posted event. The steady clock is
    // CLOCK_MONOTONIC, which the launcher reads too.
    static bool firstPaint = true;
    if (std::exchange(firstPaint, false) && lcStartup().isDebugEnabled()) {
        QMetaObject::invokeMethod(
            this,
            [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                qCDebug(lcStartup, "first paint at %lld ns", static_cast<long long>(now.count()));
            },
            Qt::QueuedConnection);
    }
    QPainter painter(this);
    const qreal ratio = m_image.devicePixelRatio();
    for (const QRect &rect : event->region()) {
        // Within a plain rectangle the copy is one straight blit; within the region of several
        // it goes span by span, and from about a hundred rows on through Qt's thread pool,
        // whose hand-over costs far more than these small copies.
        painter.setClipRect(rect);
        const QRectF source(QPointF(rect.topLeft()) * ratio, QSizeF(rect.size()) * ratio);
        painter.drawImage(QRectF(rect), m_image, source);
    }
}

} // namespace veltrin
