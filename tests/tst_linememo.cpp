// SPDX-License-Identifier: GPL-3.0-or-later
#include "linememo.h"

#include <QPainter>
#include <QTest>

using namespace veltrin;

namespace {

constexpr QRgb silver = qRgb(192, 192, 192);
constexpr QRgb ink = qRgb(10, 20, 30);

QImage blank(qreal ratio)
{
    QImage image(QSize(120, 90) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(silver);
    return image;
}

QPen pen(int width)
{
    return QPen(QColor(ink), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fill(QImage &image, const LineMemo::Spans &spans)
{
    for (const LineMemo::Span &span : spans) {
        for (int x = span.left; x <= span.right; ++x)
            image.setPixel(x, span.y, ink);
    }
}

} // namespace

class TstLineMemo : public QObject
{
    Q_OBJECT

private slots:
    void learntPixelsAreThoseQPainterDraws_data()
    {
        QTest::addColumn<QPointF>("a");
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("ray, thin pen") << QPointF(110.3, 40.4) << QPointF(12.7, 40.4) << 1 << 1.0;
        QTest::addRow("slanting") << QPointF(5.2, 80.9) << QPointF(100.6, 3.1) << 1 << 1.0;
        QTest::addRow("steep") << QPointF(60.1, 2.5) << QPointF(61.7, 85.2) << 1 << 1.0;
        QTest::addRow("erase band, pen 3") << QPointF(-10, 30.2) << QPointF(130, 30.2) << 3 << 1.0;
        QTest::addRow("bar, pen 50") << QPointF(40, 40) << QPointF(70, 40) << 50 << 1.0;
        QTest::addRow("partly off the image")
            << QPointF(-30.5, -8) << QPointF(50, 60.5) << 2 << 1.0;
        QTest::addRow("high pixel ratio")
            << QPointF(110.3, 40.4) << QPointF(12.7, 41.9) << 1 << 2.0;
        QTest::addRow("fractional ratio") << QPointF(3.3, 7.7) << QPointF(90.1, 70.6) << 2 << 1.5;
    }
    void learntPixelsAreThoseQPainterDraws()
    {
        QFETCH(QPointF, a);
        QFETCH(QPointF, b);
        QFETCH(int, width);
        QFETCH(qreal, ratio);
        QImage drawn = blank(ratio);
        {
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(pen(width));
            painter.drawLine(a, b);
        }

        LineMemo memo;
        QImage filled = blank(ratio);
        QVERIFY2(!memo.pixelsOf(a, b, pen(width), filled), "a line met once is not learnt");
        const LineMemo::Spans *spans = memo.pixelsOf(a, b, pen(width), filled);
        QVERIFY(spans);
        QCOMPARE(memo.pixelsOf(a, b, pen(width), filled), spans);
        fill(filled, *spans);
        QCOMPARE(filled, drawn);
    }

    void anotherLineOrPenIsNotMistakenForIt_data()
    {
        QTest::addColumn<QPointF>("b");
        QTest::addColumn<int>("width");
        QTest::addRow("end moved by a hair") << QPointF(80, 40.000001) << 1;
        QTest::addRow("wider pen") << QPointF(80, 40) << 2;
    }
    void anotherLineOrPenIsNotMistakenForIt()
    {
        QFETCH(QPointF, b);
        QFETCH(int, width);
        LineMemo memo;
        const QImage target = blank(1);
        const QPointF a(10, 40);
        memo.pixelsOf(a, QPointF(80, 40), pen(1), target);
        QVERIFY(memo.pixelsOf(a, QPointF(80, 40), pen(1), target));
        QVERIFY(!memo.pixelsOf(a, b, pen(width), target));
    }

    void anotherKindOfImageStartsAfresh()
    {
        LineMemo memo;
        const QPointF a(10, 40);
        const QPointF b(80, 40);
        memo.pixelsOf(a, b, pen(1), blank(1));
        QVERIFY(memo.pixelsOf(a, b, pen(1), blank(1)));
        QVERIFY(!memo.pixelsOf(a, b, pen(1), blank(2)));
    }

    void linesNotOfTheirPensColourAreLeftToQPainter_data()
    {
        QTest::addColumn<bool>("dashed");
        QTest::addColumn<qreal>("ratio");
        QTest::addRow("dashed") << true << 1.0;
        QTest::addRow("thinner than a device pixel, faded") << false << 0.75;
    }
    void linesNotOfTheirPensColourAreLeftToQPainter()
    {
        QFETCH(bool, dashed);
        QFETCH(qreal, ratio);
        LineMemo memo;
        QPen thin = pen(1);
        if (dashed)
            thin.setStyle(Qt::DashLine);
        memo.pixelsOf({10, 40}, {80, 40}, thin, blank(ratio));
        QVERIFY(!memo.pixelsOf({10, 40}, {80, 40}, thin, blank(ratio)));
    }
};

QTEST_MAIN(TstLineMemo)
#include "tst_linememo.moc"
