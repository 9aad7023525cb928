// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonoverlay.h"

#include "benchphotons.h"
#include "mapgrid.h"
#include "percenttext.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace veltrin {

namespace {

/// The shades kept ready; a pixel hit more often than this is coloured on its own.
constexpr std::uint32_t mostShades = 1 << 16;
/// The colours' top while few photons have landed: a lone photon is a dim dot, not white.
constexpr std::uint32_t leastScale = 8;

QString percent(double share)
{
    return percentText(share * 100, share < 0.1 ? 1 : 0);
}

} // namespace

PhotonOverlay::PhotonOverlay(MapView &view, BenchPhotons &photons, Prediction &prediction)
    : QWidget(&view), m_view(view), m_photons(photons), m_prediction(prediction)
{
    setObjectName(QStringLiteral("photonDots"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.rect());
    view.installEventFilter(this);
    view.addLayer(this);
    connect(&view, &MapView::viewChanged, this, &PhotonOverlay::viewChanged);
    connect(&photons, &BenchPhotons::landed, this, [this] { drawDots(m_photons.latest()); });
    connect(&photons, &BenchPhotons::cleared, this, [this] {
        m_dotsStale = true;
        m_view.update();
    });
}

void PhotonOverlay::setPredicting(bool predicting)
{
    m_predicting = predicting;
    setAttribute(Qt::WA_TransparentForMouseEvents, !predicting);
    setCursor(predicting ? Qt::CrossCursor : Qt::ArrowCursor);
    m_marksStale = true;
    m_view.update();
}

void PhotonOverlay::setScores(std::vector<Prediction::Score> scores)
{
    // Only the labels change, which are drawn afresh with each frame.
    m_scores = std::move(scores);
    m_view.update();
}

bool PhotonOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view) {
        if (event->type() == QEvent::Resize) {
            setGeometry(m_view.rect());
        } else if (event->type() == QEvent::KeyPress && m_predicting) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                mark(m_view.detector());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PhotonOverlay::mousePressEvent(QMouseEvent *event)
{
    // The middle button pans the map beneath, as it does while nobody predicts.
    if (!m_predicting || event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const QRectF area = m_view.mapRect();
    if (area.contains(event->position()))
        mark(m_view.mapPointAt(event->position()));
    m_view.setFocus();
}

void PhotonOverlay::mark(Vec2 mapPoint)
{
    m_prediction.add(mapPoint, m_photons.tally());
    m_marksStale = true;
    m_view.update();
    emit marked();
}

void PhotonOverlay::viewChanged()
{
    m_dotsStale = true;
    m_marksStale = true;
    m_view.update();
}

QRgb PhotonOverlay::dotColour(std::uint32_t count, std::uint32_t most)
{
    if (count == 0)
        return 0;
    const double t =
        std::clamp(std::log2(1.0 + count) / std::log2(1.0 + std::max(most, count)), 0.0, 1.0);
    // From a faint pink that shows on the map's dark violet and on black to white that covers
    // whatever lies beneath.
    const auto mix = [t](int from, int to) { return int(std::lround(from + (to - from) * t)); };
    return qPremultiply(qRgba(255, mix(110, 255), mix(190, 255), mix(100, 255)));
}

void PhotonOverlay::redrawDots()
{
    const qreal ratio = m_view.devicePixelRatioF();
    m_dots = QImage(m_view.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_dots.setDevicePixelRatio(ratio);
    m_dots.fill(Qt::transparent);
    m_hitsPerPixel.assign(std::size_t(m_dots.width()) * std::size_t(m_dots.height()), 0);
    m_scaleMost = leastScale;
    recolourDots();
    m_dotsStale = false;
    addDots(m_photons.tally().hits());
}

void PhotonOverlay::recolourDots()
{
    m_shades.resize(std::min(m_scaleMost, mostShades) + 1);
    for (std::uint32_t count = 0; count < m_shades.size(); ++count)
        m_shades[count] = dotColour(count, m_scaleMost);
    auto *pixels = reinterpret_cast<QRgb *>(m_dots.bits());
    for (std::size_t i = 0; i < m_hitsPerPixel.size(); ++i) {
        if (const std::uint32_t count = m_hitsPerPixel[i])
            pixels[i] = count < m_shades.size() ? m_shades[count] : dotColour(count, m_scaleMost);
    }
}

void PhotonOverlay::drawDots(std::span<const Vec2> hits)
{
    // Where the dots are stale they are drawn whole at the next frame, in the view as it is then.
    if (!m_dotsStale)
        addDots(hits);
    m_view.update(m_view.mapRect().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void PhotonOverlay::addDots(std::span<const Vec2> hits)
{
    // Straight into the image's pixels: at the fastest rate a frame brings tens of thousands.
    const qreal ratio = m_dots.devicePixelRatio();
    const QTransform toDevice = m_view.toPixels() * QTransform::fromScale(ratio, ratio);
    const int side = std::max(2, int(std::lround(2 * ratio)));
    const int width = m_dots.width();
    const int height = m_dots.height();
    auto *pixels = reinterpret_cast<QRgb *>(m_dots.bits());
    bool moreThanScale = false;
    for (const Vec2 hit : hits) {
        const QPointF pixel = toDevice.map(QPointF(hit.x, hit.y));
        const int x0 = int(std::floor(pixel.x())) - side / 2;
        const int y0 = int(std::floor(pixel.y())) - side / 2;
        for (int y = std::max(0, y0); y < std::min(height, y0 + side); ++y) {
            for (int x = std::max(0, x0); x < std::min(width, x0 + side); ++x) {
                const std::size_t i = std::size_t(y) * std::size_t(width) + std::size_t(x);
                const std::uint32_t count = ++m_hitsPerPixel[i];
                if (count > m_scaleMost) {
                    m_scaleMost *= 2;
                    moreThanScale = true;
                } else if (!moreThanScale) {
                    pixels[i] =
                        count < m_shades.size() ? m_shades[count] : dotColour(count, m_scaleMost);
                }
            }
        }
    }
    // The scale's top doubles at most a few dozen times however many photons come.
    if (moreThanScale)
        recolourDots();
}

void PhotonOverlay::paintLayer(QPainter &painter)
{
    if (m_dotsStale)
        redrawDots();
    painter.drawImage(QPointF(0, 0), m_dots);
    if (m_prediction.marks().empty())
        return;
    if (m_marksStale) {
        const qreal ratio = m_view.devicePixelRatioF();
        m_marks = QImage(m_view.size() * ratio, QImage::Format_ARGB32_Premultiplied);
        m_marks.setDevicePixelRatio(ratio);
        m_marks.fill(Qt::transparent);
        QPainter onMarks(&m_marks);
        paintRings(onMarks);
        m_marksStale = false;
    }
    painter.drawImage(QPointF(0, 0), m_marks);
    paintLabels(painter);
}

double PhotonOverlay::markRadius() const
{
    const double scale = m_view.pixelOf({1000, 0}).x() / 1000 - m_view.pixelOf({0, 0}).x() / 1000;
    return std::max(4.0, Prediction::nearRadius * scale);
}

void PhotonOverlay::paintRings(QPainter &painter) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = markRadius();
    for (const Vec2 mark : m_prediction.marks()) {
        const QPointF at = m_view.pixelOf(mark);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(at, radius, radius);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(at, radius, radius);
        painter.drawLine(at - QPointF(4, 0), at + QPointF(4, 0));
        painter.drawLine(at - QPointF(0, 4), at + QPointF(0, 4));
    }
}

void PhotonOverlay::paintLabels(QPainter &painter) const
{
    const auto marks = m_prediction.marks();
    const double radius = markRadius();
    painter.setFont(font());
    for (std::size_t i = marks.size() - std::min(marks.size(), labelledMarks); i < marks.size();
         ++i) {
        const QPointF at = m_view.pixelOf(marks[i]);
        QString label = QLocale().toString(int(i + 1));
        if (m_prediction.isRevealed() && i < m_scores.size())
            label = tr("%1: %2 of the photons, %3 of the brightest")
                        .arg(label, percent(m_scores[i].photonShare),
                             percent(m_scores[i].probabilityShare));
        const QSizeF size = QSizeF(painter.fontMetrics().size(0, label)) + QSizeF(6, 2);
        QRectF box(QPointF(at.x() + radius + 4, at.y() - size.height() / 2), size);
        if (box.right() > width()) // to the mark's left where the right has no room
            box.moveRight(at.x() - radius - 4);
        painter.fillRect(box, QColor(0, 0, 0, 170));
        painter.setPen(Qt::white);
        painter.drawText(box, Qt::AlignCenter, label);
    }
}

} // namespace veltrin
