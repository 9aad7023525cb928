// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapview.h"

#include <QTest>
#include <QWheelEvent>
#include <cmath>

using namespace veltrin;

class TstMapView : public QObject
{
    Q_OBJECT

private slots:
    // The wheel zooms about the pointer: the point of the plane under it stays under it, in and
    // out again, and the map's picture, photons and marks, drawn through the same mapping, with
    // it.
    void zoomKeepsThePointUnderThePointerWhereItWas()
    {
        MapView view;
        view.resize(680, 480);
        const QPointF pointer = view.pixelOf({2600, -700});
        for (const int notches : {3, 5, -2}) {
            QWheelEvent wheel(pointer, view.mapToGlobal(pointer), {}, {0, 120 * notches},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&view, &wheel);
            const Vec2 under = view.mapPointAt(pointer);
            QVERIFY2(std::abs(under.x - 2600) < 0.01 && std::abs(under.y + 700) < 0.01,
                     qPrintable(QStringLiteral("%1, %2").arg(under.x).arg(under.y)));
        }
        QVERIFY(std::abs(view.zoom() - std::pow(MapView::zoomStep, 6)) < 1e-9);
    }
};

QTEST_MAIN(TstMapView)
#include "tst_mapview.moc"
