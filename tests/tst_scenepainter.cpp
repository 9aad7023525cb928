// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenepainter.h"

#include <QTest>
#include <vector>

using namespace veltrin;

namespace {

QImage blank(qreal ratio)
{
    QImage image(QSize(120, 90) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(SceneStyle().background);
    return image;
}

/// Where row y holds the colour, as first and last column; {0, -1} where nowhere.
std::pair<int, int> columnsOf(const QImage &image, int y, QRgb colour)
{
    int first = 0, last = -1;
    for (int x = image.width() - 1; x >= 0; --x) {
        if (image.pixel(x, y) == colour)
            first = x, last = std::max(last, x);
    }
    return {first, last};
}

} // namespace

class TstScenePainter : public QObject
{
    Q_OBJECT

private slots:
    void whatIsDrawnLastShows_data()
    {
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("design scale") << 1.0;
        QTest::addRow("enlarged") << 1.5;
    }
    void whatIsDrawnLastShows()
    {
        // A ray drawn again over a spiral that crossed it, as at every detector position: the
        // second time must not be taken for a span already there.
        QFETCH(qreal, ratio);
        QImage image = blank(ratio);
        ScenePainter painter(image);
        const SceneStyle style;
        const PointF from{150, 600}, to{1650, 600};
        std::vector<PointF> spiral;
        for (float y = 300; y < 900; y += 1)
            spiral.push_back({900, y});
        const QPoint crossing = QPointF(QPointF(900, 600) / 15 * ratio).toPoint();
        for (int time = 0; time < 3; ++time) {
            painter.drawLine(from, to, Colour::rayColour());
            QCOMPARE(QColor(image.pixel(crossing)), QColor(style.rays));
            painter.drawChain(spiral);
            QCOMPARE(QColor(image.pixel(crossing)), QColor(style.foreground));
        }
    }

    void wideLineCoversItsPenAtAnyRatio()
    {
        // A bar 3 pixels wide at twice the density: 6 device pixels across, its round end half
        // the pen beyond its end point.
        QImage image = blank(2);
        ScenePainter painter(image);
        painter.setPenWidth(3);
        painter.drawLine({300, 150}, {300, 1200}, Colour::rgb(0, 255, 0));
        painter.finish();
        const QRgb green = qRgb(0, 255, 0);
        const auto [left, right] = columnsOf(image, 80, green);
        QCOMPARE(right - left + 1, 6);
        QCOMPARE((left + right + 1) / 2, 40); // centred on x = 20 logical pixels
        int top = 0;
        while (image.pixel(40, top) != green)
            ++top;
        QCOMPARE(top, 20 - 3); // y = 10 logical pixels, less half the pen
    }
};

QTEST_MAIN(TstScenePainter)
#include "tst_scenepainter.moc"
