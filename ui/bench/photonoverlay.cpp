// SPDX-License-Identifier: GPL-3.0-or-later
#include "photonoverlay.h"

#include "benchphotons.h"
#include "mapgrid.h"
#include "mapview.h"
#include "percenttext.h"

#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace veltrin {

namespace {

/// Light pink stands out on the map's dark violet and its yellow alike, and on black.
const QRgb dotColour = qRgb(255, 110, 190);

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
    connect(&photons, &BenchPhotons::landed, this, [this] { drawDots(m_photons.latest()); });
    connect(&photons, &BenchPhotons::cleared, this, &PhotonOverlay::redrawDots);
    redrawDots();
}

void PhotonOverlay::setPredicting(bool predicting)
{
    m_predicting = predicting;
    setAttribute(Qt::WA_TransparentForMouseEvents, !predicting);
    setCursor(predicting ? Qt::CrossCursor : Qt::ArrowCursor);
    update();
}

void PhotonOverlay::setScores(std::vector<Prediction::Score> scores)
{
    m_scores = std::move(scores);
    update();
}

bool PhotonOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_view) {
        if (event->type() == QEvent::Resize) {
            setGeometry(m_view.rect());
            redrawDots();
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
    if (!m_predicting || event->button() != Qt::LeftButton)
        return;
    const QRectF area = m_view.mapRect();
    if (area.contains(event->position()))
        mark(m_view.mapPointAt(event->position()));
    m_view.setFocus();
}

void PhotonOverlay::mark(Vec2 mapPoint)
{
    m_prediction.add(mapPoint);
    update();
    emit marked();
}

void PhotonOverlay::redrawDots()
{
    const qreal ratio = devicePixelRatioF();
    m_dots = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_dots.setDevicePixelRatio(ratio);
    m_dots.fill(Qt::transparent);
    drawDots(m_photons.tally().hits());
}

void PhotonOverlay::drawDots(std::span<const Vec2> hits)
{
    // Straight into the image's pixels: at the fastest rate a frame brings tens of thousands.
    const qreal ratio = m_dots.devicePixelRatio();
    const int side = std::max(2, int(std::lround(2 * ratio)));
    const int width = m_dots.width();
    const int height = m_dots.height();
    for (const Vec2 hit : hits) {
        const QPointF pixel = m_view.pixelOf(hit) * ratio;
        const int x0 = int(pixel.x()) - side / 2;
        const int y0 = int(pixel.y()) - side / 2;
        for (int y = std::max(0, y0); y < std::min(height, y0 + side); ++y) {
            auto *line = reinterpret_cast<QRgb *>(m_dots.scanLine(y));
            for (int x = std::max(0, x0); x < std::min(width, x0 + side); ++x)
                line[x] = dotColour;
        }
    }
    update(m_view.mapRect().toAlignedRect().adjusted(-2, -2, 2, 2));
}

void PhotonOverlay::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_dots,
                      QRectF(QPointF(event->rect().topLeft()) * m_dots.devicePixelRatio(),
                             QSizeF(event->rect().size()) * m_dots.devicePixelRatio()));

    const auto marks = m_prediction.marks();
    if (marks.empty())
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = m_view.pixelOf({1000, 0}).x() / 1000 - m_view.pixelOf({0, 0}).x() / 1000;
    const double radius = std::max(4.0, Prediction::nearRadius * scale);
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QPointF at = m_view.pixelOf(marks[i]);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawEllipse(at, radius, radius);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawEllipse(at, radius, radius);
        painter.drawLine(at - QPointF(4, 0), at + QPointF(4, 0));
        painter.drawLine(at - QPointF(0, 4), at + QPointF(0, 4));

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
